// The commands that exchange sentences with course platforms: every sentence of a database out as
// GIFT or Moodle XML, and multiple-choice questions from GIFT or Aiken in as new sentences.
#pragma once

#include <QString>
#include <QStringList>

namespace importtool {

enum class QuestionFormat { Gift, MoodleXml, Aiken };

// Writes every sentence of test1 to the file in the format (GIFT or Moodle XML). An existing file
// is refused unless `replace` is set; then it is replaced whole, once the new text is complete.
// Returns the warnings (sentences that could not be written); throws ToolError.
QStringList exportQuestions(const QString& database, const QString& file, QuestionFormat format,
                            bool replace);

struct ImportReport {
    QStringList warnings;  // questions passed over, and what was assumed for the others
    QString summary;       // how many sentences went in, under which serial numbers
};

// Reads the file (GIFT or Aiken) and appends every multiple-choice question with four answers and
// one right one to test1, in one transaction, with serial numbers after the largest there; a
// database that does not exist is created. A file that cannot be read as a whole (not UTF-8, cut
// off), or one without a question that can be taken, writes nothing and throws ToolError.
ImportReport importQuestions(const QString& file, const QString& database, QuestionFormat format);

}  // namespace importtool
