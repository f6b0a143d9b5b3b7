// A whole program without a display: registry, fake desktop, globals and a temporary program
// folder, with the windows of the program defined. An old file put in the folder is taken over
// with `importLegacy` (none by default).
#pragma once

#include <QTemporaryDir>

#include "app/context.h"
#include "app/window_names.h"
#include "base/random_source.h"
#include "fake_platform.h"
#include "forms/window_registry.h"

struct AppFixture {
    QTemporaryDir dir;
    FakePlatform platform;
    forms::WindowRegistry windows;
    base::RandomSource random{7};
    app::Context ctx;

    explicit AppFixture(app::LegacyImporter importLegacy = {})
        : ctx(platform, windows, random, dir.path(), dir.filePath(QStringLiteral("appdata")),
              std::move(importLegacy)) {
        app::defineWindows(ctx);
    }

    forms::Form& form(const QString& name) {
        forms::Form* f = windows.find(name);
        if (!f) qFatal("window %s is not loaded", qPrintable(name));
        return *f;
    }
    // Start-up window, the chosen language button, the splash timer: the launcher is up.
    forms::Form& startInLanguage(const char* button) {
        windows.show(app::kStartup);
        form(app::kStartup).click(QString::fromLatin1(button));
        form(app::kAbout).timer(QStringLiteral("Timer1"));
        return form(app::kLauncher);
    }
};
