// The launcher.
#include "launcher.h"

#include "about_window.h"
#include "database_setup.h"
#include "forms/platform.h"
#include "forms/window_registry.h"
#include "memory/today_queue.h"
#include "reshuffle.h"
#include "store/store_error.h"
#include "text/ui_text.h"
#include "text/window_texts.h"
#include "window_names.h"

namespace app {

namespace {
constexpr int kLangOfItem[] = {text::English, text::Hungarian, text::French, text::Spanish};
const QString kFinished = QStringLiteral("The order of the sentences has been changed.");
}  // namespace

int Launcher::langOfItem(int index) {
    return kLangOfItem[index];
}

Launcher::Launcher(Context& context) : AppForm(kLauncher, context) {
    caption = QStringLiteral("PLURQUIZ ESPAÑOL");
    ok.isDefault = true;
    onClick(ok, &Launcher::ok_Click);
    onClick(Exi, &Launcher::Exi_Click);
    onClick(worklang, &Launcher::worklang_Click);
    onClick(mnuhow, &Launcher::mnuhow_Click);
    onClick(mnuabout, &Launcher::mnuabout_Click);
    onClick(mnuProgress, &Launcher::mnuProgress_Click);
    onClick(mnuOnTop, &Launcher::mnuOnTop_Click);
    onClick(change, &Launcher::change_Click);
}

void Launcher::Form_Load() {
    openConventionally();
    selectOption(practice);
    language();
    pointer = forms::MousePointer::Default;
    if (ctx.windows.isLoaded(kStartup)) ctx.windows.unload(kStartup);
    prepareDatabase();
    showToday();
    check();
    for (int i = 0; i < 4; ++i)
        if (kLangOfItem[i] == ctx.g.LangBase) worklang[i].checked = true;
}

void Launcher::prepareDatabase() {
    ctx.g.DatabasePath = databasePathFor(ctx.appFolder(), ctx.appDataDir, ctx.installed);
    if (ctx.databaseAtStart) return;
    // Found, created or refused: the learner hears about it once per run.
    const SetupOutcome& outcome = ctx.databaseAtStart.emplace(
        setUpDatabase(ctx.g.DatabasePath, ctx.legacyFolder(), ctx.g.LangBase, ctx.importLegacy));
    // A usable file can still come with news: an old file's failed-item log that was started empty.
    if (const QString news = outcome.message(ctx.g.LangBase); !news.isEmpty())
        ctx.platform.messageBox(news, uiText(65), outcome.icon());
}

void Launcher::ok_Click() {
    if (practice.checked)
        ctx.windows.show(kPractice);
    else if (test.checked)
        ctx.windows.show(kTest);
    else if (database.checked)
        ctx.windows.show(kEditor);
    else if (today.checked)
        ctx.windows.show(kToday);
    ctx.windows.unload(name());
}

void Launcher::Exi_Click() {
    ctx.windows.endProgram();
}

void Launcher::check() {
    for (forms::Control* item : worklang) item->checked = false;
}

void Launcher::worklang_Click(int index) {
    check();
    ctx.setLanguage(kLangOfItem[index]);
    worklang[index].checked = true;
    language();
    showToday();
}

void Launcher::language() {
    applyTexts(text::launcherTexts());
}

void Launcher::showToday() {
    lblToday.caption.clear();
    if (!ctx.databaseAtStart) return;
    try {
        // Opened as the windows open it, so that a file from before the memory gets it here, at
        // start-up, behind the rebuild's progress dialog, rather than in the first window opened.
        const std::unique_ptr<store::Database> db = ctx.openDatabase();
        const qint64 day = memory::dayOf(ctx.platform.now());
        const int due = memory::dueCount(db->db(), day);
        const int fresh = memory::freshLeft(db->db(), day, memory::loadSettings(db->db()));
        if (due > 0)
            lblToday.caption = uiText(text::KeyTodayDueCount).arg(due);
        else if (fresh > 0)
            lblToday.caption = uiText(text::KeyTodayOnlyNew).arg(fresh);
        else
            lblToday.caption = uiText(text::KeyTodayNothingLeft);
    } catch (const store::StoreError&) {
        // A file without a memory yet (read-only, or one start-up refused) says nothing here.
    }
}

void Launcher::mnuhow_Click() {
    ctx.windows.show(kHowTo);
}

void Launcher::mnuProgress_Click() {
    // A task of its own: it takes the launcher's place, and its Close brings the launcher back.
    ctx.windows.show(kProgress);
    ctx.windows.unload(name());
}

void Launcher::mnuabout_Click() {
    auto* about = dynamic_cast<AboutWindow*>(ctx.windows.show(kAbout));
    if (!about) return;
    about->Timer1.setEnabled(false);
    about->Command1.visible = true;
}

void Launcher::change_Click() {
    SetupOutcome atStart;  // Form_Load has set it; a plain file outcome otherwise
    atStart.path = ctx.g.DatabasePath;
    if (ctx.databaseAtStart) atStart = *ctx.databaseAtStart;
    // A file that cannot take the new order is not touched: the learner hears why and what to do,
    // as at start-up, rather than the engine's words after a failed write.
    if (const SetupOutcome now = databaseNow(atStart); !now.ok()) {
        message(now.message(ctx.g.LangBase), now.icon(), uiText(65));
        return;
    }
    const ReshuffleOutcome outcome = reshuffleOrder(ctx.g.DatabasePath, ctx.random);
    switch (outcome.status) {
        case ReshuffleOutcome::Done:
            change.caption = kFinished;
            break;
        case ReshuffleOutcome::Empty:
            message(uiText(text::KeyNothingToReorder), forms::MsgIcon::Information, uiText(65));
            break;
        case ReshuffleOutcome::Failed:
            // The file may have changed under the program since the look above; say what it is now.
            if (const SetupOutcome now = databaseNow(atStart); !now.ok())
                message(now.message(ctx.g.LangBase), now.icon(), uiText(65));
            else
                message(uiText(text::KeyReorderFailed).arg(ctx.g.DatabasePath), forms::MsgIcon::Critical,
                        uiText(65));
            break;
    }
}

}  // namespace app
