// The Qt side of the Progress window: its layout with a chart in it, and the drawing of the chart
// and the tables from the window's page.
#pragma once

#include <QMainWindow>

namespace forms {
class Form;
}

namespace qtui {

QMainWindow* buildProgressWindow(const QString& styleSheet);
// Draws the chart and fills the tables when the page has changed since it was last drawn.
void paintProgressWindow(forms::Form& form, QMainWindow& window);

}  // namespace qtui
