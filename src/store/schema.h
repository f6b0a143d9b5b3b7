// The tables of the database file, their fields and types, and the statements that create them.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <vector>

namespace store {

enum class FieldType { Integer, Text };

struct Fields {
    QString table;
    QStringList names;
    std::vector<FieldType> types;
    // Position of a field, letter case ignored; -1 if there is none.
    int indexOf(const QString& name) const;
    int count() const { return static_cast<int>(names.size()); }
};

const Fields&
test1Fields();  // sorszam, sorrend, sorrend2, szint, kulcs1, kulcs2, mondat, a-d, felelet1, felelet2
const Fields& hiba1Fields();  // hiba, mondat, a-d, felelet1, felelet2
// The fields of a table named in any letter case; throws StoreError for another name.
const Fields& fieldsOf(const QString& table);

// Marks our files: "PQES" in SQLite's application id, and the layout version (user_version).
// Version 2 adds the indexes of the practice window's selections, version 3 the history of test
// runs (test_runs and test_answers, see progress/run_history.h), version 4 the sentences'
// identities (table sentences, kept by triggers on test1) that the history refers to, version 5
// the learner's memory of each sentence (memory_states, answer_log, memory_settings).
constexpr int kApplicationId = 0x50514553;
constexpr int kSchemaVersion = 5;

// The triggers the program makes in its files (all named with the prefix plurquiz_); a file
// holding any other trigger was changed by something else.
const QStringList& ownTriggers();
constexpr const char* kOwnTriggerPrefix = "plurquiz_";

// Whether the file has sentence identities (layout 4 or later): a file that could not be
// upgraded (a read-only one) knows its sentences only by their serials.
bool hasSentenceIdentities(QSqlDatabase& db);

// Creates test1, hiba1 and the history tables, their indexes and the placeholder row of hiba1 in
// an empty database.
// Serial numbers are limited to 1-32767 unless `limitSerials` is false (only for benchmarks on
// tables larger than the program will ever hold).
void createSchema(QSqlDatabase& db, bool limitSerials = true);

// Brings a file of ours with an older layout up to kSchemaVersion in one transaction, adding
// what the later versions add; no row of test1 or hiba1 changes. Returns whether it changed the
// file: one that is not ours, or is current or newer, is left alone. Throws StoreError when the
// file cannot be changed (read-only, locked, damaged); it is then as it was.
bool upgradeSchema(QSqlDatabase& db);

// Whether the file is ours and of a later layout than this program knows: it is read, never written.
bool isLaterLayout(QSqlDatabase& db);
// The triggers and views in the file that the program did not make, as "trigger NAME" and
// "view NAME": code that would run when the program writes, or a view answering in place of a
// table. The program's own carry the prefix "plurquiz_".
QStringList foreignSchemaObjects(QSqlDatabase& db);

// The ORDER BY clause of a table's natural order.
QString naturalOrder(const Fields& fields);
// The fields of that order, most significant first (none for an order of storage).
std::vector<int> naturalOrderFields(const Fields& fields);

}  // namespace store
