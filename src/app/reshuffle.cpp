// The reshuffle of the sentence order.
#include "reshuffle.h"

#include "store/bound_view.h"
#include "store/database.h"
#include "store/store_error.h"

namespace app {

namespace {
constexpr int kRange = 3000;
constexpr int kTurn = 1500;
}  // namespace

ReshuffleOutcome reshuffle(store::BoundView& rows, base::RandomSource& random,
                           const std::function<void(int)>& afterRow) {
    if (rows.recordCount() == 0) return {ReshuffleOutcome::Empty, {}};
    try {
        store::Database::Transaction transaction(rows.database());
        rows.moveFirst();
        int done = 0;
        while (!rows.eof()) {
            const int d = random.draw1ToN(kRange);
            int v = d;
            const int step = d < kTurn ? 1 : -1;
            for (;;) {
                rows.edit();
                rows.setField(QStringLiteral("sorrend2"), v);
                try {
                    rows.update();
                    break;
                } catch (const store::StoreError& e) {
                    rows.cancelUpdate();
                    // Only a refusal of the value is answered by stepping; a failing file is not.
                    if (!e.refused() || v + step > 32767 || v + step < -32768) throw;
                    v += step;
                }
            }
            if (afterRow) afterRow(++done);
            rows.moveNext();
        }
        transaction.commit();
    } catch (const store::StoreError& e) {
        // The transaction rolled back in the file; the cursor's copy is read again to match.
        try {
            rows.refresh();
        } catch (const store::StoreError&) {
        }
        return {ReshuffleOutcome::Failed, e.message()};
    }
    rows.refresh();
    return {ReshuffleOutcome::Done, {}};
}

ReshuffleOutcome reshuffleOrder(const QString& path, base::RandomSource& random) {
    try {
        store::Database db(path);
        store::BoundView rows(db, QStringLiteral("test1"));
        return reshuffle(rows, random);
    } catch (const store::StoreError& e) {
        return {ReshuffleOutcome::Failed, e.message()};
    }
}

}  // namespace app
