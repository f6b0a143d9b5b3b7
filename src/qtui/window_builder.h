// Builds the Qt window of a window model from its Qt Designer file.
#pragma once

#include <QMainWindow>
#include <QString>

namespace qtui {

// A new top-level window with the Designer layout of the named window (null for an unknown name),
// styled as the program's windows are.
QMainWindow* buildWindow(const QString& formName);

}  // namespace qtui
