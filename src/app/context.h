// What the windows of one run share: the desktop, the window registry, the random source, the
// globals and where the program lives.
#pragma once

#include <QString>

#include "forms/form.h"
#include "mt_test.h"

namespace app {

struct Context : forms::Runtime {
    Context(forms::Platform& p, forms::WindowRegistry& w, forms::RandomSource& r, QString programDirectory,
            QString appDataDirectory)
        : forms::Runtime{p, w, r}, programDir(std::move(programDirectory)), appDataDir(std::move(appDataDirectory)) {}

    Globals g;
    QString programDir;   // the folder of the running program
    QString appDataDir;   // where the database lives when the program's folder is not writable
    bool databaseReady = false;  // the database file has been found or created in this run
    QString appFolder() const { return AppFolder(programDir); }
};

// Registers every window of the program with the registry.
void defineWindows(Context& ctx);

}  // namespace app
