// The test window's controls and menus.
#include "test_window.h"

#include "app/window_names.h"
#include "forms/window_registry.h"

namespace test {

TestWindow::TestWindow(app::Context& ctx) : app::TaskWindow(app::kTest, ctx, text::TitleWindow::Test) {
    caption = QStringLiteral("Test");
    addButtons({{"Command3", "&Start", true},
                {"Command2", "&Next", false},
                {"Command4", "&Next", false},
                {"Command5", "E&valuation", false},
                {"Command6", "&Close", true}});
    addLabels({{"Label17", "", false}, {"Label19", "", false}, {"Label20", "", false}});

    mnuTest.enabled = false;
    mnuDatabase.enabled = false;
    addMenu(QStringLiteral("mnuSettings"), QStringLiteral("Settin&gs"));
    addParameterMenus({"10sec", "20sec", "30sec"});
    addStartMenu(QStringLiteral("mnuStart"),
                 {"&1", "51", "1&01", "151", "&201", "251", "&301", "351", "&401", "451", "&501"});

    onClick(c(QStringLiteral("Command6")), [this] { Command6_Click(); });
}

void TestWindow::Form_Load() {
    loadCommon(text::testTexts());
}

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
