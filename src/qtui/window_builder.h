// Builds the Qt window of a window model from its Qt Designer file.
#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>

namespace forms {
class Form;
}

namespace qtui {

// A new top-level window with the Designer layout of the named window (null for an unknown name),
// styled as the program's windows are.
QMainWindow* buildWindow(const QString& formName);

// Adds (or replaces) the builder of a window's layout: for windows whose layout is made in code.
void defineWindowBuilder(const QString& formName, std::function<QMainWindow*()> builder);

// Draws what no control of the window stands for (a chart, a table) from the window's model, after
// the controls have been mirrored; nothing for most windows.
void paintWindowExtras(forms::Form& form, QMainWindow& window);

}  // namespace qtui
