// The table of the program's windows.
#include "about_window.h"
#include "context.h"
#include "editor/editor_window.h"
#include "forms/window_registry.h"
#include "launcher.h"
#include "practice/practice_window.h"
#include "startup_window.h"
#include "test/test_window.h"
#include "window_names.h"

namespace app {

void defineWindows(Context& ctx) {
    forms::WindowRegistry& w = ctx.windows;
    w.define(kStartup, [&ctx] { return std::make_unique<StartupWindow>(ctx); });
    w.define(kBackground, [&ctx] { return std::make_unique<BackgroundWindow>(ctx); });
    w.define(kAbout, [&ctx] { return std::make_unique<AboutWindow>(ctx); });
    w.define(kHowTo, [&ctx] { return std::make_unique<HowToWindow>(ctx); });
    w.define(kLauncher, [&ctx] { return std::make_unique<Launcher>(ctx); });
    w.define(kPractice, [&ctx] { return std::make_unique<practice::PracticeWindow>(ctx); });
    w.define(kTest, [&ctx] { return std::make_unique<test::TestWindow>(ctx); });
    w.define(kEditor, [&ctx] { return std::make_unique<editor::EditorWindow>(ctx); });
}

}  // namespace app
