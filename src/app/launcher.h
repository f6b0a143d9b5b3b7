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
    void mnuOnTop_Click() { toggleOnTop(); }
    void change_Click();

    void check();
    void language();

    // The working language of worklang item i: 0 English, 1 Hungarian, 2 French, 3 Spanish.
    static int langOfItem(int index);

private:
    void prepareDatabase();
};

}  // namespace app
