// What the engine's result codes mean to someone running the tool.
#include "plain_failure.h"

#include <QDir>
#include <QFileInfo>

#include "store/database.h"
#include "tool_error.h"

namespace importtool {

namespace {

QString display(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString meaning(int code) {
    using namespace store::engine;
    switch (code) {
        case kFull:
            return QStringLiteral(
                "the file cannot be written because the disk is full; free some space and run the "
                "command again");
        case kCantOpen:
            return QStringLiteral(
                "the file cannot be opened or created; check that its folder exists and that you "
                "may write in it, then run the command again");
        case kReadOnly:
            return QStringLiteral(
                "the file cannot be written because it or its folder is read-only; make both "
                "writable, then run the command again");
        case kPerm:
        case kAuth:
            return QStringLiteral(
                "the system does not allow the file to be used; check the permissions of the file "
                "and its folder, then run the command again");
        case kBusy:
        case kLocked:
            return QStringLiteral(
                "the file is in use by another program; close that program, then run the command "
                "again");
        case kCorrupt:
        case kNotADb:
            return QStringLiteral(
                "the file is damaged or is not a Plurquiz database; use a good copy of it, or give "
                "the name of a new file");
        case kIoErr:
            return QStringLiteral(
                "the disk reported an error while reading or writing the file; check the disk, or "
                "work on a copy of the file on another disk");
        case kNoMem:
            return QStringLiteral(
                "there is not enough memory; close other programs, then run the command again");
        default:
            return QStringLiteral(
                       "the database engine failed%1; run the command again, and if it fails again, work "
                       "on a copy of the file in another folder")
                .arg(code > 0 ? QStringLiteral(" (SQLite error %1)").arg(code) : QString());
    }
}

}  // namespace

QString plainFailure(const QString& file, const store::StoreError& error) {
    const QString words = error.engineCode() != 0 ? meaning(error.engineCode()) : error.message();
    return QStringLiteral("%1: %2").arg(display(file), words);
}

QString describeStatus(const store::FileStatus& status) {
    switch (status.problem) {
        case store::Problem::None:
            return {};
        case store::Problem::Missing:
            return QStringLiteral("the file does not exist; check its name and folder");
        case store::Problem::Empty:
            return QStringLiteral(
                "the file is empty (0 bytes), so it holds no database; delete it or give another "
                "file name");
        case store::Problem::FolderReadOnly:
            return QStringLiteral(
                "its folder cannot be written, and the database must keep a journal file beside it "
                "while it writes; make the folder writable and run the command again");
        case store::Problem::MissingTable:
            return QStringLiteral(
                       "the file has no table %1, so it is not a Plurquiz database; give the name of one")
                .arg(status.detail);
        case store::Problem::Locked:
            return QStringLiteral(
                "the file is in use by another program; close that program, then run the command "
                "again");
        case store::Problem::ReadOnly:
            return QStringLiteral("the file is read-only; make it writable, then run the command again");
        case store::Problem::Damaged:
            return QStringLiteral(
                "the file is damaged or is not a Plurquiz database; use a good copy of it, or give "
                "the name of a new file");
        case store::Problem::Foreign:
            return QStringLiteral(
                       "the file holds triggers or views that Plurquiz did not make (%1), which could change "
                       "or hide its data; it is left as it is")
                .arg(status.detail);
        case store::Problem::LaterLayout:
            return QStringLiteral(
                "the file was made by a later version of Plurquiz; change it with that version");
        case store::Problem::CannotCreate:
        case store::Problem::CannotOpen:
        case store::Problem::DiskFull:
        case store::Problem::DiskError:
        case store::Problem::Refused:
        case store::Problem::DeletedMeanwhile:
        case store::Problem::NoRecord:
        case store::Problem::Other:
            return QStringLiteral(
                "the file cannot be opened as a database; check that you may read it, then run the "
                "command again");
    }
    return {};
}

void checkNewFile(const QString& path) {
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink())  // a link that leads nowhere is there too
        throw ToolError(
            QStringLiteral("%1: the file exists already and is left as it is; give the name of a file "
                           "that does not exist yet")
                .arg(display(path)));
    const QString folder = info.absolutePath();
    if (!QFileInfo(folder).isDir())
        throw ToolError(
            QStringLiteral("%1: the folder %2 does not exist; create it, or give another place for the "
                           "new file")
                .arg(display(path), display(folder)));
    if (!store::mayWrite(folder))
        throw ToolError(
            QStringLiteral("%1: you may not write in the folder %2; give a folder you may write in, or "
                           "allow writing in this one")
                .arg(display(path), display(folder)));
}

}  // namespace importtool
