// Reading the old file, then writing the new one under a temporary name.
#include "legacy_import.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

#include "app/legacy_importer.h"
#include "jet_reader.h"
#include "library_guard.h"
#include "plain_failure.h"
#include "store/database.h"
#include "store/schema.h"
#include "store/store_error.h"
#include "tool_error.h"

namespace importtool {

namespace {

QString display(const QString& path) {
    return QDir::toNativeSeparators(path);
}

void insertRows(store::Database& db, const store::Fields& fields, const Rows& rows) {
    QStringList marks;
    for (int i = 0; i < fields.count(); ++i) marks << QStringLiteral("?");
    QSqlQuery q(db.db());
    q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(fields.table, fields.names.join(u','), marks.join(u',')));
    for (const std::vector<QVariant>& row : rows) {
        for (const QVariant& value : row) q.addBindValue(value);
        if (!q.exec()) store::throwQueryError(q);
    }
}

void removeTemporary(const QString& temp) {
    QFile::remove(temp);
    QFile::remove(temp + QStringLiteral("-journal"));
}

}  // namespace

void writeLegacyDatabase(const QString& target, const Rows& test1, const Rows& hiba1) {
    const QString temp = target + QStringLiteral(".importing");
    removeTemporary(temp);  // left by an import that was killed while writing
    try {
        store::Database::create(temp);
        {
            store::Database db(temp);
            store::Database::Transaction transaction(db);
            insertRows(db, store::test1Fields(), test1);
            // createSchema wrote a placeholder; the rows given bring their own.
            QSqlQuery clear(db.db());
            if (!clear.exec(QStringLiteral("DELETE FROM hiba1"))) store::throwQueryError(clear);
            insertRows(db, store::hiba1Fields(), hiba1);
            transaction.commit();
        }
        if (QFileInfo::exists(target))
            throw store::StoreError(
                QStringLiteral("a file of this name appeared while the import was writing; it is "
                               "left as it is, and nothing has been written"));
        if (!QFile::rename(temp, target))
            throw store::StoreError(
                QStringLiteral("the new file could not be put in place; check that you may write "
                               "in the folder, then run the import again"));
    } catch (const store::StoreError& e) {
        removeTemporary(temp);
        throw ToolError(plainFailure(target, e));
    } catch (...) {
        removeTemporary(temp);
        throw;
    }
}

QStringList importLegacyFile(const QString& source, const QString& target) {
    checkNewFile(target);
    Rows test1, hiba1;
    QString logProblem;
    try {
        // Thousands of rows take well under a second; two minutes is a loop, not a large file.
        const LibraryGuard guard(120);
        jet::JetFile file(source);
        const std::optional<jet::JetTable> questions =
            file.readTable(QStringLiteral("test1"), store::test1Fields().names);
        if (!questions) throw ToolError(QStringLiteral("there is no table test1"));
        test1 = test1Rows(*questions);
        // The sentences are the learner's material; the log of failed items only its history, which
        // is not worth losing them for.
        try {
            const std::optional<jet::JetTable> log =
                file.readTable(QStringLiteral("hiba1"), store::hiba1Fields().names);
            hiba1 = hiba1Rows(log ? &*log : nullptr);
        } catch (const jet::JetError& e) {
            logProblem = e.message();
        } catch (const ToolError& e) {
            logProblem = e.lines().join(u' ');
        }
        if (!logProblem.isEmpty()) hiba1 = Rows{hiba1Placeholder()};
    } catch (const jet::JetError& e) {
        throw ToolError(QStringLiteral("%1: %2").arg(display(source), e.message()));
    } catch (const ToolError& e) {
        throw ToolError(QStringLiteral("%1: %2").arg(display(source), e.lines().join(u' ')));
    }
    writeLegacyDatabase(target, test1, hiba1);
    if (logProblem.isEmpty()) return {};
    return {app::logStartedEmptyWarning(display(source), logProblem)};
}

}  // namespace importtool
