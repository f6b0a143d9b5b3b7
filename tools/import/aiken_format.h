// Aiken, the simplest question format of course platforms: a question on one line, its answers
// on the lines after it ("A. ...", "B) ..."), and "ANSWER: B".
#pragma once

#include <QString>

#include "exchange_sentence.h"

namespace importtool {

// Every question of an Aiken text. A last question without its ANSWER line means the file was cut
// off: `fatal`.
ForeignRead readAiken(const QString& text);

}  // namespace importtool
