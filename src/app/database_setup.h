// Where the database file lives and how it comes to be there: found, taken over from an old
// .mdb file beside the program, or created from the built-in material. Each problem comes back
// as a value the launcher turns into one message.
#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "forms/platform.h"
#include "legacy_importer.h"
#include "store/database.h"

namespace app {

// The program folder's st_data.sqlite, unless that folder cannot be written and holds no such
// file, or the program is an installed copy: then the same name in the user's application-data
// folder (created when missing).
QString databasePathFor(const QString& appFolder, const QString& appDataDir, bool installed = false);

// The name under which the program is installed: its desktop entry, icon and metadata.
inline const QString kInstalledId = QStringLiteral("org.plurquiz.Espanol");
// Whether the program in `programDir` is an installed copy: its prefix holds the desktop entry
// that installation puts beside it (PREFIX/bin/plurquiz, PREFIX/share/applications/ID.desktop).
// A copy run from its build folder or from a folder of its own keeps its data beside itself.
bool isInstalledCopy(const QString& programDir);

struct SetupOutcome {
    // What became of an old st_data.mdb beside the program.
    enum class Import { None, Done, LogStartedEmpty, Failed, Unavailable };

    store::Problem problem = store::Problem::None;
    Import import = Import::None;
    QString path;        // the database file
    QString legacyPath;  // the old file, when there was one to take over
    QString detail;
    bool ok() const { return problem == store::Problem::None && !importRefused(); }
    bool importRefused() const { return import == Import::Failed || import == Import::Unavailable; }
    // The one message for the learner; empty when there is nothing to say.
    QString message(int langBase) const;
    forms::MsgIcon icon() const;

    // How the windows may use the file after this look: written, only read (read-only, or of a
    // later layout), or not at all (damaged, not ours, missing a table, ...), so that a file
    // judged unusable is never written to.
    enum class Use { Write, Read, None };
    Use use() const;
};

// Makes sure the file at `path` exists (taking over st_data.mdb from `appFolder` with
// `importLegacy`, else creating it from the built-in material) and checks it. Never overwrites or
// deletes an existing file, and never creates one from the built-in material beside an old file
// it could not take over.
SetupOutcome setUpDatabase(const QString& path, const QString& appFolder, int langBase,
                           const LegacyImporter& importLegacy);

// Opens the database file at `path` for a window as start-up found it (`atStart`, none for a
// window opened on its own): read-only when it may only be read; not at all when it was found
// unusable, throwing StoreError with start-up's reason.
std::unique_ptr<store::Database> openDatabase(const QString& path, const std::optional<SetupOutcome>& atStart,
                                              bool readOnly = false);

// The database as it is now, for a change after start-up: while no file has been made, the reason
// start-up gave holds; otherwise the file is looked at again.
SetupOutcome databaseNow(const SetupOutcome& atStart);

}  // namespace app
