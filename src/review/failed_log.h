// The log of failed test items (table hiba1): its first row is a placeholder that stays for good,
// every later row is one item answered wrongly in a test, in the order the tests stored them.
#pragma once

#include <QtGlobal>
#include <functional>

namespace store {
class BoundView;
}

namespace review {

// The rowid of the log's last row when that row is a failed item, 0 when the log holds the
// placeholder alone (or nothing). Leaves the cursor on its last row.
qint64 lastFailedItem(store::BoundView& log);

// Deletes every failed item up to and including rowid `upTo` from the log the cursor runs over,
// all in one transaction: a failure or a crash part-way leaves every row where it was. The
// placeholder stays, and so does every row stored after `upTo` (by a test that ran meanwhile).
// Returns how many rows went; a StoreError means that none did. The cursor is read again from
// the file afterwards. `afterRow` (for tests) runs after each deleted row.
int emptyLog(store::BoundView& log, qint64 upTo, const std::function<void(int)>& afterRow = {});

}  // namespace review
