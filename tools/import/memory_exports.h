// The learner's memory out of a database, for a spreadsheet or a study of one's own: the state of
// every sentence answered, and every answer logged (README.md lists the columns).
#pragma once

#include <QString>

namespace importtool {

// Writes one line per sentence with a memory to the CSV file. An existing file is refused unless
// `replace` is set; a file without a memory (of an older layout, which the tool only reads) is
// refused in words. Throws ToolError; the CSV file is then as it was.
void exportMemoryCsv(const QString& database, const QString& csv, bool replace);

// Writes one line per logged answer, in the order they were given; otherwise as above.
void exportAnswersCsv(const QString& database, const QString& csv, bool replace);

}  // namespace importtool
