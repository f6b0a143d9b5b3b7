// The condition language of searches and selections: comparisons of a field with a number or a
// quoted text, joined by And/Or, negated by Not, grouped by parentheses. Keywords and field
// names take any letter case; texts compare without regard to letter case.
#pragma once

#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

#include "schema.h"

namespace store {

class Criteria {
public:
    // Parses a condition over the given table's fields; throws StoreError when the text cannot be
    // parsed, names an unknown field, or compares a number field with a text or the reverse.
    static Criteria parse(const QString& condition, const Fields& fields);

    // Whether a row (the table's field values, in field order) satisfies the condition.
    bool matches(const std::vector<QVariant>& row) const;

    const QString& text() const { return text_; }

    struct Node;

private:
    QString text_;
    std::shared_ptr<const Node> root_;
};

}  // namespace store
