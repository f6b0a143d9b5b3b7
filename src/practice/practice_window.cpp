// The practice window's controls and menus.
#include "practice_window.h"

#include "app/window_names.h"

namespace practice {

using forms::ControlKind;

PracticeWindow::PracticeWindow(app::Context& ctx) : app::TaskWindow(app::kPractice, ctx, text::TitleWindow::Practice) {
    caption = QStringLiteral("Practice");
    struct Spec {
        const char* name;
        const char* caption;
        bool visible;
    };
    const Spec buttons[] = {
        {"Command3", "&S t a r t", true}, {"Command1", "S&olution", false}, {"Command2", "Ne&xt", false},
        {"Command10", "Ne&xt", false},    {"Command5", "&First", false},    {"Command7", "&Previous", false},
        {"Command8", "&Next", false},     {"Command9", "&Last", false},     {"Command6", "&Close", true},
    };
    for (const Spec& b : buttons) addButton(QString::fromLatin1(b.name), QString::fromLatin1(b.caption)).visible = b.visible;
    const Spec labels[] = {{"Label23", "Record:", false}, {"Label24", "", false},
                           {"Label28", "Level:", false},  {"Label29", "Topic:", false}};
    for (const Spec& l : labels) addLabel(QString::fromLatin1(l.name), QString::fromLatin1(l.caption)).visible = l.visible;

    addTasksMenu(QStringLiteral("mnuPractice"), QStringLiteral("mnuDatabase"));
    addMenu(QStringLiteral("mnuSettings"), QStringLiteral("Settin&gs"));
    addMenu(QStringLiteral("mnuParameters"), QStringLiteral("&Parameters")).enabled = false;
    addMenu(QStringLiteral("mnuNumber"), QStringLiteral("&Number of sentences"));
    const char* numbers[] = {"20", "30", "40", "50"};
    for (int i = 0; i < 4; ++i) addItem(QStringLiteral("mnuNúmeroItem"), QString::fromLatin1(numbers[i]), i).checked = i == 0;
    addMenu(QStringLiteral("mnuDelay"), QStringLiteral("&Delay"));
    const char* delays[] = {"&10sec", "&20sec", "&30sec"};
    for (int i = 0; i < 3; ++i) addItem(QStringLiteral("mnuTiempoItem"), QString::fromLatin1(delays[i]), i).checked = i == 0;
    addMenu(QStringLiteral("mnuLevel"), QStringLiteral("&Level"));
    const char* levels[] = {"&1", "&2", "&3", "&1-3"};
    for (int i = 0; i < 4; ++i) addItem(QStringLiteral("mnuNivelItem"), QString::fromLatin1(levels[i]), i).checked = i == 0;
    addMenu(QStringLiteral("mnuTopic"), QStringLiteral("Topi&cs"));
    for (int i = 0; i < 18; ++i) addItem(QStringLiteral("mnuTopicItem"), QString(), i).checked = i == 0;
    addMenu(QStringLiteral("mnustart"), QStringLiteral("&Starting point"));
    const char* starts[] = {"&1", "&51", "1&01", "151", "&201", "251", "&301", "351", "&401", "451", "&501"};
    for (int i = 0; i < 11; ++i) addItem(QStringLiteral("beg"), QString::fromLatin1(starts[i]), i).checked = i == 0;
    addOnTopItem();

    onClick(QStringLiteral("Command6"), [this] { Command6_Click(); });
}

void PracticeWindow::Form_Load() { loadCommon(text::practiceTexts()); }

}  // namespace practice
