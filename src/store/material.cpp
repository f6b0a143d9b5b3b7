// Reading, checking and storing the teaching material.
#include "material.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSqlQuery>
#include <algorithm>
#include <array>
#include <optional>

#include "csv.h"
#include "field_limits.h"
#include "store_error.h"

namespace store {

const QStringList& materialColumns() {
    static const QStringList columns = {"sorszam", "szint", "kulcs1", "kulcs2",   "mondat",  "a",
                                        "b",       "c",     "d",      "felelet1", "felelet2"};
    return columns;
}

namespace {

enum Column { Sorszam, Szint, Kulcs1, Kulcs2, Mondat, A, B, C, D, Felelet1, Felelet2, ColumnCount };

const QString& kGap = kGapMark;

int gapCount(const QString& sentence) {
    int count = 0;
    for (qsizetype at = sentence.indexOf(kGap); at >= 0; at = sentence.indexOf(kGap, at + kGap.size()))
        ++count;
    return count;
}

QString quoted(const QString& value) {
    return u'"' + value + u'"';
}

// The whole number in `text`, if it is one within low-high.
std::optional<int> numberIn(const QString& text, int low, int high) {
    bool isNumber = false;
    const int n = text.trimmed().toInt(&isNumber);
    if (!isNumber || n < low || n > high) return std::nullopt;
    return n;
}

}  // namespace

QString completedSentence(const QString& sentence, const QString& filler) {
    const qsizetype at = sentence.indexOf(kGap);
    return at < 0 ? sentence : QString(sentence).replace(at, kGap.size(), filler);
}

QString solutionWithoutNote(const QString& solution) {
    const qsizetype at = solution.indexOf(kNoteMark);
    return (at < 0 ? solution : solution.left(at)).trimmed();
}

QString sentenceToSay(const QString& sentence, const QStringList& fillers, const QString& letter,
                      const QString& solution) {
    const qsizetype right = letter.size() == 1 ? QStringLiteral("ABCD").indexOf(letter) : -1;
    if (sentence.contains(kGap) && right >= 0 && right < fillers.size() && !fillers[right].isEmpty())
        return completedSentence(sentence, fillers[right]).trimmed();
    const QString withoutNote = solutionWithoutNote(solution);
    return withoutNote.isEmpty() ? sentence.trimmed() : withoutNote;
}

QStringList materialRowProblems(const QStringList& f) {
    QStringList problems;
    const QStringList& names = materialColumns();
    std::array<bool, ColumnCount> reported{};
    auto bad = [&](int column, const QString& why) {
        problems << QStringLiteral("field %1: %2").arg(names[column], why);
        reported[static_cast<size_t>(column)] = true;
    };
    if (f.size() != ColumnCount) {
        problems << QStringLiteral("%1 fields instead of %2").arg(f.size()).arg(ColumnCount);
        return problems;
    }
    if (!numberIn(f[Sorszam], 1, 32767))
        bad(Sorszam, QStringLiteral("%1 is not a whole number from 1 to 32767").arg(quoted(f[Sorszam])));
    if (!numberIn(f[Szint], 1, 3))
        bad(Szint, QStringLiteral("%1 is not a level from 1 to 3").arg(quoted(f[Szint])));
    for (int column : {Kulcs1, Kulcs2})
        if (f[column].size() != 1 || f[column].trimmed().isEmpty())
            bad(column, QStringLiteral("%1 is not a topic code of one character").arg(quoted(f[column])));

    const QString& sentence = f[Mondat];
    const int gaps = gapCount(sentence);
    if (sentence.contains(QChar(0x2026)))
        bad(Mondat,
            QStringLiteral("the gap is the one character \"…\"; write it as three full stops \"...\""));
    else if (gaps == 0)
        bad(Mondat, QStringLiteral("the sentence has no gap; mark the missing word with \"...\""));
    else if (gaps > 1)
        bad(Mondat, QStringLiteral("the sentence has %1 gaps; it must have exactly one \"...\"").arg(gaps));

    bool fillersGood = true;
    for (int column = A; column <= D; ++column) {
        if (f[column].trimmed().isEmpty()) {
            bad(column, QStringLiteral("the filler is empty"));
            fillersGood = false;
        } else if (f[column] != f[column].trimmed()) {
            bad(column, QStringLiteral("%1 begins or ends with a blank").arg(quoted(f[column])));
            fillersGood = false;
        } else {
            for (int earlier = A; earlier < column; ++earlier) {
                if (f[earlier] != f[column]) continue;
                bad(column, QStringLiteral("%1 is the same as field %2; the four fillers must differ")
                                .arg(quoted(f[column]), names[earlier]));
                fillersGood = false;
                break;
            }
        }
    }

    const QString& letter = f[Felelet2];
    const bool letterGood = letter.size() == 1 && QStringLiteral("ABCD").contains(letter);
    if (!letterGood)
        bad(Felelet2, QStringLiteral("%1 is not one of the capital letters A, B, C, D").arg(quoted(letter)));

    // The solution can only be checked against a sentence, fillers and letter that are good.
    const QString& solution = f[Felelet1];
    if (gaps == 1 && fillersGood && letterGood) {
        const QString right = f[A + (letter[0].unicode() - u'A')];
        const QString completed = QString(sentence).replace(sentence.indexOf(kGap), kGap.size(), right);
        const QString rest = solution.mid(completed.size());
        if (!solution.startsWith(completed))
            bad(Felelet1,
                QStringLiteral("does not begin with the completed sentence %1").arg(quoted(completed)));
        else if (!rest.isEmpty() && !(rest.startsWith(kNoteMark) && rest.size() > kNoteMark.size() + 1))
            bad(Felelet1,
                QStringLiteral("after the completed sentence only \" — \" and a short note may follow"));
    }

    // What every stored value keeps (its length, no NUL), where no other rule has spoken yet.
    for (int column = Kulcs1; column < ColumnCount; ++column)
        if (const QString why = fieldValueProblem(names[column], f[column]);
            !why.isEmpty() && !reported[static_cast<size_t>(column)])
            bad(column, why);

    // Said once for the row: a wrong code page spoils every field it touches.
    for (int column = Mondat; column <= Felelet1; ++column) {
        if (!f[column].contains(QChar(0xFFFD)) && !f[column].contains(QStringLiteral("Ã"))) continue;
        bad(column,
            QStringLiteral("holds letters that a wrong code page leaves behind (Ã or �); save the file "
                           "again as CSV UTF-8"));
        break;
    }
    return problems;
}

namespace {

// Checks one record of the material and keeps it as a row, or its problems.
void takeMaterialRecord(const CsvRecord& rec, MaterialRules& rules, MaterialRead& result) {
    const QStringList problems = rules.judge(rec.fields, QStringLiteral("line %1").arg(rec.line));
    for (const QString& problem : problems)
        result.problems << QStringLiteral("line %1%2%3")
                               .arg(rec.line)
                               .arg(problem.startsWith(QLatin1String("field ")) ? QStringLiteral(", ")
                                                                                : QStringLiteral(": "))
                               .arg(problem);
    if (!problems.isEmpty()) return;
    MaterialRow row{rec.line, {}};
    row.values.reserve(rec.fields.size());
    for (const QString& value : rec.fields)
        row.values.push_back(value.isEmpty() ? QVariant() : QVariant(value));
    row.values[Sorszam] = *numberIn(rec.fields[Sorszam], 1, 32767);
    row.values[Szint] = *numberIn(rec.fields[Szint], 1, 3);
    result.rows.push_back(std::move(row));
}

}  // namespace

void MaterialRules::knowStored(int serial, const QString& sentence) {
    serials_.insert(serial, QStringLiteral("in the database"));
    if (!sentence.isEmpty())
        sentences_.insert(sentence, QStringLiteral("in the database as serial number %1").arg(serial));
}

// A row that is refused is not there for the rows after it: only a good row takes its serial
// number and its sentence.
QStringList MaterialRules::judge(const QStringList& fields, const QString& where) {
    QStringList problems = materialRowProblems(fields);
    if (fields.size() != ColumnCount) return problems;
    const std::optional<int> serial = numberIn(fields[Sorszam], 1, 32767);
    if (serial && serials_.contains(*serial))
        problems << QStringLiteral("field sorszam: %1 is used %2").arg(*serial).arg(serials_[*serial]);
    const QString& sentence = fields[Mondat];
    if (sentences_.contains(sentence))
        problems << QStringLiteral("field mondat: the same sentence is %1").arg(sentences_[sentence]);
    if (problems.isEmpty()) {
        serials_.insert(*serial, QStringLiteral("by ") + where);
        sentences_.insert(sentence, QStringLiteral("on ") + where);
    }
    return problems;
}

// Each record is checked and turned into a row as the text is read, so that only the rows are
// kept (the material is read at every first start, before the launcher shows).
MaterialRead readMaterialCsv(const QString& text) {
    MaterialRead result;
    MaterialRules rules;
    int records = 0;
    bool headerWrong = false;
    const auto take = [&](CsvRecord&& rec) {
        if (headerWrong) return;
        if (records++ == 0) {
            QStringList header = rec.fields;
            if (!header.isEmpty()) header.first().remove(QChar(0xFEFF));
            for (QString& h : header) h = h.trimmed();
            if (header.join(u',').compare(materialColumns().join(u','), Qt::CaseInsensitive) != 0) {
                result.problems << QStringLiteral("line %1: the header must be \"%2\"")
                                       .arg(rec.line)
                                       .arg(materialColumns().join(u','));
                headerWrong = true;
            }
            return;
        }
        takeMaterialRecord(rec, rules, result);
    };
    try {
        forEachCsvRecord(text, take);
    } catch (const StoreError& e) {
        result.rows.clear();
        result.problems.clear();
        result.problems << e.message();
        return result;
    }
    if (headerWrong) return result;
    if (records == 0)
        result.problems << QStringLiteral("line 1: the header line is missing");
    else if (records == 1)
        result.problems << QStringLiteral("line 2: there are no sentences after the header line");
    return result;
}

MaterialRead builtInMaterial() {
    QFile file(QStringLiteral(":/data/material.csv"));
    if (!file.open(QIODevice::ReadOnly)) {
        MaterialRead read;
        read.problems << QStringLiteral("The built-in material is missing from the program.");
        return read;
    }
    return readMaterialCsv(QString::fromUtf8(file.readAll()));
}

QString materialCsv(Database& db) {
    QSqlQuery q(db.db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1 FROM test1 ORDER BY sorszam").arg(materialColumns().join(u','))))
        throwQueryError(q);
    QString out = materialColumns().join(u',') + u'\n';
    while (q.next()) {
        QStringList fields;
        for (int i = 0; i < materialColumns().size(); ++i)
            fields << (q.isNull(i) ? QString() : q.value(i).toString());
        out += csvLine(fields) + u'\n';
    }
    return out;
}

std::vector<int> spreadOrder(int n, base::RandomSource& random) {
    std::vector<int> values;
    values.reserve(static_cast<size_t>(std::max(n, 0)));
    for (int i = 0; i < n; ++i) values.push_back(static_cast<int>((i + 0.5) * 3000.0 / n) + 1);
    // Fisher-Yates with the program's own random source.
    for (int i = n - 1; i > 0; --i)
        std::swap(values[static_cast<size_t>(i)], values[static_cast<size_t>(random.draw1ToN(i + 1) - 1)]);
    return values;
}

void insertMaterial(Database& db, const std::vector<MaterialRow>& rows, base::RandomSource& random) {
    const std::vector<int> order = spreadOrder(static_cast<int>(rows.size()), random);
    Database::Transaction transaction(db);
    QSqlQuery q(db.db());
    q.prepare(QStringLiteral(
        "INSERT INTO test1 (sorszam, sorrend, sorrend2, szint, kulcs1, kulcs2, mondat, a, b, c, d, "
        "felelet1, felelet2) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (size_t r = 0; r < rows.size(); ++r) {
        const auto& v = rows[r].values;
        q.addBindValue(v[0]);
        q.addBindValue(v[0]);
        q.addBindValue(order[r]);
        for (size_t i = 1; i < v.size(); ++i) q.addBindValue(v[i]);
        if (!q.exec()) throwQueryError(q);
    }
    transaction.commit();
}

QStringList removeUnfinishedFile(const QString& path) {
    QStringList removed;
    const QString temp = path + QStringLiteral(".new");
    for (const QString& leftover : {temp, temp + QStringLiteral("-journal")})
        if ((QFileInfo::exists(leftover) || QFileInfo(leftover).isSymLink()) && QFile::remove(leftover))
            removed << leftover;
    return removed;
}

void createDatabaseFile(const QString& path, const std::vector<MaterialRow>& rows,
                        base::RandomSource& random) {
    const QString temp = path + QStringLiteral(".new");
    removeUnfinishedFile(path);
    try {
        Database::create(temp);
        {
            Database db(temp);
            insertMaterial(db, rows, random);
        }
        if (QFileInfo::exists(path))
            throw StoreError(QStringLiteral("The file %1 exists already.").arg(path));
        if (!QFile::rename(temp, path))
            throw StoreError(QStringLiteral("The file %1 cannot be written.").arg(path));
    } catch (...) {
        removeUnfinishedFile(path);
        throw;
    }
}

}  // namespace store
