// What one answer writes, and the one place that writes it: the answer's row in the history of
// test runs, for a wrong answer in a test its row in the log of failed items (hiba1), and its row
// in the answer log with the update of the sentence's memory, always together in the caller's
// transaction, so that after a kill, a lock or a full disk all are stored or none is.
#pragma once

#include <QString>
#include <optional>

#include "memory/memory_store.h"

namespace store {
class Database;
}

namespace progress {

struct RecordedAnswer {
    RecordedAnswer() = default;
    RecordedAnswer(int serial, QString chosen, QString right, bool correct, double seconds)
        : serial(serial),
          chosen(std::move(chosen)),
          right(std::move(right)),
          correct(correct),
          seconds(seconds) {}
    int serial = 0;  // the sentence's serial when it was answered
    QString chosen;  // "A"-"D"; anything else (the test's "0") is stored as no choice
    QString right;   // the right letter as shown
    bool correct = false;
    double seconds = 0;
    std::optional<qint64> sentence;  // its identity, when known before the write
};

// A wrong answer as the log of failed items keeps it: the letter chosen and the sentence as shown.
struct FailedItem {
    QString chosen;  // hiba
    QString sentence;
    QString a, b, c, d;
    QString solution;  // felelet1
    QString right;     // felelet2
};

// Everything one answer writes; kept whole while a refused write waits for the next one.
struct AnswerUnit {
    AnswerUnit(RecordedAnswer answer = {}, std::optional<FailedItem> failed = std::nullopt,
               std::optional<memory::AnswerEvent> memory = std::nullopt)
        : answer(std::move(answer)), failed(std::move(failed)), memory(std::move(memory)) {}
    RecordedAnswer answer;
    std::optional<FailedItem> failed;
    std::optional<memory::AnswerEvent> memory;  // logged, and the sentence's memory updated
};

// Where an answer goes in the history: its run and its place in the run (from 1).
struct HistoryPlace {
    qint64 run = 0;
    int position = 0;
};

// The identity of the sentence holding `serial` today; none when no sentence does, or when the
// file has no identities or cannot be read now (the write then looks it up itself).
std::optional<qint64> sentenceIdentity(store::Database& db, int serial);

// Writes the rows of one answer inside the caller's open transaction: the failed item, the
// history row when `place` is given, the answer log and memory when the unit carries its event. Throws
// StoreError; the caller's rollback then undoes both. Any other row an answer changes belongs here too, so
// that it shares the same transaction.
void writeAnswerUnit(store::Database& db, const AnswerUnit& unit, const HistoryPlace* place);

}  // namespace progress
