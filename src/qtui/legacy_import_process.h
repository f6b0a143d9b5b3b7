// Runs the importer of old .mdb files as a separate process, so that a damaged file cannot take
// the program down, showing progress while it works.
#pragma once

#include <QString>

#include "app/legacy_importer.h"

namespace qtui {

// The program's importer: plurquiz-import at `toolPath`, with a progress window that appears if
// the import takes more than a moment.
app::LegacyImporter importerWithProgress(const QString& toolPath);

}  // namespace qtui
