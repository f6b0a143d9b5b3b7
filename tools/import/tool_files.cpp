// Reading and writing whole files.
#include "tool_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <system_error>

#include "exchange_sentence.h"
#include "plain_failure.h"
#include "store/database.h"
#include "tool_error.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace importtool {

namespace {

QString display(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString cannotWrite(const QString& path, const QString& why) {
    return QStringLiteral(
               "%1: the file cannot be written (%2); check that there is space on the disk and that you "
               "may write in the folder, then run the command again")
        .arg(display(path), why);
}

}  // namespace

bool pathTaken(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString readTextFile(const QString& path, const QString& saveAs) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ToolError(
            QStringLiteral("%1: the file cannot be read (%2); check its name and that you may read it")
                .arg(display(path), file.errorString()));
    const DecodedText decoded = decodeUtf8(file.readAll());
    if (decoded.badLine > 0)
        throw ToolError(QStringLiteral("%1: line %2: the file is not UTF-8 text (a byte there belongs to "
                                       "another code page); save it again as %3")
                            .arg(display(path))
                            .arg(decoded.badLine)
                            .arg(saveAs));
    if (decoded.nulLine > 0)
        throw ToolError(QStringLiteral("%1: line %2: the file holds a NUL byte (a byte 0), which a text "
                                       "never has; save it again as %3")
                            .arg(display(path))
                            .arg(decoded.nulLine)
                            .arg(saveAs));
    return decoded.text;
}

void writeWholeFile(const QString& path, const QByteArray& bytes) {
    writeWholeFile(path, [&bytes](QIODevice& out) { return out.write(bytes) == bytes.size(); });
}

void writeWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write) {
    // A temporary file beside the target, renamed over the name itself: a rename replaces a
    // symbolic link rather than the file it leads to.
    const QFileInfo info(path);
    QTemporaryFile temp(info.absolutePath() + QLatin1Char('/') + info.fileName() + QStringLiteral(".XXXXXX"));
    if (!temp.open()) throw ToolError(cannotWrite(path, temp.errorString()));
    temp.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    bool written = write(temp) && temp.flush();
#ifdef Q_OS_UNIX
    written = written && ::fsync(temp.handle()) == 0;
#endif
    if (!written) throw ToolError(cannotWrite(path, temp.errorString()));
    temp.close();
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(temp.fileName()).toStdString(),
                            QFile::encodeName(info.absoluteFilePath()).toStdString(), error);
    if (error) throw ToolError(cannotWrite(path, QString::fromStdString(error.message())));
    temp.setAutoRemove(false);  // it is the file now
}

QStringList leftoversRemoved(const QStringList& files) {
    QStringList lines;
    for (const QString& file : files)
        lines << QStringLiteral("%1: left behind by an import that was ended while it wrote; removed")
                     .arg(display(file));
    return lines;
}

void checkTargetFolder(const QString& file) {
    const QString folder = QFileInfo(file).absolutePath();
    if (!QFileInfo(folder).isDir())
        throw ToolError(
            QStringLiteral("%1: the folder %2 does not exist; create it, or give another place for the "
                           "file")
                .arg(display(file), display(folder)));
    if (!store::mayWrite(folder))
        throw ToolError(
            QStringLiteral("%1: you may not write in the folder %2; give a folder you may write in")
                .arg(display(file), display(folder)));
}

void checkExport(const QString& database, const QString& file, bool replace) {
    if (!replace && pathTaken(file))
        throw ToolError(
            QStringLiteral("%1: the file exists already and is left as it is; give another file name, "
                           "or add --force to replace it")
                .arg(display(file)));
    const store::FileStatus status = store::Database::check(database);
    if (status.problem != store::Problem::None && status.problem != store::Problem::Locked &&
        status.problem != store::Problem::ReadOnly && status.problem != store::Problem::FolderReadOnly)
        throw ToolError(QStringLiteral("%1: %2").arg(display(database), describeStatus(status)));
    checkTargetFolder(file);
}

}  // namespace importtool
