// The two CSV commands of the import tool.
#include "material_csv_commands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

#include "base/random_source.h"
#include "plain_failure.h"
#include "store/database.h"
#include "store/material.h"
#include "store/store_error.h"
#include "tool_error.h"
#include "tool_files.h"

namespace importtool {

namespace {

QString display(const QString& path) {
    return QDir::toNativeSeparators(path);
}

qint64 rowCount(store::Database& db) {
    QSqlQuery q(db.db());
    if (!q.exec(QStringLiteral("SELECT count(*) FROM test1")) || !q.next()) store::throwQueryError(q);
    return q.value(0).toLongLong();
}

}  // namespace

void exportMaterialCsv(const QString& database, const QString& csv, bool replace) {
    checkExport(database, csv, replace);
    QString text;
    try {
        store::Database db(database, true);
        text = store::materialCsv(db);
    } catch (const store::StoreError& e) {
        throw ToolError(plainFailure(database, e));
    }
    writeWholeFile(csv, text.toUtf8());
}

namespace {

void loadMaterialCsv(const QString& csv, const QString& database) {
    const store::MaterialRead material =
        store::readMaterialCsv(readTextFile(csv, QStringLiteral("CSV UTF-8")));
    if (!material.ok()) {
        QStringList lines;
        for (const QString& problem : material.problems)
            lines << display(csv) + QStringLiteral(": ") + problem;
        lines << display(csv) + QStringLiteral(
                                    ": nothing has been written; correct the rows above and run the "
                                    "import again");
        throw ToolError(lines);
    }
    base::RandomSource random;
    const bool isNew = !QFileInfo::exists(database);
    if (isNew) checkNewFile(database);
    try {
        if (isNew) {
            store::createDatabaseFile(database, material.rows, random);
            return;
        }
        const store::FileStatus status = store::Database::check(database);
        if (!status.ok())
            throw ToolError(QStringLiteral("%1: %2").arg(display(database), describeStatus(status)));
        store::Database db(database);
        if (const qint64 rows = rowCount(db); rows > 0)
            throw ToolError(
                QStringLiteral("%1: test1 already holds %2 rows, and the material goes only into an empty "
                               "table; give the name of a new file instead")
                    .arg(display(database))
                    .arg(rows));
        insertMaterial(db, material.rows, random);
    } catch (const store::StoreError& e) {
        // The table's own rules (the unique serial number, the ranges) turned a row down.
        if (e.refused())
            throw ToolError(
                QStringLiteral("%1: a row breaks a rule of the table test1 (a serial number that is "
                               "there already, or a value out of range); nothing has been written")
                    .arg(display(database)));
        throw ToolError(plainFailure(database, e));
    }
}

}  // namespace

QStringList importMaterialCsv(const QString& csv, const QString& database) {
    // Said first, whatever becomes of this run.
    const QStringList warnings = leftoversRemoved(store::removeUnfinishedFile(database));
    try {
        loadMaterialCsv(csv, database);
    } catch (const ToolError& e) {
        throw ToolError(warnings + e.lines());
    }
    return warnings;
}

}  // namespace importtool
