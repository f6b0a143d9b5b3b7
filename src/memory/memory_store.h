// The learner's memory of each sentence in the database file, and the log of every answer that
// reaches it.
//
// memory_states: one row per sentence answered at least once, by identity (table sentences):
//   stability and difficulty, first_day and last_day (the local calendar days of the first and of
//   the last update, as Julian day numbers), due_day (last_day plus the interval), updates (how many
//   answers changed the state) and lapses (how many of those were Again after the first).
// answer_log: one row per answer in any window: answered_at (UTC, ISO 8601), day (local calendar
//   day), sentence (identity; NULL when the sentence could not be named), serial, source (0
//   practice, 1 test, 2 review, 3 today), correct, grade (1-4), updated (whether it changed the
//   state: only the first answer of a day to a sentence does) and predicted (the chance of recall
//   the model gave just before an update of a sentence seen before; NULL otherwise), typed and
//   verdict (a written answer's text and verdict, 0 right, 1 almost, 2 wrong; NULL for a choice).
// memory_settings: name/value pairs of the Today settings.
#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <optional>

#include "fsrs.h"

namespace store {
class Database;
}

namespace memory {

enum class Source : int { Practice = 0, Test = 1, Review = 2, Today = 3 };

// One answer as the memory sees it.
struct AnswerEvent {
    AnswerEvent() = default;
    AnswerEvent(Source source, Grade grade, bool correct, QDateTime at,
                std::optional<QString> typed = std::nullopt, int verdict = -1)
        : source(source),
          grade(grade),
          correct(correct),
          at(std::move(at)),
          typed(std::move(typed)),
          verdict(verdict) {}
    Source source = Source::Practice;
    Grade grade = Grade::Again;
    bool correct = false;
    QDateTime at;  // when it was given
    // A written answer: the text typed and its verdict (0 right, 1 almost: a slip of accent, ñ,
    // ¿ ¡ or capital letter, 2 wrong); none for an option chosen.
    std::optional<QString> typed;
    int verdict = -1;
};

// The local calendar day of a moment, as a Julian day number: days between two updates are
// whole days, whatever the hours.
qint64 dayOf(const QDateTime& at);

struct SentenceMemory {
    MemoryState state;
    qint64 firstDay = 0;
    qint64 lastDay = 0;
    qint64 dueDay = 0;
    int updates = 0;
    int lapses = 0;
};

// What one answer does to a sentence's memory (none before its first answer).
struct Step {
    bool updated = false;
    std::optional<double> predicted;  // the chance of recall just before, for a sentence seen before
    SentenceMemory after;
};
Step stepFor(const Model& model, const std::optional<SentenceMemory>& before, qint64 day, Grade grade);

// The learner's settings of Today and of the answering windows, kept in the learner's file.
struct MemorySettings {
    double retention = kDefaultRetention;  // 0.80-0.95
    int newPerDay = 10;                    // 0-50
    int newLevel = 0;                      // new sentences of this level only; 0 any level
    bool writeAnswers = false;             // the answering windows take a typed filler
    Model model() const { return Model(retention); }
};
inline constexpr int kMaxNewPerDay = 50;
// Read from the file; defaults for what it lacks (an older file, a value out of range).
MemorySettings loadSettings(QSqlDatabase& db);
// Writes them in one transaction; a new retention moves every due day to the new interval.
// Throws StoreError, the file then as it was.
void saveSettings(store::Database& db, const MemorySettings& settings);

// Whether the file has the memory's tables (layout 5 on; a file that could not be upgraded has not).
// Throws StoreError when the file cannot be read.
bool hasMemory(QSqlDatabase& db);

// The memory of one sentence; none before its first answer. Throws StoreError.
std::optional<SentenceMemory> loadMemory(QSqlDatabase& db, qint64 sentence);

// Logs one answer and, when it is the first of its day to the sentence, updates the sentence's
// memory: in the caller's open transaction, so both are written or neither. A sentence without an
// identity is logged only. Returns whether the memory changed. Throws StoreError.
bool recordAnswer(QSqlDatabase& db, std::optional<qint64> sentence, int serial, const AnswerEvent& event,
                  const Model& model);

// Builds the memory from the history of test runs kept before the memory existed, answering
// again in time order as the learner did; in the caller's transaction, on a file whose answer log
// is still empty. `progress` (may be empty) hears (done, total) now and then.
// Returns how many answers were replayed. Throws StoreError.
int replayTestHistory(QSqlDatabase& db, const std::function<void(int, int)>& progress = {});

// Who hears of a long replay: set once by the desktop side (a progress dialog over many answers).
void setReplayProgress(std::function<void(int, int)> progress);
const std::function<void(int, int)>& replayProgress();

}  // namespace memory
