// The reshuffle: every sentence gets a new random order number in 1-3000.
#pragma once

#include <QString>
#include <functional>

#include "base/random_source.h"

namespace store {
class BoundView;
}

namespace app {

struct ReshuffleOutcome {
    enum Status { Done, Empty, Failed } status = Done;
    QString detail;
};

// Walks the bound cursor from its first row, giving each row a draw in 1-3000. When the store
// refuses a value, the value steps by one, upwards for a first draw below 1500 and downwards
// otherwise, until it is accepted. All rows change in one transaction: a failure or a crash
// part-way leaves the old order intact. `afterRow` (for tests) runs after each stored row.
ReshuffleOutcome reshuffle(store::BoundView& rows, base::RandomSource& random,
                           const std::function<void(int)>& afterRow = {});

// Opens the database at `path` and reshuffles table test1.
ReshuffleOutcome reshuffleOrder(const QString& path, base::RandomSource& random);

}  // namespace app
