// The program: Qt application, the desktop layer, the window models, and the start-up window.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTimer>

#include "app/command_line.h"
#include "app/context.h"
#include "app/database_setup.h"
#include "app/window_names.h"
#include "base/random_source.h"
#include "forms/window_registry.h"
#include "legacy_import_process.h"
#include "pictures.h"
#include "qt_platform.h"
#include "replay_progress.h"
#include "view_manager.h"

int main(int argc, char* argv[]) {
    QApplication::setApplicationName(QStringLiteral("plurquiz"));
    QApplication::setOrganizationName(QStringLiteral("Plurquiz"));
    // --help and --version answer on the terminal, without a display.
    if (const auto status = app::answerInformationOptions(argc, argv)) return *status;
    QApplication application(argc, argv);
    if (const auto status = app::refuseArguments(QApplication::arguments().mid(1))) return *status;
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font = QApplication::font();
    font.setPointSize(10);
    QApplication::setFont(font);

    forms::WindowRegistry windows;
    qtui::ViewManager views(&windows);
    windows.setObserver(&views);
    qtui::QtPlatform platform(views);
    base::RandomSource random;
    const QString programDir = QApplication::applicationDirPath();
    app::Context ctx(
        platform, windows, random, programDir,
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
        qtui::importerWithProgress(QDir(programDir).filePath(QStringLiteral("plurquiz-import"))));
    ctx.installed = app::isInstalledCopy(programDir);
    app::defineWindows(ctx);
    qtui::showReplayProgress(ctx);

    windows.runEvent(nullptr, forms::OnError::Report, [&] { windows.show(app::kStartup); });
    if (windows.ended()) return 0;
    // Decoding the icon's pictures waits until the first windows are on the screen; setting it
    // then gives it to every window already open.
    QTimer::singleShot(0, [] { QApplication::setWindowIcon(qtui::programIcon()); });
    const int status = QApplication::exec();
    windows.setObserver(nullptr);
    return status;
}
