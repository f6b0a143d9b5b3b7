// The test window's controls and menus.
#include "test_window.h"

#include "app/window_names.h"
#include "forms/window_registry.h"

namespace test {

TestWindow::TestWindow(app::Context& ctx) : app::TaskWindow(app::kTest, ctx, text::TitleWindow::Test) {
    caption = QStringLiteral("Test");
    struct Spec {
        const char* name;
        const char* caption;
        bool visible;
    };
    const Spec buttons[] = {{"Command3", "&Start", true},       {"Command2", "&Next", false},
                            {"Command4", "&Next", false},       {"Command5", "E&valuation", false},
                            {"Command6", "&Close", true}};
    for (const Spec& b : buttons) addButton(QString::fromLatin1(b.name), QString::fromLatin1(b.caption)).visible = b.visible;
    const Spec labels[] = {{"Label17", "", false}, {"Label19", "", false}, {"Label20", "", false}};
    for (const Spec& l : labels) addLabel(QString::fromLatin1(l.name), QString::fromLatin1(l.caption)).visible = l.visible;

    addTasksMenu(QStringLiteral("mnuTest"), QStringLiteral("mnuDatabase"));
    addMenu(QStringLiteral("mnuSettings"), QStringLiteral("Settin&gs"));
    addMenu(QStringLiteral("mnuParameters"), QStringLiteral("&Parameters"));
    addMenu(QStringLiteral("mnuNumber"), QStringLiteral("&Number of sentences"));
    const char* numbers[] = {"20", "30", "40", "50"};
    for (int i = 0; i < 4; ++i) addItem(QStringLiteral("mnuNúmeroItem"), QString::fromLatin1(numbers[i]), i).checked = i == 0;
    addMenu(QStringLiteral("mnuDelay"), QStringLiteral("&Delay"));
    const char* delays[] = {"10sec", "20sec", "30sec"};
    for (int i = 0; i < 3; ++i) addItem(QStringLiteral("mnuTiempoItem"), QString::fromLatin1(delays[i]), i).checked = i == 0;
    addMenu(QStringLiteral("mnuStart"), QStringLiteral("&Starting point"));
    const char* starts[] = {"&1", "51", "1&01", "151", "&201", "251", "&301", "351", "&401", "451", "&501"};
    for (int i = 0; i < 11; ++i) addItem(QStringLiteral("beg"), QString::fromLatin1(starts[i]), i).checked = i == 0;
    addOnTopItem();

    onClick(QStringLiteral("Command6"), [this] { Command6_Click(); });
}

void TestWindow::Form_Load() { loadCommon(text::testTexts()); }

void TestWindow::Form_Unload() {
    ctx.g.RunLength = 0;
    ctx.g.DelayMs = 0;
}

void TestWindow::Command6_Click() {
    ctx.windows.show(app::kLauncher);
    ctx.windows.unload(app::kReview);
    ctx.windows.unload(name());
}

}  // namespace test
