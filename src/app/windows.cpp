// The table of the program's windows, and how an error that escapes a handler reaches the learner.
#include "about_window.h"
#include "context.h"
#include "editor/editor_window.h"
#include "forms/window_registry.h"
#include "launcher.h"
#include "practice/practice_window.h"
#include "problem_text.h"
#include "progress/progress_window.h"
#include "quiz/test_window.h"
#include "review/review_window.h"
#include "startup_window.h"
#include "text/ui_text.h"
#include "today/today_window.h"
#include "window_names.h"

namespace app {

namespace {
// The reporter runs while the event boundary handles the error: a store error is told in the
// working language, anything else in its own words.
QString inWords(const QString& what, int langBase) {
    try {
        if (const std::exception_ptr error = std::current_exception()) std::rethrow_exception(error);
    } catch (const store::StoreError& e) {
        return problemText(e, langBase);
    } catch (...) {
    }
    return what;
}
}  // namespace

void defineWindows(Context& ctx) {
    forms::WindowRegistry& w = ctx.windows;
    w.define(kStartup, [&ctx] { return std::make_unique<StartupWindow>(ctx); });
    w.define(kBackground, [&ctx] { return std::make_unique<BackgroundWindow>(ctx); });
    w.define(kAbout, [&ctx] { return std::make_unique<AboutWindow>(ctx); });
    w.define(kHowTo, [&ctx] { return std::make_unique<HowToWindow>(ctx); });
    w.define(kLauncher, [&ctx] { return std::make_unique<Launcher>(ctx); });
    w.define(kPractice, [&ctx] { return std::make_unique<practice::PracticeWindow>(ctx); });
    w.define(kTest, [&ctx] { return std::make_unique<quiz::TestWindow>(ctx); });
    w.define(kReview, [&ctx] { return std::make_unique<review::ReviewWindow>(ctx); });
    w.define(kEditor, [&ctx] { return std::make_unique<editor::EditorWindow>(ctx); });
    w.define(kProgress, [&ctx] { return std::make_unique<progress::ProgressWindow>(ctx); });
    w.define(kToday, [&ctx] { return std::make_unique<today::TodayWindow>(ctx); });

    // The program goes on after such an error: every write is committed or rolled back as a
    // whole, so what is stored stays sound, and ending would throw away the learner's session.
    w.setErrorReporter([&ctx](forms::Form* form, const QString& what) {
        const int base = text::isLangBase(ctx.g.LangBase) ? ctx.g.LangBase : text::English;
        auto* window = dynamic_cast<AppForm*>(form);
        const QString caption =
            window && !window->TitleWord.isEmpty() ? window->TitleWord : text::uiText(65, base);
        ctx.platform.messageBox(text::uiText(text::KeyActionFailed, base).arg(inWords(what, base)), caption,
                                forms::MsgIcon::Critical);
    });
}

}  // namespace app
