// The import process and its progress window.
#include "legacy_import_process.h"

#include <QEventLoop>
#include <QProcess>
#include <QProgressDialog>
#include <QTimer>

namespace qtui {

namespace {

// Keeps the window alive while the process runs; gives up after ten minutes.
void showProgressUntilDone(QProcess& process, const QString& progressText) {
    QProgressDialog progress;
    progress.setWindowTitle(QStringLiteral("Plurquiz Español"));
    progress.setLabelText(progressText);
    progress.setRange(0, 0);
    progress.setCancelButton(nullptr);
    progress.setMinimumDuration(600);
    progress.setWindowFlag(Qt::WindowStaysOnTopHint);
    progress.setValue(0);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    guard.start(10 * 60 * 1000);
    if (process.state() != QProcess::NotRunning) loop.exec();
    progress.close();
}

}  // namespace

app::LegacyImporter importerWithProgress(const QString& toolPath) {
    return [toolPath](const QString& mdbPath, const QString& targetPath, const QString& progressText) {
        return app::runImportTool(toolPath, mdbPath, targetPath, [&progressText](QProcess& process) {
            showProgressUntilDone(process, progressText);
        });
    };
}

}  // namespace qtui
