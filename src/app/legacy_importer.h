// Taking over an old .mdb file at start-up: what the program is given to do it, and the run of
// plurquiz-import that does it in a process of its own.
#pragma once

#include <QString>
#include <functional>

class QProcess;

namespace app {

struct LegacyImportResult {
    QString failure;               // why nothing was taken over; empty when the new file was made
    bool logStartedEmpty = false;  // the sentences came over, but the old failed-item log could not
    bool ok() const { return failure.isEmpty(); }
};

// Takes over the old file at `mdbPath` into a new database file at `targetPath`, showing
// `progressText` while it works. Start-up cannot run without one: an old file beside the program
// is the learner's own material and must never be passed over for the built-in one.
using LegacyImporter = std::function<LegacyImportResult(const QString& mdbPath, const QString& targetPath,
                                                        const QString& progressText)>;

// Runs plurquiz-import at `toolPath`. `whileRunning` is called once the process has started and
// returns when it has finished or is to be given up (the program shows its progress there);
// without it the call waits for the process. A process still running afterwards is killed.
LegacyImportResult runImportTool(const QString& toolPath, const QString& mdbPath, const QString& targetPath,
                                 const std::function<void(QProcess&)>& whileRunning = {});

// The line plurquiz-import prints on standard error, exiting with success, when it took over the
// sentences of `source` but could not read its failed-item log (`reason`).
QString logStartedEmptyWarning(const QString& source, const QString& reason);

}  // namespace app
