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

void TaskWindow::loadCommon(std::span<const text::TextBinding> texts) {
    openConventionally();
    applyTexts(texts);
    applyTitle(title_);
}

}  // namespace app
