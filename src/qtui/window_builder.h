// Builds the Qt window of a window model from its Qt Designer file.
#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>

namespace qtui {

// A new top-level window with the Designer layout of the named window (null for an unknown name),
// styled as the program's windows are.
QMainWindow* buildWindow(const QString& formName);

// Adds (or replaces) the builder of a window's layout: for windows whose layout is made in code.
void defineWindowBuilder(const QString& formName, std::function<QMainWindow*()> builder);

}  // namespace qtui
