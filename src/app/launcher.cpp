// The launcher.
#include "launcher.h"

#include "database_setup.h"
#include "forms/window_registry.h"
#include "reshuffle.h"
#include "text/ui_text.h"
#include "text/window_texts.h"
#include "window_names.h"

namespace app {

using forms::ControlKind;

namespace {
constexpr int kLangOfItem[] = {text::English, text::Hungarian, text::French, text::Spanish};
const QString kFinished = QStringLiteral("The order of the sentences has been changed.");
}  // namespace

int Launcher::langOfItem(int index) { return kLangOfItem[index]; }

Launcher::Launcher(Context& context) : AppForm(kLauncher, context) {
    caption = QStringLiteral("PLURQUIZ ESPAÑOL");
    add(ControlKind::Frame, QStringLiteral("Frame3D1"));
    addLabel(QStringLiteral("activities"), QStringLiteral("Tasks:"));
    addOption(QStringLiteral("Frame3D1"), QStringLiteral("practice"), QStringLiteral("&Practice"));
    addOption(QStringLiteral("Frame3D1"), QStringLiteral("test"), QStringLiteral("&Test"));
    addOption(QStringLiteral("Frame3D1"), QStringLiteral("database"), QStringLiteral("&Database"));
    addButton(QStringLiteral("ok"), QStringLiteral("OK")).isDefault = true;
    addButton(QStringLiteral("Exi"), QStringLiteral("END"));
    addLabel(QStringLiteral("change"),
             QStringLiteral("If you want to change the order of the sentences, click here and wait."));

    addMenu(QStringLiteral("mnuhelp"), QStringLiteral("&Help"));
    addMenu(QStringLiteral("mnuworklang"), QStringLiteral("&Working language"));
    const char* langs[] = {"&English", "&Magyar", "&Français", "E&spañol"};
    for (int i = 0; i < 4; ++i) addItem(QStringLiteral("worklang"), QString::fromUtf8(langs[i]), i);
    addItem(QStringLiteral("mnuhow"), QStringLiteral("How to ..."));
    addItem(QStringLiteral("mnuabout"), QStringLiteral("&About"));
    addMenu(QStringLiteral("mnuset"), QStringLiteral("&Settings"));
    addItem(QStringLiteral("mnuOnTop"), QStringLiteral("&OnTop"));

    onClick(QStringLiteral("ok"), [this] { ok_Click(); });
    onClick(QStringLiteral("Exi"), [this] { Exi_Click(); });
    onClickIndexed(QStringLiteral("worklang"), [this](int i) { worklang_Click(i); });
    onClick(QStringLiteral("mnuhow"), [this] { mnuhow_Click(); });
    onClick(QStringLiteral("mnuabout"), [this] { mnuabout_Click(); });
    onClick(QStringLiteral("mnuOnTop"), [this] { mnuOnTop_Click(); });
    onClick(QStringLiteral("change"), [this] { change_Click(); });
}

void Launcher::Form_Load() {
    openConventionally();
    selectOption(QStringLiteral("practice"));
    language();
    pointer = forms::MousePointer::Default;
    if (ctx.windows.isLoaded(kStartup)) ctx.windows.unload(kStartup);
    prepareDatabase();
    check();
    for (int i = 0; i < 4; ++i)
        if (kLangOfItem[i] == ctx.g.LangBase) c(QStringLiteral("worklang"), i).checked = true;
}

void Launcher::prepareDatabase() {
    ctx.g.DatabasePath = databasePathFor(ctx.appFolder(), ctx.appDataDir);
    if (ctx.databaseAtStart) return;
    // Found, created or refused: the learner hears about it once per run.
    const SetupOutcome& outcome = ctx.databaseAtStart.emplace(
        setUpDatabase(ctx.g.DatabasePath, ctx.appFolder(), ctx.g.LangBase, ctx.importLegacy));
    // A usable file can still come with news: an old file's failed-item log that was started empty.
    if (const QString news = outcome.message(ctx.g.LangBase); !news.isEmpty())
        ctx.platform.messageBox(news, uiText(65), outcome.icon());
}

void Launcher::ok_Click() {
    if (c(QStringLiteral("practice")).checked) ctx.windows.show(kPractice);
    else if (c(QStringLiteral("test")).checked) ctx.windows.show(kTest);
    else if (c(QStringLiteral("database")).checked) ctx.windows.show(kEditor);
    ctx.windows.unload(name());
}

void Launcher::Exi_Click() { ctx.windows.endProgram(); }

void Launcher::check() {
    for (int i = 0; i < 4; ++i) c(QStringLiteral("worklang"), i).checked = false;
}

void Launcher::worklang_Click(int index) {
    check();
    ctx.g.LangBase = kLangOfItem[index];
    c(QStringLiteral("worklang"), index).checked = true;
    language();
}

void Launcher::language() { applyTexts(text::launcherTexts()); }

void Launcher::mnuhow_Click() { ctx.windows.show(kHowTo); }

void Launcher::mnuabout_Click() {
    forms::Form& about = ctx.windows.show(kAbout);
    about.c(QStringLiteral("Timer1")).enabled = false;
    about.c(QStringLiteral("Command1")).visible = true;
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
            c(QStringLiteral("change")).caption = kFinished;
            break;
        case ReshuffleOutcome::Empty:
            message(uiText(text::KeyNothingToReorder), forms::MsgIcon::Information, uiText(65));
            break;
        case ReshuffleOutcome::Failed:
            // The file may have changed under the program since the look above; say what it is now.
            if (const SetupOutcome now = databaseNow(atStart); !now.ok())
                message(now.message(ctx.g.LangBase), now.icon(), uiText(65));
            else
                message(uiText(text::KeyReorderFailed).arg(ctx.g.DatabasePath), forms::MsgIcon::Critical, uiText(65));
            break;
    }
}

}  // namespace app
