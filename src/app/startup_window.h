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

    forms::Control& Frame1 = add(forms::ControlKind::Frame, QStringLiteral("Frame1"),
                                 QStringLiteral("Elija la lengua de trabajo:"));
    forms::Control& Command1 = addButton(QStringLiteral("Command1"), QStringLiteral("&English"));
    forms::Control& Command2 = addButton(QStringLiteral("Command2"), QStringLiteral("&Français"));
    forms::Control& Command3 = addButton(QStringLiteral("Command3"), QStringLiteral("&Deutsch"));
    forms::Control& Command4 = addButton(QStringLiteral("Command4"), QStringLiteral("&Italiano"));
    forms::Control& Command5 = addButton(QStringLiteral("Command5"), QStringLiteral("E&spañol"));
    forms::Control& Command6 = addButton(QStringLiteral("Command6"), QStringLiteral("&Magyar"));
    forms::Control& Label1 = addLabel(QStringLiteral("Label1"), QStringLiteral("BIENVENIDO  A"));
    forms::Control& Label2 = addLabel(QStringLiteral("Label2"), QStringLiteral("PLURQUIZ  ESPAÑOL"));
    forms::Control& Image1 = add(forms::ControlKind::Image, QStringLiteral("Image1"));
    forms::Control& Image2 = add(forms::ControlKind::Image, QStringLiteral("Image2"));

private:
    void choose(int langBase);
};

// The silver full-screen background window "hatter"; it has no behaviour of its own.
class BackgroundWindow : public AppForm {
public:
    explicit BackgroundWindow(Context& ctx);
};

}  // namespace app
