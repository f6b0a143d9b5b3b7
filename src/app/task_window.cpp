// The common frame of the task windows.
#include "task_window.h"

namespace app {

TaskWindow::TaskWindow(const QString& name, Context& context, text::TitleWindow title)
    : AppForm(name, context), title_(title) {}

void TaskWindow::addTasksMenu(const QString& own, const QString& alsoDisabled) {
    addMenu(QStringLiteral("mnuTasks"), QStringLiteral("Tas&ks"));
    addItem(QStringLiteral("mnuPlurquiz"), QStringLiteral("&Plurquiz"));
    const std::pair<const char*, const char*> items[] = {
        {"mnuPractice", "&Practice"}, {"mnuTest", "&Test"}, {"mnuDatabase", "&Database"}};
    for (const auto& [item, text] : items) {
        forms::Control& c = addItem(QString::fromLatin1(item), QString::fromLatin1(text));
        c.enabled = c.name != own && c.name != alsoDisabled;
    }
    onClick(QStringLiteral("mnuPlurquiz"), [this] { mnuPlurquiz_Click(); });
    onClick(QStringLiteral("mnuPractice"), [this] { mnuPractice_Click(); });
    onClick(QStringLiteral("mnuTest"), [this] { mnuTest_Click(); });
    onClick(QStringLiteral("mnuDatabase"), [this] { mnuDatabase_Click(); });
    onClick(QStringLiteral("mnuOnTop"), [this] { mnuOnTop_Click(); });
}

void TaskWindow::addButtons(std::initializer_list<ControlSeed> seeds) {
    for (const ControlSeed& s : seeds)
        addButton(QString::fromLatin1(s.name), QString::fromUtf8(s.caption)).visible = s.visible;
}

void TaskWindow::addLabels(std::initializer_list<ControlSeed> seeds) {
    for (const ControlSeed& s : seeds) addLabel(QString::fromLatin1(s.name), QString::fromUtf8(s.caption)).visible = s.visible;
}

void TaskWindow::addCheckedArray(const QString& name, std::initializer_list<const char*> captions) {
    int i = 0;
    for (const char* caption : captions) {
        addItem(name, QString::fromUtf8(caption), i).checked = i == 0;
        ++i;
    }
}

void TaskWindow::addParameterMenus(std::initializer_list<const char*> delayCaptions) {
    addMenu(QStringLiteral("mnuParameters"), QStringLiteral("&Parameters"));
    addMenu(QStringLiteral("mnuNumber"), QStringLiteral("&Number of sentences"));
    addCheckedArray(QStringLiteral("mnuNúmeroItem"), {"20", "30", "40", "50"});
    addMenu(QStringLiteral("mnuDelay"), QStringLiteral("&Delay"));
    addCheckedArray(QStringLiteral("mnuTiempoItem"), delayCaptions);
}

void TaskWindow::addStartMenu(const QString& menuName, std::initializer_list<const char*> captions) {
    addMenu(menuName, QStringLiteral("&Starting point"));
    addCheckedArray(QStringLiteral("beg"), captions);
}

void TaskWindow::addTopicMenu() {
    addMenu(QStringLiteral("mnuTopic"), QStringLiteral("Topi&cs"));
    for (int i = 0; i < 18; ++i) addItem(QStringLiteral("mnuTopicItem"), QString(), i).checked = i == 0;
}

void TaskWindow::loadCommon(std::span<const text::TextBinding> texts) {
    openConventionally();
    applyTexts(texts);
    applyTitle(title_);
}

}  // namespace app
