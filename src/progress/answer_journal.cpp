// Writing the answers of the windows without runs.
#include "answer_journal.h"

#include <utility>

#include "store/database.h"

namespace progress {

namespace {
// Kept answers beyond this many are the oldest dropped: a file refusing for hours must not
// grow the program without end.
constexpr size_t kMostKept = 10000;
}  // namespace

bool AnswerJournal::write(store::Database& db, const AnswerUnit& unit) {
    try {
        store::Database::Transaction t(db);
        writeAnswerUnit(db, unit, nullptr);
        t.commit();
        return true;
    } catch (const store::StoreError& e) {
        lastFailure_ = e;
        return false;
    }
}

bool AnswerJournal::record(store::Database& db, AnswerUnit unit) {
    std::vector<AnswerUnit> kept = std::exchange(pending_, {});
    for (AnswerUnit& k : kept)
        // one the file refuses for good (a rule, not a lock) is dropped
        if (!write(db, k) && lastFailure_.problem() != store::Problem::Refused)
            pending_.push_back(std::move(k));
    if (write(db, unit)) return true;
    pending_.push_back(std::move(unit));
    if (pending_.size() > kMostKept) pending_.erase(pending_.begin());
    return false;
}

int AnswerJournal::settle(store::Database* db) {
    if (db) {
        std::vector<AnswerUnit> kept = std::exchange(pending_, {});
        for (AnswerUnit& k : kept)
            if (!write(*db, k)) pending_.push_back(std::move(k));
    }
    return static_cast<int>(std::exchange(pending_, {}).size());
}

}  // namespace progress
