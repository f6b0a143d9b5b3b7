// A read-only snapshot of a table: the set of its rows and their order, taken when it is made.
//
// What a snapshot guarantees:
// - Its rows are the rows the table held when it was made, in the order they had then; rows
//   stored later never appear in it, nor in any copy made from it.
// - A row's fields are read from the file when the row is first looked at (and kept from then
//   on, by the snapshot and every copy made from it); a row deleted before that is an error
//   when looked at. So a row not yet looked at shows the changes stored meanwhile.
// - A sorted or filtered copy works on the same rows and leaves the snapshot it came from as it
//   was. It sorts and tests each row by the fields the snapshot has read of it, or, for a row not
//   yet looked at, by the fields the file holds when the copy is made (a row deleted by then
//   satisfies no filter). A search does the same. Sorting by the field the order already
//   follows first (sorrend2 for test1) keeps the order the rows had when the snapshot was made.
// It reads through the connection it was made with, which must outlive it.
#pragma once

#include <memory>
#include <span>

#include "database.h"
#include "row_cursor.h"

namespace store {

class Criteria;

class Snapshot : public RowCursor {
public:
    // All rows of a table, in its natural order, standing on the first row.
    static Snapshot ofTable(Database& db, const QString& table);
    // Rows of a table that satisfy a condition, natural order.
    static Snapshot ofTable(Database& db, const QString& table, const QString& condition);
    // The rows of test1 with these serial numbers, in the order given; a serial the table does not
    // hold is left out, a repeated one taken once. `kept`, when given, receives the serials taken,
    // in the snapshot's order.
    static Snapshot ofSerials(Database& db, const std::vector<int>& serials,
                              std::vector<int>* kept = nullptr);

    // The sort key and the filter apply to the next copy; setting a filter replaces the last one.
    void setSort(const QString& field) { sort_ = field; }
    void setFilter(const QString& condition) { filter_ = condition; }
    // A new snapshot with this one's sort key and filter applied, standing on its first row.
    Snapshot copy() const;

protected:
    int size() const override { return static_cast<int>(order_->size()); }
    const Row& rowAt(int index) const override;
    int findMatch(const Criteria& criteria, int start) const override;

private:
    class Rows;
    Snapshot(std::shared_ptr<Rows> rows, std::shared_ptr<const std::vector<qint64>> order,
             std::vector<int> sortedBy);
    // Which rows of `rowids` satisfy the criteria: a row read already by its fields, the others
    // as the file holds them.
    std::vector<bool> matching(const Criteria& criteria, std::span<const qint64> rowids) const;

    std::shared_ptr<Rows> rows_;                        // shared by the snapshot and its copies
    std::shared_ptr<const std::vector<qint64>> order_;  // row ids
    // The fields the order is known to be sorted by, most significant first; sorting by the
    // first of them again changes nothing.
    std::vector<int> sortedBy_;
    QString sort_;
    QString filter_;
};

}  // namespace store
