// The about window "sobre": first a splash that opens the launcher and closes itself, later an
// about box with an OK button; and the how-to window "Form3".
#pragma once

#include "app_form.h"

namespace app {

class AboutWindow : public AppForm {
public:
    explicit AboutWindow(Context& ctx);
    void Form_Load() override;
    void Form_Unload() override;

    void Timer1_Timer();  // end of the splash
    void Timer2_Timer();  // next animation frame
    void Command1_Click();
    void Image2_Click();
    void language();

    // The text of the information message behind the icon.
    static QString aboutMessage();
};

class HowToWindow : public AppForm {
public:
    explicit HowToWindow(Context& ctx);
    void Form_Load() override;
    void Command1_Click();
};

}  // namespace app
