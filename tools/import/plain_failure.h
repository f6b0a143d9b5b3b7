// The tool's failures in plain English: every line names the file, says what went wrong in words
// (never the database engine's own text) and what to do about it.
#pragma once

#include <QString>

#include "store/database.h"
#include "store/store_error.h"

namespace importtool {

// The line for a store error met while working on `file`: for a failure of the engine, what its
// result code means; for the store's own errors, their words.
QString plainFailure(const QString& file, const store::StoreError& error);

// What the start-up check of a database file found, in words for the command line (the engine's
// own words left out); empty when the file is fine.
QString describeStatus(const store::FileStatus& status);

// Refuses, with a ToolError naming `path`, a place where a new file cannot be written: a file
// that is there already, or a folder that is missing or may not be written.
void checkNewFile(const QString& path);

}  // namespace importtool
