// Start-up window and background window.
#include "startup_window.h"

#include "forms/window_registry.h"
#include "text/ui_text.h"
#include "window_names.h"

namespace app {

StartupWindow::StartupWindow(Context& context) : AppForm(kStartup, context) {
    caption = QStringLiteral("Plurquiz  Español");
    add(forms::ControlKind::Frame, QStringLiteral("Frame1"), QStringLiteral("Elija la lengua de trabajo:"));
    addButton(QStringLiteral("Command1"), QStringLiteral("&English"));
    addButton(QStringLiteral("Command2"), QStringLiteral("&Français"));
    addButton(QStringLiteral("Command3"), QStringLiteral("&Deutsch")).enabled = false;
    addButton(QStringLiteral("Command4"), QStringLiteral("&Italiano")).enabled = false;
    addButton(QStringLiteral("Command5"), QStringLiteral("E&spañol"));
    addButton(QStringLiteral("Command6"), QStringLiteral("&Magyar"));
    addLabel(QStringLiteral("Label1"), QStringLiteral("BIENVENIDO  A"));
    addLabel(QStringLiteral("Label2"), QStringLiteral("PLURQUIZ  ESPAÑOL"));
    add(forms::ControlKind::Image, QStringLiteral("Image1")).picture = QStringLiteral("flag");
    add(forms::ControlKind::Image, QStringLiteral("Image2")).picture = QStringLiteral("books");

    onClick(QStringLiteral("Command1"), [this] { Command1_Click(); });
    onClick(QStringLiteral("Command2"), [this] { Command2_Click(); });
    onClick(QStringLiteral("Command5"), [this] { Command5_Click(); });
    onClick(QStringLiteral("Command6"), [this] { Command6_Click(); });
}

void StartupWindow::Form_Load() {
    openConventionally();
    ctx.windows.show(kBackground);
}

void StartupWindow::Command1_Click() { choose(text::English); }
void StartupWindow::Command2_Click() { choose(text::French); }
void StartupWindow::Command5_Click() { choose(text::Spanish); }
void StartupWindow::Command6_Click() { choose(text::Hungarian); }

void StartupWindow::choose(int langBase) {
    ctx.g.LangBase = langBase;
    ki();
}

void StartupWindow::ki() {
    pointer = forms::MousePointer::Hourglass;
    ctx.windows.show(kAbout);
}

BackgroundWindow::BackgroundWindow(Context& context) : AppForm(kBackground, context) {
    caption = QStringLiteral("P L U R Q U I Z    E S P A Ñ O L");
    maximised = true;
}

}  // namespace app
