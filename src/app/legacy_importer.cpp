// Running the import tool and reading what it did.
#include "legacy_importer.h"

#include <QFileInfo>
#include <QProcess>

namespace app {

namespace {
// Thousands of rows take well under a second; ten minutes is a process that will not finish.
constexpr int kLongestImportMs = 10 * 60 * 1000;
const QString kLogStartedEmpty = QStringLiteral(
    "the sentences were taken over, and the new database starts with an empty failed-item log");
}  // namespace

QString logStartedEmptyWarning(const QString& source, const QString& reason) {
    return QStringLiteral("%1: warning: the failed-item log cannot be read (%2); %3.")
        .arg(source, reason, kLogStartedEmpty);
}

LegacyImportResult runImportTool(const QString& toolPath, const QString& mdbPath, const QString& targetPath,
                                 const std::function<void(QProcess&)>& whileRunning) {
    if (!QFileInfo(toolPath).isExecutable())
        return {QStringLiteral("The import program %1 is missing.").arg(toolPath)};
    QProcess process;
    process.setProgram(toolPath);
    process.setArguments({mdbPath, targetPath});
    process.start();
    if (!process.waitForStarted(5000)) return {QStringLiteral("The import program could not be started.")};
    if (whileRunning)
        whileRunning(process);
    else
        process.waitForFinished(kLongestImportMs);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        return {QStringLiteral("The import did not finish in time.")};
    }
    const QString errors = QString::fromUtf8(process.readAllStandardError()).trimmed();
    if (process.exitStatus() != QProcess::NormalExit)
        return {QStringLiteral("The import program stopped unexpectedly while reading the file.")};
    if (process.exitCode() != 0) return {errors.isEmpty() ? QStringLiteral("The import failed.") : errors};
    LegacyImportResult result;
    result.logStartedEmpty = errors.contains(kLogStartedEmpty);
    return result;
}

}  // namespace app
