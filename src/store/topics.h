// The topic and level tables: what each item of the Topic and Level menus selects, which catalogue
// text names it, and which codes the editor files a sentence under.
#pragma once

#include <QString>
#include <array>
#include <optional>

namespace store {

struct Topic {
    int key;                // catalogue key of the caption
    const char* criterion;  // what the practice window selects
    const char* kulcs1;     // codes the editor writes; kulcs2 null: left unchanged
    const char* kulcs2;
};

// Items 0-17 of both windows' Topic menus. Item 0 selects every verb but files under subtopic "0".
inline constexpr std::array<Topic, 18> kTopics = {{
    {42, "kulcs1 = '1'", "1", "0"},
    {43, "kulcs1 = '1' And kulcs2 = '1'", "1", "1"},
    {44, "kulcs1 = '1' And kulcs2 = '2'", "1", "2"},
    {45, "kulcs1 = '1' And kulcs2 = '3'", "1", "3"},
    {46, "kulcs1 = '1' And kulcs2 = '4'", "1", "4"},
    {47, "kulcs1 = '1' And kulcs2 = '8'", "1", "8"},
    {48, "kulcs1 = '1' And kulcs2 = '6'", "1", "6"},
    {49, "kulcs1 = '1' And kulcs2 = '7'", "1", "7"},
    {50, "kulcs1 = '2'", "2", nullptr},
    {51, "kulcs1 = '3'", "3", nullptr},
    {52, "kulcs1 = '4'", "4", nullptr},
    {53, "kulcs1 = '5'", "5", nullptr},
    {54, "kulcs1 = '6'", "6", nullptr},
    {55, "kulcs1 = '7'", "7", nullptr},
    {56, "kulcs1 = '8'", "8", nullptr},
    {57, "kulcs1 = 'a' And kulcs2 = '2'", "a", "2"},
    {59, "kulcs1 = '9'", "9", nullptr},
    {58, "kulcs1 = 'a' And kulcs2 = '1'", "a", "1"},
}};

// The topic item whose codes a sentence carries exactly, letter case included: a subtopic by both
// codes, any other topic by its main code. Nothing for codes that no item files under (a verb of
// a subtopic the menu does not list, say). This is how the database window names a record's topic.
std::optional<size_t> topicFiledAs(const QString& kulcs1, const QString& kulcs2);
// The topic a sentence counts under wherever topics are summed up (the exports, the learner's
// progress): as filed, letter case ignored as the topic menus' conditions ignore it, else a verb
// of an unlisted subtopic under the verbs as a whole.
std::optional<size_t> topicOf(const QString& kulcs1, const QString& kulcs2);

struct Level {
    const char* caption;
    const char* criterion;
    const char* label;
};

// Items 0-3 of the practice window's Level menu.
inline constexpr std::array<Level, 4> kLevels = {{
    {"&1", "Szint = 1", "1"},
    {"&2", "Szint = 2", "2"},
    {"&3", "Szint = 3", "3"},
    {"&1-3", "szint >= 1", "1-3"},
}};

// The special group behind the practice window's hidden shortcut.
inline constexpr const char* kSpecialCriterion = "kulcs2 = '9'";

}  // namespace store
