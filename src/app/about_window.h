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

    forms::Control& Panel3D1 = add(forms::ControlKind::Frame, QStringLiteral("Panel3D1"));
    forms::Control& Label1 = addLabel(QStringLiteral("Label1"), QStringLiteral("Plurquiz Español"));
    forms::Control& Label4 = addLabel(QStringLiteral("Label4"), QStringLiteral("Author:"));
    forms::Control& Label2 =
        addLabel(QStringLiteral("Label2"),
                 QStringLiteral("Plurquiz team · Spanish language workshop, Budapest, 2001"));
    forms::Control& Label3 = addLabel(
        QStringLiteral("Label3"),
        QStringLiteral("If you want to get some additional information about the program, click here:"));
    forms::Control& Image2 = add(forms::ControlKind::Image, QStringLiteral("Image2"));
    forms::Control& Image1 = add(forms::ControlKind::Image, QStringLiteral("Image1"));
    forms::Control& Image3 = add(forms::ControlKind::Image, QStringLiteral("Image3"));
    forms::Control& Image4 = add(forms::ControlKind::Image, QStringLiteral("Image4"));
    forms::Control& Image5 = add(forms::ControlKind::Image, QStringLiteral("Image5"));
    forms::Control& Command1 = addButton(QStringLiteral("Command1"), QStringLiteral("&OK"));
    forms::Timer& Timer1 = addTimer(QStringLiteral("Timer1"), 30);
    forms::Timer& Timer2 = addTimer(QStringLiteral("Timer2"), 300);
};

class HowToWindow : public AppForm {
public:
    explicit HowToWindow(Context& ctx);
    void Form_Load() override;
    void Command1_Click();

    forms::Control& Command1 = addButton(QStringLiteral("Command1"), QStringLiteral("OK"));
    forms::Control& Label1 = addLabel(QStringLiteral("Label1"));
    forms::Control& Label2 = addLabel(QStringLiteral("Label2"));
};

}  // namespace app
