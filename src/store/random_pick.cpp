// The random pick.
#include "random_pick.h"

#include "store_error.h"

namespace store {

int pickRandomRow(TableView& view, int largestSerial, base::RandomSource& random) {
    if (largestSerial < 1) throw StoreError(QStringLiteral("There is no sentence to draw."));
    // Gaps are drawn again; so many misses in a row mean the table has nothing in 1..largest.
    for (int attempt = 0; attempt < 100000; ++attempt) {
        const int n = random.draw1ToN(largestSerial);
        view.seek(n);
        if (!view.noMatch()) return n;
    }
    throw StoreError(QStringLiteral("No sentence was found by its serial number."));
}

}  // namespace store
