// Comma-separated values as spreadsheets write them: fields in double quotes may hold commas,
// line breaks and doubled quotes.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace store {

struct CsvRecord {
    int line = 0;  // the line on which the record starts, from 1
    QStringList fields;
};

// Splits text into records; throws StoreError for a quote left open.
std::vector<CsvRecord> parseCsv(const QString& text);

// One line (without its line break), quoting the fields that need it.
QString csvLine(const QStringList& fields);

}  // namespace store
