// The common frame of the three task windows (practice, test, database): the Tasks menu that
// switches between them and the launcher, the on-top item and the title in the working language.
#pragma once

#include "app_form.h"

namespace app {

class TaskWindow : public AppForm {
public:
    TaskWindow(const QString& name, Context& ctx, text::TitleWindow title);

    void mnuPlurquiz_Click() { switchTo(QStringLiteral("Plurqsp")); }
    void mnuPractice_Click() { switchTo(QStringLiteral("Spgyak")); }
    void mnuTest_Click() { switchTo(QStringLiteral("Sptest"), true); }
    void mnuDatabase_Click() { switchTo(QStringLiteral("Form1")); }
    void mnuOnTop_Click() { toggleOnTop(); }

protected:
    struct ControlSeed {
        const char* name;
        const char* caption;
        bool visible;
    };
    void addButtons(std::initializer_list<ControlSeed> seeds);
    void addLabels(std::initializer_list<ControlSeed> seeds);
    // A menu array whose first item carries the design check mark.
    void addCheckedArray(const QString& name, std::initializer_list<const char*> captions);
    // The Number of sentences and Delay menus inside Parameters, and the Starting point menu.
    void addParameterMenus(std::initializer_list<const char*> delayCaptions);
    void addStartMenu(const QString& menuName, std::initializer_list<const char*> captions);
    void addTopicMenu();

    // The Tasks menu with its four items; the window's own item and `alsoDisabled` cannot be chosen.
    void addTasksMenu(const QString& own, const QString& alsoDisabled = {});
    void addOnTopItem() { addItem(QStringLiteral("mnuOnTop"), QStringLiteral("&OnTop")); }
    // Load steps every task window shares: centred, on top, texts and title.
    void loadCommon(std::span<const text::TextBinding> texts);

    text::TitleWindow title_;
};

}  // namespace app
