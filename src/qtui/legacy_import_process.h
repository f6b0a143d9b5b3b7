// Runs the importer of old .mdb files as a separate process, so that a damaged file cannot take
// the program down, showing progress while it works.
#pragma once

#include <QString>

namespace qtui {

// Returns an empty string on success, else the importer's reason.
QString importInSeparateProcess(const QString& mdbPath, const QString& targetPath, const QString& progressText);

}  // namespace qtui
