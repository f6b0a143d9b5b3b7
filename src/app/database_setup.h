// Where the database file lives and how it comes to be there: found, taken over from an old
// .mdb file beside the program, or created from the built-in material. Each problem comes back
// as a value the launcher turns into one message.
#pragma once

#include <QString>
#include <functional>

#include "forms/platform.h"
#include "store/database.h"

namespace app {

// The program folder's st_data.sqlite, unless that folder cannot be written and holds no such
// file: then the same name in the user's application-data folder.
QString databasePathFor(const QString& appFolder, const QString& appDataDir);

struct SetupOutcome {
    store::Problem problem = store::Problem::None;
    QString path;
    QString detail;
    bool importFailed = false;
    bool ok() const { return problem == store::Problem::None && !importFailed; }
    QString message(int langBase) const;
    forms::MsgIcon icon() const;
};

// Takes over an old .mdb file into a new database file; returns an empty string on success,
// else the reason. Set by the program (it runs the import in a separate process).
using LegacyImporter =
    std::function<QString(const QString& mdbPath, const QString& targetPath, const QString& progressText)>;
void setLegacyImporter(LegacyImporter importer);

// Makes sure the file at `path` exists (importing st_data.mdb from `appFolder`, else from the
// built-in material) and checks it. Never overwrites or deletes an existing file.
SetupOutcome setUpDatabase(const QString& path, const QString& appFolder, int langBase);

}  // namespace app
