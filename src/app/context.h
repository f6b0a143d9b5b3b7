// What the windows of one run share: the desktop, the window registry, the random source, the
// globals, where the program lives and how it takes over an old database file.
#pragma once

#include <QString>
#include <optional>

#include "database_setup.h"
#include "forms/form.h"
#include "legacy_importer.h"
#include "mt_test.h"
#include "text/ui_text.h"

namespace app {

struct Context : forms::Runtime {
    Context(forms::Platform& p, forms::WindowRegistry& w, base::RandomSource& r, QString programDirectory,
            QString appDataDirectory, LegacyImporter legacyImporter)
        : forms::Runtime{p, w, r},
          programDir(std::move(programDirectory)),
          appDataDir(std::move(appDataDirectory)),
          importLegacy(std::move(legacyImporter)) {}

    Globals g;
    QString programDir;  // the folder of the running program
    QString appDataDir;  // where the database lives when the program's folder is not writable
    // An installed copy keeps its database (and looks for an old .mdb file) in appDataDir only.
    bool installed = false;
    // Takes over an st_data.mdb found beside the program; an empty one makes such a file a
    // start-up failure rather than a reason to start on the built-in material.
    const LegacyImporter importLegacy;
    // How start-up found the database file; set once per run, when the launcher first loads.
    std::optional<SetupOutcome> databaseAtStart;
    // The database file for a window, as start-up found it (see app::openDatabase).
    std::unique_ptr<store::Database> openDatabase(bool readOnly = false) const {
        return app::openDatabase(g.DatabasePath, databaseAtStart, readOnly);
    }
    QString appFolder() const { return AppFolder(programDir); }
    // Sets the working language, for the catalogue's texts and the desktop's own dialogs alike.
    void setLanguage(int langBase) {
        g.LangBase = langBase;
        platform.useLanguage(QString::fromLatin1(text::languageCode(langBase)));
    }
    // The folder where an old st_data.mdb is taken over from.
    QString legacyFolder() const { return installed ? AppFolder(appDataDir) : appFolder(); }
};

// Registers every window of the program with the registry.
void defineWindows(Context& ctx);

}  // namespace app
