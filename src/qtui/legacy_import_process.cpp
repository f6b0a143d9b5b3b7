// The import process and its progress window.
#include "legacy_import_process.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QProgressDialog>
#include <QTimer>

namespace qtui {

QString importInSeparateProcess(const QString& mdbPath, const QString& targetPath, const QString& progressText) {
    const QString tool = QDir(QApplication::applicationDirPath()).filePath(QStringLiteral("plurquiz-import"));
    if (!QFileInfo(tool).isExecutable())
        return QStringLiteral("The import program %1 is missing.").arg(tool);
    QProcess process;
    process.setProgram(tool);
    process.setArguments({mdbPath, targetPath});
    process.start();
    if (!process.waitForStarted(5000)) return QStringLiteral("The import program could not be started.");

    // Progress appears only if the import takes more than a moment.
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
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        return QStringLiteral("The import did not finish in time.");
    }
    const QString errors = QString::fromUtf8(process.readAllStandardError()).trimmed();
    if (process.exitStatus() != QProcess::NormalExit)
        return QStringLiteral("The import program stopped unexpectedly while reading the file.");
    if (process.exitCode() != 0) return errors.isEmpty() ? QStringLiteral("The import failed.") : errors;
    return {};
}

}  // namespace qtui
