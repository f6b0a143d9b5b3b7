// The teaching material as a table of rows: read from and written to the CSV layout of the built-in
// material, checked row by row, and poured into a new database file.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

#include "base/random_source.h"
#include "database.h"

namespace store {

// The mark of a gap in a sentence, and what separates the completed sentence of a solution from
// its grammatical note.
inline const QString kGapMark = QStringLiteral("...");
inline const QString kNoteMark = QStringLiteral(" — ");

// The sentence with its first gap filled by `filler`; a sentence without a gap comes back as it is.
QString completedSentence(const QString& sentence, const QString& filler);
// A solution without its grammatical note: what comes before " — ".
QString solutionWithoutNote(const QString& solution);
// The completed sentence of a record, as it is read out: the gap filled with the filler of the
// right letter (A-D); where that cannot be done (no gap, no such letter), the solution without its
// note.
QString sentenceToSay(const QString& sentence, const QStringList& fillers, const QString& letter,
                      const QString& solution);

// The CSV columns, in order: sorszam,szint,kulcs1,kulcs2,mondat,a,b,c,d,felelet1,felelet2.
const QStringList& materialColumns();

struct MaterialRow {
    int line = 0;                  // CSV line it came from (0 when it came from elsewhere)
    std::vector<QVariant> values;  // in materialColumns() order; empty fields are null
};

struct MaterialRead {
    std::vector<MaterialRow> rows;
    QStringList problems;  // "line 12, field szint: ..." for each bad row; empty when all is well
    bool ok() const { return problems.isEmpty(); }
};

// The rules every sentence of the material keeps, checked on one row of CSV fields in
// materialColumns() order: sorszam a whole number 1-32767, szint 1-3, one-character topic codes,
// exactly one gap "..." in mondat, four different fillers without blanks around them, felelet2 a
// capital A-D, felelet1 the completed sentence optionally followed by " — " and a note, and no
// letters that a wrong code page leaves behind, and every field within its limit (field_limits.h)
// and without a NUL character. Each broken rule comes back as "field X: why".
QStringList materialRowProblems(const QStringList& fields);

// Judges the rows of one import, one after another, by the same rules whatever the file's format:
// each row by materialRowProblems, and across rows that no serial number or sentence comes twice,
// counting those already in the database the rows go into.
class MaterialRules {
public:
    // A serial number and sentence the database holds already.
    void knowStored(int serial, const QString& sentence);
    // The problems of a row (fields in materialColumns() order) that stands at `where` ("line 12"),
    // each "field X: why"; empty when it can be stored.
    QStringList judge(const QStringList& fields, const QString& where);

private:
    QHash<int, QString> serials_;        // serial number -> where it is used
    QHash<QString, QString> sentences_;  // sentence -> where it stands
};

// Parses CSV text in the material layout and judges every row by MaterialRules; text without any
// row is refused as well.
MaterialRead readMaterialCsv(const QString& text);
// The built-in material compiled into the program.
MaterialRead builtInMaterial();

// The rows of test1 as CSV text in the material layout, ordered by serial number.
QString materialCsv(Database& db);

// Sorrend2 values for n rows: spread evenly over 1-3000, in random order.
std::vector<int> spreadOrder(int n, base::RandomSource& random);

// Replaces nothing: appends the rows to test1 (sorrend = sorszam, sorrend2 spread evenly) in
// one transaction.
void insertMaterial(Database& db, const std::vector<MaterialRow>& rows, base::RandomSource& random);

// Writes a complete new database file at `path` from the rows: built beside it under a temporary
// name (path + ".new") and renamed into place only when complete. Throws StoreError; leaves nothing
// on failure.
void createDatabaseFile(const QString& path, const std::vector<MaterialRow>& rows,
                        base::RandomSource& random);
// Removes what a createDatabaseFile for `path` that was ended while it wrote left behind (the
// temporary file and its journal); returns the files removed.
QStringList removeUnfinishedFile(const QString& path);

}  // namespace store
