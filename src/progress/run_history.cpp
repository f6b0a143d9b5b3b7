// Writing a test run into the history as it goes, and reading the history back.
#include "run_history.h"

#include <sqlite3.h>

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

#include "store/database.h"
#include "store/store_error.h"

namespace progress {

namespace {

void run(QSqlQuery& q) {
    if (!q.exec()) store::throwQueryError(q);
}

QVariant letterOrNull(const QString& letter) {
    if (letter.size() == 1 && letter[0] >= u'A' && letter[0] <= u'D') return letter;
    return QVariant(QMetaType(QMetaType::QString));
}

}  // namespace

QString historyTime(const QDateTime& time) {
    return time.toUTC().toString(Qt::ISODate);
}

void RunRecorder::begin(const QDateTime& startedAt, const RunSettings& settings) {
    *this = RunRecorder();
    active_ = true;
    started_ = startedAt;
    settings_ = settings;
}

void RunRecorder::ensureRun(store::Database& db) {
    if (runId_) return;
    QSqlQuery q(db.db());
    q.prepare(QStringLiteral(
        "INSERT INTO test_runs (started_at, mode, run_length, delay_seconds, presented, correct)"
        " VALUES (?, ?, ?, ?, 0, 0)"));
    q.addBindValue(historyTime(started_));
    q.addBindValue(settings_.inOrder ? 1 : 0);
    q.addBindValue(settings_.runLength);
    q.addBindValue(settings_.delaySeconds);
    run(q);
    runId_ = q.lastInsertId().toLongLong();
}

void RunRecorder::updateCounts(store::Database& db, const QDateTime* endedAt) {
    QSqlQuery q(db.db());
    if (endedAt) {
        q.prepare(
            QStringLiteral("UPDATE test_runs SET presented = ?, correct = ?, ended_at = ? WHERE id = ?"));
        q.addBindValue(presented_);
        q.addBindValue(correct_);
        q.addBindValue(historyTime(*endedAt));
    } else {
        q.prepare(QStringLiteral("UPDATE test_runs SET presented = ?, correct = ? WHERE id = ?"));
        q.addBindValue(presented_);
        q.addBindValue(correct_);
    }
    q.addBindValue(*runId_);
    run(q);
}

bool RunRecorder::answer(store::Database& db, const RecordedAnswer& a) {
    if (!active_) return true;
    ++position_;
    ++presented_;
    if (a.correct) ++correct_;
    const std::optional<qint64> runBefore = runId_;
    try {
        store::Database::Transaction t(db);
        ensureRun(db);
        QSqlQuery q(db.db());
        q.prepare(QStringLiteral(
            "INSERT INTO test_answers (run_id, position, serial, chosen, right_letter, correct, seconds)"
            " VALUES (?, ?, ?, ?, ?, ?, ?)"));
        q.addBindValue(*runId_);
        q.addBindValue(position_);
        q.addBindValue(a.serial);
        q.addBindValue(letterOrNull(a.chosen));
        q.addBindValue(a.right);
        q.addBindValue(a.correct ? 1 : 0);
        q.addBindValue(qRound(a.seconds * 10) / 10.0);
        run(q);
        updateCounts(db, nullptr);
        t.commit();
        return true;
    } catch (const store::StoreError& e) {
        // Rolled back whole: a run row made in this transaction is gone with it.
        runId_ = runBefore;
        noteFailure(e.message());
        return false;
    }
}

bool RunRecorder::finish(store::Database& db, const QDateTime& endedAt, int presented, int correct) {
    if (!active_) return true;
    active_ = false;
    presented_ = presented;
    correct_ = correct;
    const std::optional<qint64> runBefore = runId_;
    try {
        store::Database::Transaction t(db);
        // Every answer may have been refused: the evaluation is still worth a point on the chart.
        ensureRun(db);
        updateCounts(db, &endedAt);
        t.commit();
        return true;
    } catch (const store::StoreError& e) {
        runId_ = runBefore;
        noteFailure(e.message());
        return false;
    }
}

void RunRecorder::refused(const QString& why) {
    if (!active_) return;
    ++position_;
    ++presented_;
    noteFailure(why);
}

void RunRecorder::noteFailure(const QString& why) {
    failed_ = true;
    lastFailure_ = why;
}

bool RunRecorder::takeFailureNotice() {
    if (!failed_ || told_) return false;
    told_ = true;
    return true;
}

namespace {

qint8 letterIndex(const unsigned char* text, int bytes) {
    return bytes == 1 && text[0] >= 'A' && text[0] <= 'D' ? static_cast<qint8>(text[0] - 'A') : qint8(-1);
}

// Appends an answer of run `runId`, found among the runs from `run` on (both come in id order).
void addAnswer(History& h, size_t& run, qint64 runId, int serial, bool correct, qint8 chosen, qint8 right) {
    while (run < h.runs.size() && h.runs[run].id < runId) ++run;
    if (run == h.runs.size() || h.runs[run].id != runId) return;  // an answer without its run: left out
    h.answers.push_back({static_cast<int>(run), serial, chosen, right, correct});
}

const char* const kAnswers =
    "SELECT run_id, serial, correct, chosen, right_letter FROM test_answers ORDER BY run_id, position";

// Half a million answers are read here. Through SQLite's own interface on the connection's handle
// they take a fifth of the time the driver's values take; the driver is the way when there is no
// such handle.
void readAnswers(store::Database& db, History& h) {
    size_t run = 0;
    const QVariant handle = db.db().driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0) {
        sqlite3* native = *static_cast<sqlite3* const*>(handle.constData());
        sqlite3_stmt* statement = nullptr;
        if (native && sqlite3_prepare_v2(native, kAnswers, -1, &statement, nullptr) == SQLITE_OK) {
            int status;
            while ((status = sqlite3_step(statement)) == SQLITE_ROW) {
                addAnswer(h, run, sqlite3_column_int64(statement, 0), sqlite3_column_int(statement, 1),
                          sqlite3_column_int(statement, 2) != 0,
                          letterIndex(sqlite3_column_text(statement, 3), sqlite3_column_bytes(statement, 3)),
                          letterIndex(sqlite3_column_text(statement, 4), sqlite3_column_bytes(statement, 4)));
            }
            const QString error = QString::fromUtf8(sqlite3_errmsg(native));
            const int code = sqlite3_extended_errcode(native) & 0xff;
            sqlite3_finalize(statement);
            if (status != SQLITE_DONE) throw store::StoreError(error, false, code);
            return;
        }
        if (statement) sqlite3_finalize(statement);
    }
    QSqlQuery q(db.db());
    q.setForwardOnly(true);
    if (!q.exec(QLatin1String(kAnswers))) store::throwQueryError(q);
    while (q.next()) {
        const QByteArray chosen = q.value(3).toString().toUtf8(), right = q.value(4).toString().toUtf8();
        addAnswer(h, run, q.value(0).toLongLong(), q.value(1).toInt(), q.value(2).toInt() != 0,
                  letterIndex(reinterpret_cast<const unsigned char*>(chosen.constData()), int(chosen.size())),
                  letterIndex(reinterpret_cast<const unsigned char*>(right.constData()), int(right.size())));
    }
    if (q.lastError().isValid()) store::throwQueryError(q);
}

}  // namespace

