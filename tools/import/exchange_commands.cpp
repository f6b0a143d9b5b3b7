// Files and databases for the exchange with course platforms; the formats themselves are in
// gift_format, aiken_format and moodle_xml.
#include "exchange_commands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <algorithm>
#include <map>
#include <memory>

#include "aiken_format.h"
#include "base/random_source.h"
#include "gift_format.h"
#include "moodle_xml.h"
#include "plain_failure.h"
#include "store/database.h"
#include "store/material.h"
#include "tool_error.h"
#include "tool_files.h"

namespace importtool {

namespace {

constexpr int kLargestSerial = 32767;

QString display(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString formatName(QuestionFormat format) {
    switch (format) {
        case QuestionFormat::Gift:
            return QStringLiteral("GIFT");
        case QuestionFormat::MoodleXml:
            return QStringLiteral("Moodle XML");
        case QuestionFormat::Aiken:
            return QStringLiteral("Aiken");
    }
    return {};
}

// Every sentence of test1 by serial number; one whose right letter is not A-D cannot be marked and
// is named in `warnings`.
std::vector<ExchangeSentence> storedSentences(store::Database& db, const QString& name,
                                              QStringList& warnings) {
    QSqlQuery q(db.db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral(
            "SELECT sorszam, szint, kulcs1, kulcs2, mondat, a, b, c, d, felelet1, felelet2 FROM test1 "
            "ORDER BY sorszam")))
        store::throwQueryError(q);
    std::vector<ExchangeSentence> sentences;
    while (q.next()) {
        ExchangeSentence s;
        s.serial = q.value(0).toInt();
        s.level = q.value(1).toInt();
        s.kulcs1 = q.value(2).toString();
        s.kulcs2 = q.value(3).toString();
        s.sentence = q.value(4).toString();
        for (int i = 0; i < 4; ++i) s.fillers[static_cast<size_t>(i)] = q.value(5 + i).toString();
        s.solution = q.value(9).toString();
        const QString letter = q.value(10).toString();
        const qsizetype right = letter.size() == 1 ? QStringLiteral("ABCD").indexOf(letter) : -1;
        if (right < 0) {
            warnings << QStringLiteral(
                            "%1: sentence %2 is left out: its right letter \"%3\" is not one of A, B, "
                            "C, D; correct it in the database window")
                            .arg(display(name))
                            .arg(s.serial)
                            .arg(letter);
            continue;
        }
        s.right = static_cast<int>(right);
        sentences.push_back(std::move(s));
    }
    return sentences;
}

// "lines 3, 9, 14 and 2 more"
QString lineList(const std::vector<int>& lines) {
    QStringList shown;
    for (size_t i = 0; i < lines.size() && i < 5; ++i) shown << QString::number(lines[i]);
    QString text = (lines.size() == 1 ? QStringLiteral("line ") : QStringLiteral("lines ")) +
                   shown.join(QStringLiteral(", "));
    if (lines.size() > 5) text += QStringLiteral(" and %1 more").arg(lines.size() - 5);
    return text;
}

}  // namespace

QStringList exportQuestions(const QString& database, const QString& file, QuestionFormat format,
                            bool replace) {
    checkExport(database, file, replace);
    QStringList warnings;
    std::vector<ExchangeSentence> sentences;
    try {
        store::Database db(database, true);
        sentences = storedSentences(db, database, warnings);
    } catch (const store::StoreError& e) {
        throw ToolError(plainFailure(database, e));
    }
    if (sentences.empty())
        throw ToolError(warnings +
                        QStringList{QStringLiteral("%1: there are no sentences to write; nothing has "
                                                   "been written")
                                        .arg(display(database))});
    const QByteArray bytes =
        format == QuestionFormat::MoodleXml ? writeMoodleXml(sentences) : writeGift(sentences).toUtf8();
    writeWholeFile(file, bytes);
    return warnings;
}

namespace {

// Where the new sentences go: the serial number after the largest there, and the rules the rows
// keep, which know the sentences there already. Null `db` for a database that does not exist yet.
int firstFreeSerial(store::Database* db, store::MaterialRules& rules) {
    if (!db) return 1;
    QSqlQuery q(db->db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT sorszam, mondat FROM test1"))) store::throwQueryError(q);
    int largest = 0;
    while (q.next()) {
        const int serial = q.value(0).toInt();
        rules.knowStored(serial, q.value(1).toString());
        largest = std::max(largest, serial);
    }
    return largest + 1;
}

ImportReport loadQuestions(const QString& file, const QString& database, QuestionFormat format) {
    const QString name = display(file);
    const QString nothing = QStringLiteral("%1: nothing has been written").arg(name);
    QString text;
    try {
        text = readTextFile(file, QStringLiteral("UTF-8"));
    } catch (const ToolError& e) {
        throw ToolError(e.lines() + QStringList{nothing});
    }
    const ForeignRead read = format == QuestionFormat::Aiken ? readAiken(text) : readGift(text);
    if (!read.fatal.isEmpty())
        throw ToolError(QStringList{name + QStringLiteral(": ") + read.fatal, nothing});

    base::RandomSource random;
    const bool isNew = !QFileInfo::exists(database);
    if (isNew) checkNewFile(database);
    try {
        std::unique_ptr<store::Database> db;
        if (!isNew) {
            const store::FileStatus status = store::Database::check(database);
            if (!status.ok())
                throw ToolError(QStringList{
                    QStringLiteral("%1: %2").arg(display(database), describeStatus(status)), nothing});
            db = std::make_unique<store::Database>(database);
        }
        store::MaterialRules rules;
        const int first = firstFreeSerial(db.get(), rules);

        // Judge every question as a question, then as a row of ours (the same rules as every other
        // way in); what is passed over is listed in the order of the file.
        ImportReport report;
        std::vector<ExchangeSentence> sentences;
        std::map<int, QString> skipped = read.skipped;
        std::map<QString, std::vector<int>> unknownCategories;
        std::vector<int> noCategory, noLevel;
        for (const ForeignQuestion& question : read.questions) {
            const Judged judged = judge(question);
            if (!judged.sentence) {
                skipped[question.line] = judged.skipped;
                continue;
            }
            ExchangeSentence sentence = *judged.sentence;
            sentence.serial = first + static_cast<int>(sentences.size());
            const QString where = QStringLiteral("line %1").arg(question.line);
            if (const QStringList problems = rules.judge(toMaterialFields(sentence), where);
                !problems.isEmpty()) {
                skipped[question.line] = where + QStringLiteral(": ") + problems.join(QStringLiteral("; "));
                continue;
            }
            sentences.push_back(sentence);
            if (!judged.unknownCategory.isEmpty())
                unknownCategories[judged.unknownCategory].push_back(question.line);
            if (judged.noCategory) noCategory.push_back(question.line);
            if (judged.noLevel) noLevel.push_back(question.line);
        }
        for (const auto& [line, why] : skipped)
            report.warnings << QStringLiteral("%1: %2; passed over").arg(name, why);
        if (sentences.empty())
            throw ToolError(
                report.warnings +
                QStringList{QStringLiteral("%1: no multiple-choice question with four answers and one "
                                           "right answer was left to take; nothing has been written")
                                .arg(name)});
        for (const auto& [category, lines] : unknownCategories)
            report.warnings << QStringLiteral(
                                   "%1: the category \"%2\" (%3) is none of the topics; its sentences are "
                                   "filed under %4; change their topic in the database window")
                                   .arg(name, category, lineList(lines), defaultTopicName());
        if (!noCategory.empty())
            report.warnings << QStringLiteral(
                                   "%1: %2 question(s) stand in no category (%3); they are filed under %4")
                                   .arg(name)
                                   .arg(noCategory.size())
                                   .arg(lineList(noCategory), defaultTopicName());
        if (!noLevel.empty())
            report.warnings << QStringLiteral(
                                   "%1: %2 question(s) have no level tag such as level-2 (%3); they get "
                                   "level 1")
                                   .arg(name)
                                   .arg(noLevel.size())
                                   .arg(lineList(noLevel));

        const int last = first + static_cast<int>(sentences.size()) - 1;
        if (last > kLargestSerial)
            throw ToolError(
                QStringList{QStringLiteral("%1: the serial numbers would run past %2 (up to %3); delete "
                                           "sentences or use a new database")
                                .arg(display(database))
                                .arg(kLargestSerial)
                                .arg(last),
                            nothing});
        std::vector<store::MaterialRow> rows;
        for (const ExchangeSentence& sentence : sentences) rows.push_back(toMaterialRow(sentence));
        if (isNew)
            store::createDatabaseFile(database, rows, random);
        else
            store::insertMaterial(*db, rows, random);
        report.summary = QStringLiteral("%1: %2 sentence(s) from %3 (%4) added as serial numbers %5-%6")
                             .arg(display(database))
                             .arg(sentences.size())
                             .arg(name, formatName(format))
                             .arg(first)
                             .arg(last);
        return report;
    } catch (const store::StoreError& e) {
        throw ToolError(QStringList{plainFailure(database, e), nothing});
    }
}

}  // namespace

ImportReport importQuestions(const QString& file, const QString& database, QuestionFormat format) {
    // Said first, whatever becomes of this run.
    const QStringList leftovers = leftoversRemoved(store::removeUnfinishedFile(database));
    try {
        ImportReport report = loadQuestions(file, database, format);
        report.warnings = leftovers + report.warnings;
        return report;
    } catch (const ToolError& e) {
        throw ToolError(leftovers + e.lines());
    }
}

}  // namespace importtool
