// Writing a test run into the history as it goes, and reading the history back.
#include "run_history.h"

#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

#include "store/database.h"
#include "store/native_rows.h"
#include "store/schema.h"
#include "store/store_error.h"

namespace progress {

namespace {

void run(QSqlQuery& q) {
    if (!q.exec()) store::throwQueryError(q);
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

void RunRecorder::updateCounts(store::Database& db) {
    QSqlQuery q(db.db());
    if (ended_) {
        q.prepare(
            QStringLiteral("UPDATE test_runs SET presented = ?, correct = ?, ended_at = ? WHERE id = ?"));
        q.addBindValue(presented_);
        q.addBindValue(correct_);
        q.addBindValue(historyTime(*ended_));
    } else {
        q.prepare(QStringLiteral("UPDATE test_runs SET presented = ?, correct = ? WHERE id = ?"));
        q.addBindValue(presented_);
        q.addBindValue(correct_);
    }
    q.addBindValue(*runId_);
    run(q);
}

void RunRecorder::write(store::Database& db, const Kept* extra, bool withKept) {
    // A file opened while another program held it may still have an older layout: upgraded by the
    // first write that finds it so.
    if (!layoutCurrent_) {
        try {
            store::upgradeSchema(db.db());
            layoutCurrent_ = store::hasSentenceIdentities(db.db());
        } catch (const store::StoreError&) {
        }
    }
    const std::optional<qint64> runBefore = runId_;
    try {
        store::Database::Transaction t(db);
        const bool history = active_ || !endWritten_ || !pending_.empty();
        if (history) ensureRun(db);
        if (withKept)
            for (const Kept& k : pending_) {
                const HistoryPlace place{*runId_, k.position};
                writeAnswerUnit(db, k.unit, &place);
            }
        if (extra) {
            const HistoryPlace place{history ? *runId_ : 0, extra->position};
            writeAnswerUnit(db, extra->unit, history ? &place : nullptr);
        }
        if (history) updateCounts(db);
        t.commit();
    } catch (const store::StoreError&) {
        // Rolled back whole: a run row made in this transaction is gone with it.
        runId_ = runBefore;
        throw;
    }
    if (withKept) pending_.clear();
    endWritten_ = true;
}

void RunRecorder::writeKeptFirst(store::Database& db, const Kept* extra) {
    try {
        write(db, extra, true);
    } catch (const store::StoreError& e) {
        // A kept answer the file refuses for good (a rule of the file, not a lock or a full disk)
        // must not hold back what comes after it: that goes alone, and the kept ones wait.
        if (!e.refused() || pending_.empty()) throw;
        noteFailure(e);
        write(db, extra, false);
    }
}

bool RunRecorder::answer(store::Database& db, AnswerUnit unit, IfRefused ifRefused) {
    if (!active_) {
        // Outside a run there is no history to add to; a failed item is still logged.
        if (!unit.failed) return true;
        const Kept alone{0, std::move(unit)};
        try {
            write(db, &alone, false);
            return true;
        } catch (const store::StoreError& e) {
            lastFailure_ = e;
            if (ifRefused == IfRefused::Throw) throw;
            noteFailure(e);
            ++lost_;
            return false;
        }
    }
    if (!unit.answer.sentence) unit.answer.sentence = sentenceIdentity(db, unit.answer.serial);
    const bool correct = unit.answer.correct;
    ++presented_;
    if (correct) ++correct_;
    Kept kept{++position_, std::move(unit)};
    try {
        writeKeptFirst(db, &kept);
        return true;
    } catch (const store::StoreError& e) {
        if (ifRefused == IfRefused::Throw) {
            --position_;
            --presented_;
            if (correct) --correct_;
            lastFailure_ = e;
            throw;
        }
        pending_.push_back(std::move(kept));
        noteFailure(e);
        return false;
    }
}

bool RunRecorder::finish(store::Database& db, const QDateTime& endedAt, int presented, int correct) {
    if (!active_) return true;
    active_ = false;
    presented_ = presented;
    correct_ = correct;
    ended_ = endedAt;
    // Every answer may have been refused: the evaluation is still worth a point on the chart.
    endWritten_ = false;
    try {
        writeKeptFirst(db, nullptr);
        return true;
    } catch (const store::StoreError& e) {
        noteFailure(e);
        return false;
    }
}

int RunRecorder::settle(store::Database* db) {
    if (db && (!pending_.empty() || !endWritten_)) {
        try {
            write(*db, nullptr, true);
        } catch (const store::StoreError& e) {
            lastFailure_ = e;
        }
    }
    const int unwrittenAnswers = unwritten();
    const store::StoreError why = lastFailure_;
    *this = RunRecorder();
    lastFailure_ = why;
    return unwrittenAnswers;
}

void RunRecorder::refused(const store::StoreError& why) {
    if (!active_) return;
    ++position_;
    ++presented_;
    ++lost_;
    noteFailure(why);
}

void RunRecorder::noteFailure(const store::StoreError& why) {
    failed_ = true;
    lastFailure_ = why;
}

bool RunRecorder::takeFailureNotice() {
    if (!failed_ || told_) return false;
    told_ = true;
    return true;
}

namespace {

// Appends an answer of run `runId`, found among the runs from `run` on (both come in id order).
void addAnswer(History& h, size_t& run, qint64 runId, int serial, bool correct, qint8 chosen, qint8 right,
               qint64 sentence) {
    while (run < h.runs.size() && h.runs[run].id < runId) ++run;
    if (run == h.runs.size() || h.runs[run].id != runId) return;  // an answer without its run: left out
    h.answers.push_back({static_cast<int>(run), serial, sentence, chosen, right, correct});
}

// A file without identities (an older one that could not be upgraded) reads 0 for each.
const char* const kAnswers =
    "SELECT run_id, serial, correct, chosen, right_letter, ifnull(sentence, 0)"
    " FROM test_answers ORDER BY run_id, position";
const char* const kAnswersBySerial =
    "SELECT run_id, serial, correct, chosen, right_letter, 0 FROM test_answers ORDER BY run_id, position";

qint8 letterIndex(std::string_view text) {
    return text.size() == 1 && text[0] >= 'A' && text[0] <= 'D' ? static_cast<qint8>(text[0] - 'A')
                                                                : qint8(-1);
}

QDateTime timeOf(store::NativeRows& rows, int column) {
    if (rows.isNull(column)) return {};
    const std::string_view text = rows.text(column);
    return QDateTime::fromString(QString::fromUtf8(text.data(), qsizetype(text.size())), Qt::ISODate);
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

    // Tens of thousands of runs and half a million answers are read here.
    store::NativeRows runs(db.db(),
                           "SELECT id, started_at, ended_at, mode, run_length, delay_seconds, presented, "
                           "correct FROM test_runs ORDER BY id");
    while (runs.next()) {
        RunRecord r;
        r.id = runs.integer(0);
        r.started = timeOf(runs, 1);
        r.ended = timeOf(runs, 2);
        r.inOrder = runs.integer(3) == 1;
        r.runLength = int(runs.integer(4));
        r.delaySeconds = int(runs.integer(5));
        r.presented = int(runs.integer(6));
        r.correct = int(runs.integer(7));
        h.runs.push_back(r);
    }
    size_t presented = 0;
    for (const RunRecord& r : h.runs) presented += static_cast<size_t>(std::max(0, r.presented));
    h.answers.reserve(presented);
    const bool identities = store::hasSentenceIdentities(db.db());
    store::NativeRows answers(db.db(), identities ? kAnswers : kAnswersBySerial);
    size_t run = 0;
    while (answers.next())
        addAnswer(h, run, answers.integer(0), int(answers.integer(1)), answers.integer(2) != 0,
                  letterIndex(answers.text(3)), letterIndex(answers.text(4)), answers.integer(5));
    if (identities) {
        if (!q.exec(QStringLiteral("SELECT id, last_serial FROM sentences WHERE serial IS NULL")))
            store::throwQueryError(q);
        while (q.next()) h.goneSerials.emplace(q.value(0).toLongLong(), q.value(1).toInt());
        if (q.lastError().isValid()) store::throwQueryError(q);
    }
    return h;
}

}  // namespace progress
