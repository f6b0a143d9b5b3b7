// The learner's history of test runs in the database file (tables test_runs and test_answers of
// layout 3, the sentence identities of layout 4): written by the test window as a run goes, one
// answer at a time, and read back whole by the Progress window.
//
// test_runs: one row per run that got at least one answer (or an evaluation): id, started_at and
//   ended_at (UTC, ISO 8601; ended_at stays NULL for a run left before its evaluation), mode (0 at
//   random, 1 in order from a starting point), run_length (sentences chosen, 0 open-ended),
//   delay_seconds (0 untimed), presented and correct (as the evaluation counts them).
// test_answers: one row per scored sentence: run_id, position in the run (from 1), serial
//   (sorszam when answered), sentence (the sentence's identity, an id of table sentences), chosen
//   ('A'-'D', NULL when no letter was chosen), right_letter (felelet2 as shown), correct (the
//   test's own verdict, 0 or 1), seconds (from showing the sentence to scoring it).
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <unordered_map>
#include <vector>

#include "answer_unit.h"
#include "store/store_error.h"

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

// Writes one run as it goes. Nothing is written until the first answer, so a run started and left
// at once leaves no trace. Every answer goes through answer(), which writes it (its history row and,
// when wrong, its failed item) in one transaction with the run's counts, before the next sentence
// shows. A refused write never stops the run: the answer is kept, and written with the next write
// that succeeds (the caller tells the learner once per run, takeFailureNotice); what is still kept
// when the run is left is counted by settle().
class RunRecorder {
public:
    // What happens to an answer whose write was refused.
    enum class IfRefused {
        Keep,   // kept, to be written with the next write that succeeds; answer() returns false
        Throw,  // forgotten, the StoreError thrown: the caller offers the answer again
    };

    // Starts a new run; call settle() first for what the last one may still keep.
    void begin(const QDateTime& startedAt, const RunSettings& settings);
    bool active() const { return active_; }
    // Writes the kept answers and then this one (a kept answer the file refuses for good does not
    // hold this one back). False when this one was refused. Outside a run only the failed item is
    // written.
    bool answer(store::Database& db, AnswerUnit unit, IfRefused ifRefused = IfRefused::Keep);
    // The run was evaluated: its end and the evaluation's counts, with the answers still kept.
    // False when refused; they stay kept until settle().
    bool finish(store::Database& db, const QDateTime& endedAt, int presented, int correct);
    // An answer that could not even be put together (its sentence could not be read): counted as a
    // refused write that is never written.
    void refused(const store::StoreError& why);
    // Answers of this run not written yet: kept ones, and ones that could not be put together.
    int unwritten() const { return static_cast<int>(pending_.size()) + lost_; }
    // The run is left: one more try to write what is kept (`db` may be null), then it is forgotten.
    // Returns how many answers of the run never reached the file.
    int settle(store::Database* db);
    // True the first time it is asked after a refused write of this run; false otherwise.
    bool takeFailureNotice();
    // What went wrong with the last refused write.
    const store::StoreError& lastFailure() const { return lastFailure_; }

private:
    struct Kept {
        int position = 0;
        AnswerUnit unit;
    };
    // One transaction: the run's row if new, the kept answers (`withKept`), `extra`, the counts (and
    // the end). Throws StoreError, everything then as it was.
    void write(store::Database& db, const Kept* extra, bool withKept);
    void writeKeptFirst(store::Database& db, const Kept* extra);
    void ensureRun(store::Database& db);
    // A write was refused (or an answer could not be put together): said once, at the next ask.
    void noteFailure(const store::StoreError& why);
    void updateCounts(store::Database& db);

    bool active_ = false;
    bool layoutCurrent_ = false;  // the file has been seen to have the current layout
    QDateTime started_;
    RunSettings settings_;
    std::optional<qint64> runId_;
    std::optional<QDateTime> ended_;  // evaluated; written with the counts
    bool endWritten_ = true;
    int position_ = 0;
    int presented_ = 0;
    int correct_ = 0;
    std::vector<Kept> pending_;
    int lost_ = 0;
    bool failed_ = false;
    bool told_ = false;
    store::StoreError lastFailure_{store::Problem::Other, QString()};
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
    int run = 0;          // index into History::runs
    int serial = 0;       // the sentence's serial when it was answered
    qint64 sentence = 0;  // its identity; 0 in a file without identities
    qint8 chosen = -1;    // 0-3 for A-D, -1 for none
    qint8 right = -1;     // 0-3 for A-D, -1 for a right letter that is none of them
    bool correct = false;
};

struct History {
    std::vector<RunRecord> runs;        // in the order they were stored
    std::vector<AnswerRecord> answers;  // run by run, each run's in its order
    // The last serial of each deleted sentence, by identity.
    std::unordered_map<qint64, int> goneSerials;
    bool empty() const { return runs.empty(); }
};

// Reads the whole history. A file without the history tables (one that could not be upgraded, being
// read-only) has an empty history. Throws StoreError when the file cannot be read.
History loadHistory(store::Database& db);

}  // namespace progress
