// The shared module's two routines.
#include "mt_test.h"

#include <QDir>

namespace app {

QString AppFolder(const QString& programDir) {
    QString folder = QDir::toNativeSeparators(programDir);
    const QChar sep = folder.contains(QLatin1Char('\\')) ? QLatin1Char('\\') : QDir::separator();
    if (!folder.endsWith(sep)) folder += sep;
    return folder;
}

void CentreOnScreen(forms::Form& window, QSize screen) {
    // Single precision, as the window positions have always been computed.
    window.left =
        static_cast<int>((static_cast<float>(screen.width()) - static_cast<float>(window.width)) / 2.0f);
    window.top =
        static_cast<int>((static_cast<float>(screen.height()) - static_cast<float>(window.height)) / 2.0f);
}

}  // namespace app
