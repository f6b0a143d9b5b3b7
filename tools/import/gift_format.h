// GIFT, the plain-text question format of course platforms: our sentences written as
// multiple-choice questions, and questions of any kind read back for judging.
#pragma once

#include <QString>
#include <vector>

#include "exchange_sentence.h"

namespace importtool {

// A piece of text with GIFT's special characters ~ = # { } : and the backslash escaped, and line
// breaks written as \n.
QString giftEscaped(const QString& text);

// The sentences as GIFT text: one category per topic, in the order of the topic table, each
// sentence a question with its gap as a blank line, the four fillers with the right one marked,
// the solution as general feedback and the level (and the special group) as tags.
QString writeGift(const std::vector<ExchangeSentence>& sentences);

// Every question block of a GIFT text, with the category it stands in. A file cut off inside a
// question (answers or an escape left open at its end) is `fatal`.
ForeignRead readGift(const QString& text);

}  // namespace importtool
