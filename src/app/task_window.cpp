// The common frame of the task windows.
#include "task_window.h"

namespace app {

TaskWindow::TaskWindow(const QString& name, Context& context, text::TitleWindow title)
    : AppForm(name, context), title_(title) {
    onClick(mnuPlurquiz, &TaskWindow::mnuPlurquiz_Click);
    onClick(mnuPractice, &TaskWindow::mnuPractice_Click);
    onClick(mnuTest, &TaskWindow::mnuTest_Click);
    onClick(mnuDatabase, &TaskWindow::mnuDatabase_Click);
    onClick(mnuOnTop, &TaskWindow::mnuOnTop_Click);
}

void TaskWindow::addButtons(std::initializer_list<ControlSeed> seeds) {
    for (const ControlSeed& s : seeds)
        addButton(QString::fromLatin1(s.name), QString::fromUtf8(s.caption)).visible = s.visible;
}

void TaskWindow::addLabels(std::initializer_list<ControlSeed> seeds) {
    for (const ControlSeed& s : seeds)
        addLabel(QString::fromLatin1(s.name), QString::fromUtf8(s.caption)).visible = s.visible;
}

forms::ControlArray& TaskWindow::addCheckedArray(const QString& name, const QStringList& captions) {
    forms::ControlArray& items = addItems(name, captions);
    items[0].checked = true;
    return items;
}

void TaskWindow::addParameterMenus(const QStringList& delayCaptions) {
    addMenu(QStringLiteral("mnuParameters"), QStringLiteral("&Parameters"));
    addMenu(QStringLiteral("mnuNumber"), QStringLiteral("&Number of sentences"));
    addCheckedArray(QStringLiteral("mnuNúmeroItem"), {"20", "30", "40", "50"});
    addMenu(QStringLiteral("mnuDelay"), QStringLiteral("&Delay"));
    addCheckedArray(QStringLiteral("mnuTiempoItem"), delayCaptions);
}

void TaskWindow::addStartMenu(const QString& menuName, const QStringList& captions) {
    addMenu(menuName, QStringLiteral("&Starting point"));
    addCheckedArray(QStringLiteral("beg"), captions);
}

forms::ControlArray& TaskWindow::addTopicMenu() {
    addMenu(QStringLiteral("mnuTopic"), QStringLiteral("Topi&cs"));
    return addCheckedArray(QStringLiteral("mnuTopicItem"), QStringList(18));
}

void TaskWindow::loadCommon(std::span<const text::TextBinding> texts) {
    openConventionally();
    applyTexts(texts);
    applyTitle(title_);
}

}  // namespace app
