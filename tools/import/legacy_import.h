// Taking over an old Jet file: read and check it whole, then write a new database of ours.
#pragma once

#include <QString>

#include "legacy_rows.h"

namespace importtool {

// Reads test1 and hiba1 of the Jet file and writes them to a new database at `target`, built
// under a temporary name beside it and renamed into place once complete. The source is only
// read. Throws ToolError with one line naming the file; then neither the target nor the
// temporary file is left behind. A hiba1 that cannot be read does not stop the sentences: the
// new log starts with its placeholder alone, and the warning line that says so is returned.
QStringList importLegacyFile(const QString& source, const QString& target);

// The writing half: a new database at `target` (which must not exist) holding exactly these rows.
void writeLegacyDatabase(const QString& target, const Rows& test1, const Rows& hiba1);

}  // namespace importtool
