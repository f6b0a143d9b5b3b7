// The condition language of searches and selections: comparisons of a field with a number or a
// quoted text, joined by And/Or, negated by Not, grouped by parentheses. Keywords and field
// names take any letter case; texts compare without regard to letter case (Unicode case folding,
// so "Á" equals "á"). An empty field satisfies no comparison, nor does a number field holding
// anything but a whole number; "Not" turns such a comparison into a match.
//
// A condition is answered either in C++ on a row's values (matches) or by SQLite, compiled into a
// WHERE clause (toSql); both give the same answer on every row.
#pragma once

#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "schema.h"

namespace store {

// A condition as SQL: a WHERE clause over the table's columns with a `?` for every value. Only
// field names of the schema, operators from a fixed list and placeholders appear in the text;
// every value of the condition is bound.
struct SqlCondition {
    QString where;
    std::vector<QVariant> binds;  // in the order of the placeholders
    // False when some comparisons could not be put into SQL: the clause then selects a superset of
    // the matching rows, and each row it selects must still be tested with Criteria::matches.
    bool exact = true;
};

// Every distinct value a field holds in the table, empty fields left out; nothing when there
// are too many to list.
using DistinctValues = std::function<std::optional<std::vector<QVariant>>(int field)>;

class Criteria {
public:
    // Parses a condition over the given table's fields; throws StoreError when the text cannot be
    // parsed, names an unknown field, or compares a number field with a text or the reverse.
    static Criteria parse(const QString& condition, const Fields& fields);

    // Whether a row (the table's field values, in field order) satisfies the condition.
    bool matches(const std::vector<QVariant>& row) const;

    // The condition in SQL. SQLite folds only ASCII letters, so a text comparison is answered
    // here for each distinct value of its field, and the SQL lists the values that satisfy it
    // (or those that do not, when fewer); `distinct` supplies them. A comparison whose field
    // has too many distinct values, or that would take the placeholders past `maxBinds`, stays
    // out of the SQL (see SqlCondition::exact).
    SqlCondition toSql(const DistinctValues& distinct, int maxBinds) const;
    // The positions of the fields the condition reads, ascending, each once.
    std::vector<int> fieldsRead() const;

    const QString& text() const { return text_; }

    struct Node;

private:
    QString text_;
    const Fields* fields_ = nullptr;
    std::shared_ptr<const Node> root_;
};

}  // namespace store
