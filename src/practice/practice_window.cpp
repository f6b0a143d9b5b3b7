// The practice window's controls and menus.
#include "practice_window.h"

#include "app/window_names.h"

namespace practice {

PracticeWindow::PracticeWindow(app::Context& ctx) : app::TaskWindow(app::kPractice, ctx, text::TitleWindow::Practice) {
    caption = QStringLiteral("Practice");
    addButtons({{"Command3", "&S t a r t", true}, {"Command1", "S&olution", false}, {"Command2", "Ne&xt", false},
                {"Command10", "Ne&xt", false}, {"Command5", "&First", false}, {"Command7", "&Previous", false},
                {"Command8", "&Next", false}, {"Command9", "&Last", false}, {"Command6", "&Close", true}});
    addLabels({{"Label23", "Record:", false}, {"Label24", "", false}, {"Label28", "Level:", false},
               {"Label29", "Topic:", false}});

    mnuPractice.enabled = false;
    mnuDatabase.enabled = false;
    addMenu(QStringLiteral("mnuSettings"), QStringLiteral("Settin&gs"));
    addParameterMenus({"&10sec", "&20sec", "&30sec"});
    c(QStringLiteral("mnuParameters")).enabled = false;  // present, but never reachable here
    addMenu(QStringLiteral("mnuLevel"), QStringLiteral("&Level"));
    addCheckedArray(QStringLiteral("mnuNivelItem"), {"&1", "&2", "&3", "&1-3"});
    addTopicMenu();
    addStartMenu(QStringLiteral("mnustart"), {"&1", "&51", "1&01", "151", "&201", "251", "&301", "351", "&401", "451", "&501"});

    onClick(c(QStringLiteral("Command6")), [this] { Command6_Click(); });
}

void PracticeWindow::Form_Load() { loadCommon(text::practiceTexts()); }

}  // namespace practice
