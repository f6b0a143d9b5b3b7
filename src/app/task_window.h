// The common frame of the three task windows (practice, test, database): the Tasks menu that
// switches between them and the launcher, the on-top item and the title in the working language.
#pragma once

#include "app_form.h"
#include "store/run_settings.h"

namespace app {

class TaskWindow : public AppForm {
public:
    TaskWindow(const QString& name, Context& ctx, text::TitleWindow title);

    void mnuPlurquiz_Click() { switchTo(QStringLiteral("Plurqsp")); }
    void mnuPractice_Click() { switchTo(QStringLiteral("Spgyak")); }
    void mnuTest_Click() { switchTo(QStringLiteral("Sptest"), true); }
    void mnuDatabase_Click() { switchTo(QStringLiteral("Form1")); }
    void mnuOnTop_Click() { toggleOnTop(); }

    // The Tasks menu: the window's own item (and in some windows another) cannot be chosen.
    forms::Control& mnuTasks = addMenu(QStringLiteral("mnuTasks"), QStringLiteral("Tas&ks"));
    forms::Control& mnuPlurquiz = addItem(QStringLiteral("mnuPlurquiz"), QStringLiteral("&Plurquiz"));
    forms::Control& mnuPractice = addItem(QStringLiteral("mnuPractice"), QStringLiteral("&Practice"));
    forms::Control& mnuTest = addItem(QStringLiteral("mnuTest"), QStringLiteral("&Test"));
    forms::Control& mnuDatabase = addItem(QStringLiteral("mnuDatabase"), QStringLiteral("&Database"));
    forms::Control& mnuOnTop = addItem(QStringLiteral("mnuOnTop"), QStringLiteral("&OnTop"));

    // The Settings menu of the practice and test windows with its Parameters: Number of sentences
    // and Delay, each item array with its first item checked.
    struct ParameterMenus {
        forms::Control& mnuSettings;
        forms::Control& mnuParameters;
        forms::Control& mnuNumber;
        forms::ControlArray& mnuNumeroItem;
        forms::Control& mnuDelay;
        forms::ControlArray& mnuTiempoItem;
    };

protected:
    // A menu array whose first item carries the design check mark.
    forms::ControlArray& addCheckedArray(const QString& name, const QStringList& captions);
    ParameterMenus addParameterMenus(store::MenuOf window);
    forms::ControlArray& addTopicMenu();

    // Load steps every task window shares: centred, on top, texts and title.
    void loadCommon(std::span<const text::TextBinding> texts);

    text::TitleWindow title_;
};

}  // namespace app
