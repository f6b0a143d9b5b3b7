// The history as a CSV file a spreadsheet opens: UTF-8, one header line, one line per answer with
// the columns of its run (README.md lists them).
#pragma once

#include <QString>
#include <functional>

namespace store {
class Database;
}

namespace progress {

// The header line's column names, in order.
QStringList historyCsvColumns();

// Writes the whole history to `path`, replacing the file only once everything is written; returns
// the number of lines after the header. `topicName` names an item of the topic menu (-1: none).
// Throws StoreError when the history cannot be read or the file cannot be written; the file at
// `path` is then as it was.
int exportHistoryCsv(store::Database& db, const QString& path, const std::function<QString(int)>& topicName);

}  // namespace progress
