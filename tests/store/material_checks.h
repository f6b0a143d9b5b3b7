// Editorial checks over the teaching material that go beyond the mechanical rules of a row: two
// rows that drill the same item, an option that only reorders the right answer's words, and a
// right filler that the rest of the sentence gives away. Pure functions over the rows.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "store/material.h"

namespace materialcheck {

struct Item {
    int serial = 0;
    QString kulcs1, kulcs2;
    QString sentence;  // with its one gap "..."
    std::array<QString, 4> fillers;
    int right = 0;  // index into fillers
    const QString& rightFiller() const { return fillers[size_t(right)]; }
};

// The item of a row read from the material CSV.
Item itemOf(const store::MaterialRow& row);

struct Finding {
    QString kind;  // "near-duplicate", "reordering" or "give-away"
    int serial = 0;
    int other = 0;  // the second row of a near-duplicate pair, else 0
    QString reason;
    // "near-duplicate 85/218" or "give-away 224": what a test compares.
    QString key() const;
    // The key followed by the reason, one line for a report.
    QString text() const;
};

// Words of `text` in lower case: runs of letters and digits. With foldAccents the accents and
// the tilde of ñ are dropped as well.
QStringList wordsOf(const QString& text, bool foldAccents);

// Pairs of rows that drill the same thing with nearly the same words (both serials named).
std::vector<Finding> nearDuplicates(const std::vector<Item>& items);
// Options made of exactly the right answer's words in another order, outside the word-order
// topic (kulcs1 'a', kulcs2 '1'), where such options are the point of the exercise.
std::vector<Finding> reorderedOptions(const std::vector<Item>& items);
// Rows whose right filler also stands elsewhere in the sentence.
std::vector<Finding> giveAways(const std::vector<Item>& items);

}  // namespace materialcheck
