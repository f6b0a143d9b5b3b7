// The launcher "Plurqsp": the choice of task, the working-language menu, How to, About, the
// on-top toggle, the reshuffle of the sentence order and the way out of the program.
#pragma once

#include "app_form.h"

namespace app {

class Launcher : public AppForm {
public:
    explicit Launcher(Context& ctx);
    void Form_Load() override;

    void ok_Click();
    void Exi_Click();
    void worklang_Click(int index);
    void mnuhow_Click();
    void mnuabout_Click();
    void mnuProgress_Click();
    void mnuOnTop_Click() { toggleOnTop(); }
    void change_Click();

    void check();
    void language();

    // The working language of worklang item i: 0 English, 1 Hungarian, 2 French, 3 Spanish.
    static int langOfItem(int index);

    forms::Control& Frame3D1 = add(forms::ControlKind::Frame, QStringLiteral("Frame3D1"));
    forms::Control& activities = addLabel(QStringLiteral("activities"), QStringLiteral("Tasks:"));
    forms::Control& practice = addOption(Frame3D1, QStringLiteral("practice"), QStringLiteral("&Practice"));
    forms::Control& test = addOption(Frame3D1, QStringLiteral("test"), QStringLiteral("&Test"));
    forms::Control& database = addOption(Frame3D1, QStringLiteral("database"), QStringLiteral("&Database"));
    forms::Control& today = addOption(Frame3D1, QStringLiteral("today"), QStringLiteral("Toda&y"));
    // Under the Today option: how many sentences are due today, or that nothing is left.
    forms::Control& lblToday = addLabel(QStringLiteral("lblToday"));
    forms::Control& ok = addButton(QStringLiteral("ok"), QStringLiteral("OK"));
    forms::Control& Exi = addButton(QStringLiteral("Exi"), QStringLiteral("END"));
    forms::Control& change =
        addLabel(QStringLiteral("change"),
                 QStringLiteral("If you want to change the order of the sentences, click here and wait."));
    forms::Control& mnuhelp = addMenu(QStringLiteral("mnuhelp"), QStringLiteral("&Help"));
    forms::Control& mnuworklang = addMenu(QStringLiteral("mnuworklang"), QStringLiteral("&Working language"));
    forms::ControlArray& worklang =
        addItems(QStringLiteral("worklang"), {QStringLiteral("&English"), QStringLiteral("&Magyar"),
                                              QStringLiteral("&Français"), QStringLiteral("E&spañol")});
    forms::Control& mnuhow = addItem(QStringLiteral("mnuhow"), QStringLiteral("How to ..."));
    forms::Control& mnuabout = addItem(QStringLiteral("mnuabout"), QStringLiteral("&About"));
    forms::Control& mnuProgress = addItem(QStringLiteral("mnuProgress"), QStringLiteral("Prog&ress..."));
    forms::Control& mnuset = addMenu(QStringLiteral("mnuset"), QStringLiteral("&Settings"));
    forms::Control& mnuOnTop = addItem(QStringLiteral("mnuOnTop"), QStringLiteral("&OnTop"));

private:
    void prepareDatabase();
    void showToday();
};

}  // namespace app
