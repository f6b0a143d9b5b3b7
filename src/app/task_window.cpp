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

forms::ControlArray& TaskWindow::addCheckedArray(const QString& name, const QStringList& captions) {
    forms::ControlArray& items = addItems(name, captions);
    items[0].checked = true;
    return items;
}

TaskWindow::ParameterMenus TaskWindow::addParameterMenus(store::MenuOf window) {
    forms::Control& settings = addMenu(QStringLiteral("mnuSettings"), QStringLiteral("Settin&gs"));
    forms::Control& parameters = addMenu(QStringLiteral("mnuParameters"), QStringLiteral("&Parameters"));
    forms::Control& number = addMenu(QStringLiteral("mnuNumber"), QStringLiteral("&Number of sentences"));
    forms::ControlArray& numbers =
        addCheckedArray(QStringLiteral("mnuNúmeroItem"), store::runLengthCaptions());
    forms::Control& delay = addMenu(QStringLiteral("mnuDelay"), QStringLiteral("&Delay"));
    forms::ControlArray& delays =
        addCheckedArray(QStringLiteral("mnuTiempoItem"), store::captionsOf(store::kDelays, window));
    return {settings, parameters, number, numbers, delay, delays};
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
