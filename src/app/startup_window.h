// The start-up window "lang": the background window behind everything and the choice of the
// working language.
#pragma once

#include "app_form.h"

namespace app {

class StartupWindow : public AppForm {
public:
    explicit StartupWindow(Context& ctx);
    void Form_Load() override;

    void Command1_Click();  // English
    void Command2_Click();  // French
    void Command5_Click();  // Spanish
    void Command6_Click();  // Hungarian
    void ki();

private:
    void choose(int langBase);
};

// The silver full-screen background window "hatter"; it has no behaviour of its own.
class BackgroundWindow : public AppForm {
public:
    explicit BackgroundWindow(Context& ctx);
};

}  // namespace app
