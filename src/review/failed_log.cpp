// Emptying the log of failed items.
#include "failed_log.h"

#include "store/bound_view.h"
#include "store/database.h"
#include "store/store_error.h"

namespace review {

qint64 lastFailedItem(store::BoundView& log) {
    if (log.recordCount() < 2) return 0;
    log.moveLast();
    return log.current().rowid;
}

int emptyLog(store::BoundView& log, qint64 upTo, const std::function<void(int)>& afterRow) {
    int deleted = 0;
    try {
        store::Database::Transaction transaction(log.database());
        // Read the rows again under the write lock: what another connection stored or deleted
        // meanwhile is seen, and nobody else can change the log until the commit.
        log.refresh();
        if (log.recordCount() > 1) {
            log.moveFirst();  // the placeholder
            log.moveNext();
            while (!log.eof() && log.current().rowid <= upTo) {
                log.deleteCurrent();
                if (afterRow) afterRow(++deleted);
                log.moveNext();
            }
        }
        transaction.commit();
    } catch (const store::StoreError&) {
        // Rolled back in the file; the cursor's copy is read again to match.
        try {
            log.refresh();
        } catch (const store::StoreError&) {
        }
        throw;
    }
    log.refresh();
    return deleted;
}

}  // namespace review
