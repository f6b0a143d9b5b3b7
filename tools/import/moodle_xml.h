// Moodle XML, the question format that keeps everything a course platform knows about a
// question: our sentences written as multiple-choice questions, one category per topic.
#pragma once

#include <QByteArray>
#include <vector>

#include "exchange_sentence.h"

namespace importtool {

// The sentences as a Moodle XML document (UTF-8): a category question before each topic's
// sentences, then per sentence a multichoice question with its name, the text with the gap as a
// blank line, the solution as general feedback, one right answer (fraction 100) and three wrong
// ones (fraction 0) in the order A-D, and the level as a tag.
QByteArray writeMoodleXml(const std::vector<ExchangeSentence>& sentences);

}  // namespace importtool
