// Moving the teaching material (test1) between a database of ours and a CSV file in the layout
// of the built-in material.
#pragma once

#include <QString>
#include <QStringList>

namespace importtool {

// Writes test1 of the database to the CSV file. An existing CSV file is refused unless `replace`
// is set, as is anything else at that name, a symbolic link included; then that name itself is
// replaced (a link is never written through), once the new text is complete. Throws ToolError.
void exportMaterialCsv(const QString& database, const QString& csv, bool replace);

// Checks every row of the CSV file and, if all are good, appends them in one transaction to the
// empty test1 of an existing database, or writes a new database when there is none. Throws
// ToolError listing every bad row (file, line, field) before anything is written. Returns the
// warnings: the temporary files of an earlier run that was ended while it wrote, removed.
QStringList importMaterialCsv(const QString& csv, const QString& database);

}  // namespace importtool
