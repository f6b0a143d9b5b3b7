// One sentence of ours on its way to a course platform, one multiple-choice question on its way
// back, and the rules that turn the one into the other: the gap, the topic by category name, the
// level and the special group by tags.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <optional>
#include <vector>

#include "store/material.h"

namespace importtool {

struct ExchangeSentence {
    int serial = 0;
    int level = 1;
    QString kulcs1, kulcs2;
    QString sentence;  // with its gap "..."
    std::array<QString, 4> fillers;
    int right = 0;     // 0-3: the filler marked right, A-D
    QString solution;  // the completed sentence, optionally " — " and a note
};

// A question as a course platform file holds it, before it is judged.
struct ForeignQuestion {
    int line = 0;      // where the question starts
    QString kind;      // empty for multiple choice; otherwise what it is ("a true/false question")
    QString category;  // the category it stands in, as written; empty when the file has none
    QString title;
    QString stem;            // the question text; in the missing-word form with "..." where the answers stood
    bool gapMarked = false;  // the answers stood inside the text (missing-word form)
    QStringList answers;
    std::vector<bool> right;
    int partialAnswers = 0;  // answers worth only some of the marks
    QStringList tags;
    QString generalFeedback;
};

// What a reader made of a file: the questions, the blocks it passed over ("line 12: why"), and a
// reason why the file as a whole cannot be taken (cut off, not text), which stops everything.
struct ForeignRead {
    std::vector<ForeignQuestion> questions;
    std::map<int, QString> skipped;  // by line
    QString fatal;
    void skip(int line, const QString& why) {
        skipped[line] = QStringLiteral("line %1: %2").arg(line).arg(why);
    }
};

// The text of a file as UTF-8; the line of the first byte that is not UTF-8 otherwise. A text
// never holds a NUL character: the line of the first one is given too.
struct DecodedText {
    QString text;
    int badLine = 0;  // 0: all good
    int nulLine = 0;  // 0: no NUL character
};
DecodedText decodeUtf8(const QByteArray& bytes);

// The category name of a sentence's topic (English, from the topic table), and its tags: the level
// ("level-2") and, for the special group, "special".
QString topicName(const ExchangeSentence& sentence);
// The category names of all topics, in the order of the topic table.
QStringList topicNames();
// The sentences grouped by topic: the topics in the order of the topic table, the sentences of
// each by serial number.
using TopicGroup = std::pair<QString, std::vector<const ExchangeSentence*>>;
std::vector<TopicGroup> groupedByTopic(const std::vector<ExchangeSentence>& sentences);
QStringList sentenceTags(const ExchangeSentence& sentence);
// The sentence with its gap shown as a blank line, as a course platform shows it.
QString stemWithBlank(const QString& sentence);
inline const QString kBlank = QStringLiteral("_____");

// A question judged as a question: the sentence it becomes (serial not yet given) with what had to
// be assumed, or why it is passed over. Whether that sentence can be stored is for the rules every
// row keeps (store::MaterialRules): a text without a gap is kept whole here and refused there.
struct Judged {
    std::optional<ExchangeSentence> sentence;
    QString skipped;          // "line 12: ..." when it is not taken
    bool noLevel = false;     // no level tag: level 1
    bool noCategory = false;  // no category: the default topic
    QString unknownCategory;  // a category that names none of our topics: the default topic
};
Judged judge(const ForeignQuestion& question);
// The topic a question without a known category is filed under.
QString defaultTopicName();

store::MaterialRow toMaterialRow(const ExchangeSentence& sentence);
// The sentence as the fields of a CSV row, in store::materialColumns() order.
QStringList toMaterialFields(const ExchangeSentence& sentence);

}  // namespace importtool
