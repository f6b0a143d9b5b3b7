// Writes the answers of the windows that keep no run (practice, review, Today): each answer's
// rows in one transaction as it is given. A refused write never stops the learner: the answer is
// kept and written with the next write that succeeds; what is still kept when the window closes
// is counted, so that the learner can be told.
#pragma once

#include <vector>

#include "answer_unit.h"
#include "store/store_error.h"

namespace progress {

class AnswerJournal {
public:
    // Writes the kept answers, then this one, each in its own transaction (one the file refuses
    // for good does not hold back the ones after it). False when this one was refused and kept.
    bool record(store::Database& db, AnswerUnit unit);
    // One more try for what is kept (`db` may be null); returns how many never reached the file.
    int settle(store::Database* db);
    int unwritten() const { return static_cast<int>(pending_.size()); }
    const store::StoreError& lastFailure() const { return lastFailure_; }

private:
    bool write(store::Database& db, const AnswerUnit& unit);
    std::vector<AnswerUnit> pending_;
    store::StoreError lastFailure_{store::Problem::Other, QString()};
};

}  // namespace progress
