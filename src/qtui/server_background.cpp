// The X server's window background in place of a client-side backing store.
#include "server_background.h"

#include <xcb/xcb.h>

#include <QColor>
#include <QGuiApplication>
#include <QWidget>

namespace qtui {

bool paintByServer(QWidget* window, const QColor& colour) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return false;
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return false;
    xcb_connection_t* connection = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen || (screen->root_depth != 24 && screen->root_depth != 32)) return false;
    // On a true-colour screen of depth 24 or 32 a pixel value is the colour's RGB.
    for (auto depths = xcb_screen_allowed_depths_iterator(screen); depths.rem; xcb_depth_next(&depths))
        for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem;
             xcb_visualtype_next(&visuals))
            if (visuals.data->visual_id == screen->root_visual &&
                visuals.data->_class != XCB_VISUAL_CLASS_TRUE_COLOR)
                return false;
    window->setAttribute(Qt::WA_NativeWindow);
    window->setUpdatesEnabled(false);
    // Nothing is drawn, so nothing needs styling: no style sheet to parse before the first window.
    window->setStyleSheet(QString());
    const uint32_t pixel = colour.rgb() & 0xffffffu;
    xcb_change_window_attributes(connection, static_cast<xcb_window_t>(window->winId()), XCB_CW_BACK_PIXEL,
                                 &pixel);
    xcb_flush(connection);
    return true;
}

}  // namespace qtui
