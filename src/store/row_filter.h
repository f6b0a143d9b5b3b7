// Which rows of a table satisfy a condition, asked of SQLite so that it can use its indexes; only
// row ids come back. What the SQL cannot decide alone (see Criteria::toSql) is decided in C++ on
// the fields the condition reads, so the answer is always the one Criteria::matches gives.
#pragma once

#include <QVariant>
#include <span>
#include <vector>

#include "criteria.h"
#include "database.h"
#include "schema.h"

namespace store {

struct FilterLimits {
    // A text comparison is decided in SQL for a field with at most this many distinct values.
    int distinctValues = 256;
    // Placeholders the condition may take (a list of row ids comes on top; SQLite has allowed
    // 999 in all since long ago).
    int binds = 500;
};

// The row ids of the table's rows that satisfy `criteria` (every row when it is null), in the
// table's natural order when `naturalOrder` is set, otherwise in no particular order.
std::vector<qint64> selectRows(Database& db, const Fields& fields, const Criteria* criteria,
                               bool naturalOrder, const FilterLimits& limits = {});

// Those of the given rows (at most kMaxAmong) that satisfy `criteria`, in no particular order.
constexpr int kMaxAmong = 256;
std::vector<qint64> selectAmong(Database& db, const Fields& fields, const Criteria& criteria,
                                std::span<const qint64> rowids, const FilterLimits& limits = {});

// A set of row ids with a quick membership test.
class RowidSet {
public:
    explicit RowidSet(std::vector<qint64> rowids);
    bool contains(qint64 rowid) const;

private:
    qint64 base_ = 0;
    std::vector<bool> bits_;      // when the ids lie close together
    std::vector<qint64> sorted_;  // otherwise
};

}  // namespace store
