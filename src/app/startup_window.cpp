// Start-up window and background window.
#include "startup_window.h"

#include "forms/window_registry.h"
#include "text/ui_text.h"
#include "window_names.h"

namespace app {

StartupWindow::StartupWindow(Context& context) : AppForm(kStartup, context) {
    caption = QStringLiteral("Plurquiz  Español");
    Command3.enabled = false;
    Command4.enabled = false;
    Image1.picture = QStringLiteral("flag");
    Image2.picture = QStringLiteral("books");
    onClick(Command1, &StartupWindow::Command1_Click);
    onClick(Command2, &StartupWindow::Command2_Click);
    onClick(Command5, &StartupWindow::Command5_Click);
    onClick(Command6, &StartupWindow::Command6_Click);
}

void StartupWindow::Form_Load() {
    openConventionally();
    ctx.windows.show(kBackground);
}

void StartupWindow::Command1_Click() {
    choose(text::English);
}
void StartupWindow::Command2_Click() {
    choose(text::French);
}
void StartupWindow::Command5_Click() {
    choose(text::Spanish);
}
void StartupWindow::Command6_Click() {
    choose(text::Hungarian);
}

void StartupWindow::choose(int langBase) {
    ctx.setLanguage(langBase);
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
