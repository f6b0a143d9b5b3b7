// Writing a test run into the history as it goes, and reading the history back.
#include "run_history.h"

#include <QSqlError>
#include <QSqlQuery>

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
        failed_ = true;
        lastFailure_ = e.message();
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
        failed_ = true;
        lastFailure_ = e.message();
        return false;
    }
}

void RunRecorder::refused(const QString& why) {
    if (!active_) return;
    ++position_;
    ++presented_;
    failed_ = true;
    lastFailure_ = why;
}

bool RunRecorder::takeFailureNotice() {
    if (!failed_ || told_) return false;
    told_ = true;
    return true;
}

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

    // Half a million answers cross the driver here, so each comes as one whole number that SQLite
    // packs: the run id, the serial (16 bits), the verdict, and the chosen and right letters
    // (0 none, 1-4 A-D; 3 bits each). The letters are told apart exactly, as the test compares.
    if (!q.exec(QStringLiteral(
            "SELECT (run_id << 23) | ((serial & 65535) << 7) | (correct << 6)"
            " | (coalesce(CASE WHEN length(chosen) = 1 THEN instr('ABCD', chosen) END, 0) << 3)"
            " | coalesce(CASE WHEN length(right_letter) = 1 THEN instr('ABCD', right_letter) END, 0)"
            " FROM test_answers ORDER BY run_id, position")))
        store::throwQueryError(q);
    size_t run = 0;
    while (q.next()) {
        const qint64 packed = q.value(0).toLongLong();
        const qint64 runId = packed >> 23;
        // Both are in id order: the run of an answer is the current one or a later one.
        while (run < h.runs.size() && h.runs[run].id < runId) ++run;
        if (run == h.runs.size()) break;
        if (h.runs[run].id != runId) continue;  // an answer without its run: left out
        AnswerRecord a;
        a.run = static_cast<int>(run);
        a.serial = static_cast<int>((packed >> 7) & 65535);
        a.correct = (packed >> 6) & 1;
        a.chosen = static_cast<qint8>(((packed >> 3) & 7) - 1);
        a.right = static_cast<qint8>((packed & 7) - 1);
        h.answers.push_back(a);
    }
    if (q.lastError().isValid()) store::throwQueryError(q);
    return h;
}

}  // namespace progress
