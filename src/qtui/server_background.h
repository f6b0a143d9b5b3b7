// A window without content, all of one colour, painted by the X server itself.
#pragma once

class QColor;
class QWidget;

namespace qtui {

// Gives `window` (not yet shown) the X server's own background of `colour` and turns its client
// painting off, so that it has no backing store: for a full-screen window that saves width ×
// height × 4 bytes. Only where the display is X11 with a true-colour screen; elsewhere it
// returns false and the window paints itself as before.
bool paintByServer(QWidget* window, const QColor& colour);

}  // namespace qtui
