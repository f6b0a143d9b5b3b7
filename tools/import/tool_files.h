// The files the tool reads and writes as a whole: text in, checked for what a text file never
// holds, and exports out, written at the name given and nowhere else.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <functional>

namespace importtool {

// Whether anything stands at `path`: a file, a folder, or a symbolic link, even one that leads
// nowhere.
bool pathTaken(const QString& path);

// The text of a UTF-8 file (a byte order mark dropped). Throws ToolError naming the file and the
// line when it cannot be read, holds bytes that are not UTF-8, or holds a NUL character.
// `saveAs` is what the person is told to save it as ("UTF-8", "CSV UTF-8").
QString readTextFile(const QString& path, const QString& saveAs);

// Writes `bytes` as the file `path`, once complete: whatever stands there (a file, or a symbolic
// link, which is replaced itself and never written through) is replaced only then. Throws
// ToolError; leaves nothing behind on failure.
void writeWholeFile(const QString& path, const QByteArray& bytes);
// The same, for contents written piece by piece by `write`, which says whether every piece was
// written. What `write` throws leaves nothing behind either.
void writeWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write);

// The folder a new file goes into must be there and writable; throws ToolError saying which.
void checkTargetFolder(const QString& file);

// Before an export of `database` to `file` (CSV, GIFT, Moodle XML): the target free (unless it is to be
// replaced), the database readable (a locked or read-only one can still be read), the target's folder
// writable. Throws ToolError saying what is wrong.
void checkExport(const QString& database, const QString& file, bool replace);

// The warning lines for temporary files that a run ended while it wrote had left, now removed.
QStringList leftoversRemoved(const QStringList& files);

}  // namespace importtool
