// Reading Aiken text.
#include "aiken_format.h"

#include <QRegularExpression>
#include <QStringList>

namespace importtool {

ForeignRead readAiken(const QString& text) {
    static const QRegularExpression option(QStringLiteral("^([A-Za-z])[.)]\\s+(.*)$"));
    static const QRegularExpression answer(QStringLiteral("^ANSWER\\s*:\\s*(.*)$"),
                                           QRegularExpression::CaseInsensitiveOption);
    ForeignRead read;
    std::optional<ForeignQuestion> current;
    QString letters;      // the letters of the answers so far
    bool broken = false;  // the current question is passed over; its ANSWER line ends it
    QString why;

    auto passOver = [&](const QString& reason) {
        if (!broken) why = reason;
        broken = true;
    };
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i + 1);
        const QString line = lines[i].trimmed();
        if (line.isEmpty()) continue;
        if (const QRegularExpressionMatch m = answer.match(line); m.hasMatch()) {
            if (!current) {
                read.skip(lineNo, QStringLiteral("an ANSWER line without a question before it"));
                continue;
            }
            const QString given = m.captured(1).trimmed().toUpper();
            // "A", "A.", "A)", "(A)", "A, C", "A C": the letters, whatever stands around them.
            static const QRegularExpression notALetter(QStringLiteral("[^A-Z]+"));
            QStringList rightLetters = given.split(notALetter, Qt::SkipEmptyParts);
            if (rightLetters.size() == 1 && rightLetters[0].size() > 1 &&
                rightLetters[0].size() <= 4)  // "AC"
                rightLetters = rightLetters[0].split(QString(), Qt::SkipEmptyParts);
            for (int k = 0; k < current->answers.size(); ++k)
                current->right.push_back(rightLetters.contains(QString(letters[k])));
            if (rightLetters.isEmpty()) passOver(QStringLiteral("the ANSWER line names no letter"));
            for (const QString& l : rightLetters)
                if (l.size() != 1 || !letters.contains(l))
                    passOver(
                        QStringLiteral("the ANSWER line names \"%1\", which is none of the answers").arg(l));
            if (broken)
                read.skip(current->line, why);
            else
                read.questions.push_back(*current);
            current.reset();
            continue;
        }
        if (const QRegularExpressionMatch m = option.match(line); m.hasMatch() && current) {
            const QChar letter = m.captured(1)[0];
            if (letter != QChar(static_cast<char16_t>(u'A' + letters.size())))
                passOver(QStringLiteral("the answer letters do not run A, B, C, D in order"));
            letters += letter.toUpper();
            current->answers << m.captured(2).trimmed();
            continue;
        }
        if (current && current->answers.isEmpty()) {
            passOver(QStringLiteral("the question goes on over more than one line; Aiken takes one line"));
            continue;
        }
        if (current) {
            // A new question while the last one still waits for its answer letter.
            read.skip(current->line, QStringLiteral("no ANSWER line after the answers"));
        }
        current = ForeignQuestion{};
        current->line = lineNo;
        current->stem = line;
        letters.clear();
        broken = false;
        why.clear();
    }
    if (current)
        read.fatal = QStringLiteral("line %1: the last question has no ANSWER line; the file seems cut off")
                         .arg(current->line);
    return read;
}

}  // namespace importtool
