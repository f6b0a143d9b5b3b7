// A read-only copy of a set of rows, taken when it is made. Sorted and filtered copies share the
// rows of the snapshot they come from and leave it as it was.
#pragma once

#include <memory>

#include "database.h"
#include "row_cursor.h"

namespace store {

class Snapshot : public RowCursor {
public:
    // All rows of a table, in its natural order, standing on the first row.
    static Snapshot ofTable(Database& db, const QString& table);
    // Rows of a table that satisfy a condition, natural order.
    static Snapshot ofTable(Database& db, const QString& table, const QString& condition);

    // The sort key and the filter apply to the next copy; setting a filter replaces the last one.
    void setSort(const QString& field) { sort_ = field; }
    void setFilter(const QString& condition) { filter_ = condition; }
    // A new snapshot with this one's sort key and filter applied, standing on its first row.
    Snapshot copy() const;

protected:
    int size() const override { return static_cast<int>(order_.size()); }
    const Row& rowAt(int index) const override {
        return (*rows_)[static_cast<size_t>(order_[static_cast<size_t>(index)])];
    }

private:
    Snapshot(const Fields& fields, std::shared_ptr<const std::vector<Row>> rows, std::vector<int> order);
    std::shared_ptr<const std::vector<Row>> rows_;
    std::vector<int> order_;
    QString sort_;
    QString filter_;
};

// Every row of a table in its natural order (or only those satisfying a condition).
std::vector<Row> readRows(Database& db, const Fields& fields, const QString& condition = {});

}  // namespace store
