// The two CSV commands of the import tool.
#include "material_csv_commands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlQuery>
#include <QStringDecoder>

#include "forms/random_source.h"
#include "plain_failure.h"
#include "store/database.h"
#include "store/material.h"
#include "store/store_error.h"
#include "tool_error.h"

namespace importtool {

namespace {

QString display(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString readUtf8(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ToolError(
            QStringLiteral("%1: the file cannot be read (%2); check its name and that you may read it")
                .arg(display(path), file.errorString()));
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(file.readAll());
    // A spreadsheet that saved in its own code page would turn every accented letter into a
    // replacement character; better to say so than to store them.
    if (decoder.hasError())
        throw ToolError(
            QStringLiteral("%1: the file is not UTF-8 text; save it as CSV UTF-8").arg(display(path)));
    return text;
}

// The folder a new CSV file goes into must be there and writable.
void checkCsvFolder(const QString& csv) {
    const QString folder = QFileInfo(csv).absolutePath();
    if (!QFileInfo(folder).isDir())
        throw ToolError(
            QStringLiteral("%1: the folder %2 does not exist; create it, or give another place for the "
                           "CSV file")
                .arg(display(csv), display(folder)));
    if (!store::mayWrite(folder))
        throw ToolError(
            QStringLiteral("%1: you may not write in the folder %2; give a folder you may write in")
                .arg(display(csv), display(folder)));
}

qint64 rowCount(store::Database& db) {
    QSqlQuery q(db.db());
    if (!q.exec(QStringLiteral("SELECT count(*) FROM test1")) || !q.next()) store::throwQueryError(q);
    return q.value(0).toLongLong();
}

}  // namespace

void exportMaterialCsv(const QString& database, const QString& csv, bool replace) {
    if (!replace && QFileInfo::exists(csv))
        throw ToolError(
            QStringLiteral("%1: the file exists already and is left as it is; give another file name, "
                           "or add --force to replace it")
                .arg(display(csv)));
    // A file that is only locked or read-only can still be read.
    const store::FileStatus status = store::Database::check(database);
    if (status.problem != store::Problem::None && status.problem != store::Problem::Locked &&
        status.problem != store::Problem::ReadOnly && status.problem != store::Problem::FolderReadOnly)
        throw ToolError(QStringLiteral("%1: %2").arg(display(database), describeStatus(status)));
    checkCsvFolder(csv);
    QString text;
    try {
        store::Database db(database, true);
        text = store::materialCsv(db);
    } catch (const store::StoreError& e) {
        throw ToolError(plainFailure(database, e));
    }
    QSaveFile out(csv);
    if (!out.open(QIODevice::WriteOnly) || out.write(text.toUtf8()) < 0 || !out.commit())
        throw ToolError(
            QStringLiteral("%1: the file cannot be written (%2); check that there is space on the disk "
                           "and that you may write in the folder, then run the command again")
                .arg(display(csv), out.errorString()));
}

void importMaterialCsv(const QString& csv, const QString& database) {
    const store::MaterialRead material = store::readMaterialCsv(readUtf8(csv));
    if (!material.ok()) {
        QStringList lines;
        for (const QString& problem : material.problems)
            lines << display(csv) + QStringLiteral(": ") + problem;
        lines << display(csv) + QStringLiteral(
                                    ": nothing has been written; correct the rows above and run the "
                                    "import again");
        throw ToolError(lines);
    }
    forms::RandomSource random;
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

}  // namespace importtool
