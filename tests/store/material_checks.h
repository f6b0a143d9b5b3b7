// Editorial checks over the teaching material that go beyond the mechanical rules of a row: two
// rows that drill the same item, an option that only reorders the right answer's words, a right
// filler that the rest of the sentence or another row's sentence gives away, and the spread of
// the rows over topic-and-level cells and right letters. Pure functions over the rows.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

#include "store/material.h"

namespace materialcheck {

struct Item {
    int serial = 0;
    int level = 0;
    QString kulcs1, kulcs2;
    QString sentence;  // with its one gap "..."
    std::array<QString, 4> fillers;
    int right = 0;  // index into fillers
    const QString& rightFiller() const { return fillers[size_t(right)]; }
};

// The item of a row read from the material CSV.
Item itemOf(const store::MaterialRow& row);

struct Finding {
    QString kind;  // "near-duplicate", "reordering", "give-away", "thin cell" or "uneven letters"
    int serial = 0;
    int other = 0;  // the second row of a pair, else 0
    QString reason;
    QString place{};  // what a spread finding is about ("Nouns level 2", "level 2 A"); rows name none
    // "near-duplicate 85/218", "give-away 224" or "thin cell Nouns level 2": what a test compares.
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
// Rows whose right filler another row's sentence shows in the same frame, so that a learner who
// has met the other row knows the answer: the filler between the words on either side of the gap
// (at an end of the sentence, with the next word, or two when that is a grammar word), the frame
// holding a word that is not a grammar word. "give-away 168/7": row 7's sentence shows row 168's
// answer.
std::vector<Finding> crossGiveAways(const std::vector<Item>& items);

// A topic as the spread check sees it: its name in a finding and which rows it holds.
struct TopicFilter {
    QString name;
    std::function<bool(const Item&)> holds;
};
// Topic-and-level cells (levels 1-3) holding fewer than `minimum` rows.
std::vector<Finding> thinCells(const std::vector<Item>& items, const std::vector<TopicFilter>& topics,
                               int minimum);
// Right letters that stand in less than `low` or more than `high` of a level's rows.
std::vector<Finding> unevenLetters(const std::vector<Item>& items, double low, double high);

}  // namespace materialcheck
