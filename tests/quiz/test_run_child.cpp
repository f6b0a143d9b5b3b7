// Test helper: runs an open-ended test on the database given as first argument and leaves every
// sentence unanswered, so that each Next logs a failure; after each Next it prints how many
// failures the window has logged, until it is killed.
#include <QCoreApplication>
#include <cstdio>

#include "app/context.h"
#include "app/window_names.h"
#include "base/random_source.h"
#include "fake_platform.h"
#include "forms/window_registry.h"
#include "quiz/test_window.h"
#include "text/ui_text.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc < 2) return 2;
    FakePlatform platform;
    forms::WindowRegistry windows;
    base::RandomSource random(5);
    app::Context ctx(platform, windows, random, QStringLiteral("."), QStringLiteral("."), {});
    app::defineWindows(ctx);
    ctx.g.LangBase = text::English;
    ctx.g.DatabasePath = QString::fromLocal8Bit(argv[1]);
    auto* window = dynamic_cast<quiz::TestWindow*>(windows.show(app::kTest));
    if (!window) return 3;
    window->click(QStringLiteral("Command3"));
    for (long logged = 1;; ++logged) {
        window->click(QStringLiteral("Command4"));
        if (!platform.messages.empty()) return 4;
        std::printf("%ld\n", logged);
        std::fflush(stdout);
    }
}
