// The program's small pictures, drawn rather than shipped: the animation frames of the about
// window, its information icon, the start-up window's decorations and the program icon.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace qtui {

// "anim1".."anim3", "info", "flag", "books"; an empty pixmap for an empty or unknown name.
QPixmap picture(const QString& name);
QIcon programIcon();

}  // namespace qtui