History loadHistory(store::Database& db) {
    History h;
    QSqlQuery q(db.db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN "
                               "('test_runs', 'test_answers')")) ||
        !q.next())
        store::throwQueryError(q);
    if (q.value(0).toInt() < 2) return h;
    q.finish();

    if (!q.exec(QStringLiteral("SELECT id, started_at, ended_at, mode, run_length, delay_seconds, presented, "
                               "correct FROM test_runs ORDER BY id")))
        store::throwQueryError(q);
    while (q.next()) {
        RunRecord r;
        r.id = q.value(0).toLongLong();
        r.started = QDateTime::fromString(q.value(1).toString(), Qt::ISODate);
        if (!q.isNull(2)) r.ended = QDateTime::fromString(q.value(2).toString(), Qt::ISODate);
        r.inOrder = q.value(3).toInt() == 1;
        r.runLength = q.value(4).toInt();
        r.delaySeconds = q.value(5).toInt();
        r.presented = q.value(6).toInt();
        r.correct = q.value(7).toInt();
        h.runs.push_back(r);
    }
    if (q.lastError().isValid()) store::throwQueryError(q);
    q.finish();
    size_t presented = 0;
    for (const RunRecord& r : h.runs) presented += static_cast<size_t>(std::max(0, r.presented));
    h.answers.reserve(presented);
    readAnswers(db, h);
    return h;
}

}  // namespace progress
