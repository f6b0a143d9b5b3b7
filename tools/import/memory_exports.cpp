// The two exports of the memory.
#include "memory_exports.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSqlError>
#include <QSqlQuery>
#include <functional>

#include "memory/memory_store.h"
#include "plain_failure.h"
#include "store/csv.h"
#include "store/database.h"
#include "store/store_error.h"
#include "tool_error.h"
#include "tool_files.h"

namespace importtool {

namespace {

QString display(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Full precision in the fewest digits that read back as the same number, never with an exponent.
QString exact(const QVariant& v) {
    return QString::number(v.toDouble(), 'f', QLocale::FloatingPointShortest);
}

QString isoDay(const QVariant& julianDay) {
    return QDate::fromJulianDay(julianDay.toLongLong()).toString(Qt::ISODate);
}

QString text(const QVariant& v) {
    return v.isNull() ? QString() : v.toString();
}

QString sourceName(int source) {
    switch (static_cast<memory::Source>(source)) {
        case memory::Source::Practice:
            return QStringLiteral("practice");
        case memory::Source::Test:
            return QStringLiteral("test");
        case memory::Source::Review:
            return QStringLiteral("review");
        case memory::Source::Today:
            return QStringLiteral("today");
    }
    return QString::number(source);
}

// What an export writes: the header, then a line per row of its statement.
struct CsvExport {
    QStringList header;
    QString sql;
    std::function<QStringList(const QSqlQuery&)> fields;
};

// Writes the export's lines to `out` a block at a time: a lifetime's answers are a million lines.
bool writeCsv(QSqlDatabase& db, const CsvExport& e, QIODevice& out) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(e.sql)) store::throwQueryError(q);
    constexpr qsizetype kBlock = 1 << 20;
    QByteArray block = (e.header.join(u',') + u'\n').toUtf8();
    while (q.next()) {
        block += (store::csvLine(e.fields(q)) + u'\n').toUtf8();
        if (block.size() >= kBlock) {
            if (out.write(block) != block.size()) return false;
            block.clear();
        }
    }
    if (q.lastError().isValid()) store::throwQueryError(q);
    return out.write(block) == block.size();
}

CsvExport memoryCsv() {
    // A deleted sentence is named by the last serial it had; the live ones come first.
    return CsvExport{
        {"serial", "sentence_id", "deleted", "stability", "difficulty", "last_update", "due", "updates",
         "lapses"},
        QStringLiteral("SELECT coalesce(s.serial, s.last_serial), m.sentence, s.serial IS NULL,"
                       " m.stability, m.difficulty, m.last_day, m.due_day, m.updates, m.lapses"
                       " FROM memory_states m LEFT JOIN sentences s ON s.id = m.sentence"
                       " ORDER BY s.serial IS NULL, coalesce(s.serial, s.last_serial), m.sentence"),
        [](const QSqlQuery& q) {
            return QStringList{text(q.value(0)),   text(q.value(1)),  q.value(2).toString(),
                               exact(q.value(3)),  exact(q.value(4)), isoDay(q.value(5)),
                               isoDay(q.value(6)), text(q.value(7)),  text(q.value(8))};
        }};
}

CsvExport answersCsv() {
    return CsvExport{
        {"answered_at", "serial", "sentence_id", "verdict", "grade", "source", "updated"},
        QStringLiteral("SELECT a.answered_at, coalesce(s.serial, s.last_serial, a.serial), a.sentence,"
                       " a.correct, a.grade, a.source, a.updated"
                       " FROM answer_log a LEFT JOIN sentences s ON s.id = a.sentence ORDER BY a.id"),
        [](const QSqlQuery& q) {
            const QDateTime at = QDateTime::fromString(q.value(0).toString(), Qt::ISODate);
            return QStringList{at.isValid() ? at.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                                            : q.value(0).toString(),
                               text(q.value(1)),
                               text(q.value(2)),
                               q.value(3).toInt() == 1 ? QStringLiteral("right") : QStringLiteral("wrong"),
                               text(q.value(4)),
                               sourceName(q.value(5).toInt()),
                               text(q.value(6))};
        }};
}

// What the memory exports share with --csv-out: the target refused when taken (unless replaced)
// or in a folder that cannot be written, the database only read, the file written whole.
void exportCsv(const QString& database, const QString& csv, bool replace, const CsvExport& what) {
    checkExport(database, csv, replace);
    try {
        // Read-only: a file of an older layout stays as it is, without a memory.
        store::Database db(database, true);
        if (!memory::hasMemory(db.db()))
            throw ToolError(
                QStringLiteral("%1: the file holds no memory of the sentences yet (it was last written by "
                               "an earlier version of Plurquiz); open it once with the program, which "
                               "builds the memory from its test history, then run the command again")
                    .arg(display(database)));
        writeWholeFile(csv, [&](QIODevice& out) { return writeCsv(db.db(), what, out); });
    } catch (const store::StoreError& e) {
        throw ToolError(plainFailure(database, e));
    }
}

}  // namespace

void exportMemoryCsv(const QString& database, const QString& csv, bool replace) {
    exportCsv(database, csv, replace, memoryCsv());
}

void exportAnswersCsv(const QString& database, const QString& csv, bool replace) {
    exportCsv(database, csv, replace, answersCsv());
}

}  // namespace importtool
