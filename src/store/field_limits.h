// How long each text field of a sentence may be: limits no teacher meets, so that a file cannot
// carry a sentence the windows would take seconds to lay out. Every way into the file keeps them
// (the import paths, the database window), and what the windows show is cut to them.
#pragma once

#include <QString>
#include <QVariant>
#include <array>

#include "schema.h"

namespace store {

struct FieldLimit {
    const char* field;  // the same name in test1 and hiba1
    int maxChars;
};

inline constexpr std::array<FieldLimit, 9> kFieldLimits = {{
    {"mondat", 1000},  // the sentence with its gap
    {"a", 200},        // the four fillers
    {"b", 200},
    {"c", 200},
    {"d", 200},
    {"felelet1", 2000},  // the completed sentence and its grammatical note
    {"felelet2", 10},    // the right letter (an old file may spell it in its own way)
    {"kulcs1", 10},      // the topic codes (one character in ours, two in some old files)
    {"kulcs2", 10},
}};

// The most characters `field` may hold (letter case ignored); 0 for a field without a limit.
int fieldLimit(const QString& field);

// Why `value` cannot be stored in `field` ("is 1204 characters long; it may hold at most 1000",
// "holds a NUL character ..."); empty when it can.
QString fieldValueProblem(const QString& field, const QString& value);

// The select list by which a record set reads the fields of a row, in the table's field order: a
// text longer than its limit comes no further than one character past it (enough for shownValue
// to see it is longer), so that a huge value is never carried out of the file.
QString readColumns(const Fields& fields);

// A value as the windows show it: a text longer than its field's limit is cut and ends in "…",
// the whole no longer than the limit (so that a box holding it still takes it); any other value
// is returned as it is.
QVariant shownValue(const QString& field, const QVariant& value);

}  // namespace store
