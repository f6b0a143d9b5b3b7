// Comma-separated values as spreadsheets write them: fields in double quotes may hold commas,
// line breaks and doubled quotes.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace store {

struct CsvRecord {
    int line = 0;  // the line on which the record starts, from 1
    QStringList fields;
};

// Hands each record of text to `take` as soon as it is complete, so that a caller keeps only
// what it needs of each; throws StoreError for a quote left open (after the records before it).
void forEachCsvRecord(const QString& text, const std::function<void(CsvRecord&&)>& take);
// Splits text into records; throws StoreError for a quote left open.
std::vector<CsvRecord> parseCsv(const QString& text);

// One line (without its line break), quoting the fields that need it.
QString csvLine(const QStringList& fields);

}  // namespace store
