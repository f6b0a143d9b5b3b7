// The learner's history of test runs in the database file (tables test_runs and test_answers of
// layout version 3): written by the test window as a run goes, one answer at a time, and read back
// whole by the Progress window.
//
// test_runs: one row per run that got at least one answer (or an evaluation): id, started_at and
//   ended_at (UTC, ISO 8601; ended_at stays NULL for a run left before its evaluation), mode (0 at
//   random, 1 in order from a starting point), run_length (sentences chosen, 0 open-ended),
//   delay_seconds (0 untimed), presented and correct (as the evaluation counts them).
// test_answers: one row per scored sentence: run_id, position in the run (from 1), serial
//   (sorszam), chosen ('A'-'D', NULL when no letter was chosen), right_letter (felelet2 as shown),
//   correct (the test's own verdict, 0 or 1), seconds (from showing the sentence to scoring it).
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace store {
class Database;
}

namespace progress {

// What the learner chose for a run.
struct RunSettings {
    bool inOrder = false;  // from a starting point; a timed run is always at random
    int runLength = 0;     // 20, 30, 40, 50; 0 open-ended
    int delaySeconds = 0;  // 10, 20, 30; 0 untimed
};

struct RecordedAnswer {
    int serial = 0;
    QString chosen;  // "A"-"D"; anything else (the test's "0") is stored as no choice
    QString right;   // the right letter as shown
    bool correct = false;
    double seconds = 0;
};

// Writes one run as it goes. Nothing is written until the first answer, so a run started and left
// at once leaves no trace. Every answer is committed on its own, with the run's counts, before the
// next sentence shows, as durable as the failed-item log. A refused write never stops the run: the
// call says so, and the caller tells the learner once (takeFailureNotice).
class RunRecorder {
public:
    void begin(const QDateTime& startedAt, const RunSettings& settings);
    bool active() const { return active_; }
    // False when the file refused the answer; the run's counts still include it.
    bool answer(store::Database& db, const RecordedAnswer& answer);
    // The run was evaluated: its end and the evaluation's counts. False when refused.
    bool finish(store::Database& db, const QDateTime& endedAt, int presented, int correct);
    // An answer that could not even be put together (its sentence could not be read): counted as a
    // refused write.
    void refused(const QString& why);
    // True the first time it is asked after a refused write of this run; false otherwise.
    bool takeFailureNotice();
    // The file's own words about the last refused write.
    const QString& lastFailure() const { return lastFailure_; }

private:
    void ensureRun(store::Database& db);
    // A write was refused (or an answer could not be put together): said once, at the next ask.
    void noteFailure(const QString& why);
    void updateCounts(store::Database& db, const QDateTime* endedAt);

    bool active_ = false;
    QDateTime started_;
    RunSettings settings_;
    std::optional<qint64> runId_;
    int position_ = 0;
    int presented_ = 0;
    int correct_ = 0;
    bool failed_ = false;
    bool told_ = false;
    QString lastFailure_;
};

// UTC, ISO 8601 to the second: "2026-12-08T09:15:02Z".
QString historyTime(const QDateTime& time);

// --- reading back ----------------------------------------------------------------------------

struct RunRecord {
    qint64 id = 0;
    QDateTime started;
    QDateTime ended;  // invalid: left before the evaluation
    bool inOrder = false;
    int runLength = 0;
    int delaySeconds = 0;
    int presented = 0;
    int correct = 0;
    bool evaluated() const { return ended.isValid(); }
};

struct AnswerRecord {
    int run = 0;  // index into History::runs
    int serial = 0;
    qint8 chosen = -1;  // 0-3 for A-D, -1 for none
    qint8 right = -1;   // 0-3 for A-D, -1 for a right letter that is none of them
    bool correct = false;
};

struct History {
    std::vector<RunRecord> runs;        // in the order they were stored
    std::vector<AnswerRecord> answers;  // run by run, each run's in its order
    bool empty() const { return runs.empty(); }
};

// Reads the whole history. A file without the history tables (one that could not be upgraded, being
// read-only) has an empty history. Throws StoreError when the file cannot be read.
History loadHistory(store::Database& db);

}  // namespace progress
