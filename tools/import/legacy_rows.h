// The rows of test1 and hiba1 read from an old Jet file, checked against the ranges of our
// database and put in its field order.
#pragma once

#include <QVariant>
#include <vector>

#include "jet_reader.h"

namespace importtool {

using Rows = std::vector<std::vector<QVariant>>;

// Rows in store::test1Fields() order. Throws ToolError naming the table, the row (from 1) and
// the field of the first value outside our ranges: sorszam not 1-32767 or repeated, szint not
// 1-3, sorrend2 not -32768..32767, sorrend not a whole number, a text longer than its limit
// (store/field_limits.h) or holding a NUL character.
Rows test1Rows(const jet::JetTable& table);

// Rows in store::hiba1Fields() order, the placeholder first: the old file's first row when it is
// one, else ours. No table at all gives the placeholder alone. A text the database would not take
// (as for test1) throws ToolError.
Rows hiba1Rows(const jet::JetTable* table);

// The placeholder that keeps hiba1 from ever being empty.
std::vector<QVariant> hiba1Placeholder();

}  // namespace importtool
