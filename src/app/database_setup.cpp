// Finding, creating and checking the database file at start-up.
#include "database_setup.h"

#include <QDir>
#include <QFileInfo>

#include "base/random_source.h"
#include "problem_text.h"
#include "store/material.h"
#include "store/store_error.h"
#include "text/ui_text.h"

namespace app {

namespace {
const QString kFileName = QStringLiteral("st_data.sqlite");
const QString kLegacyName = QStringLiteral("st_data.mdb");
}  // namespace

QString databasePathFor(const QString& appFolder, const QString& appDataDir, bool installed) {
    if (!installed) {
        const QString local = appFolder + kFileName;
        if (QFileInfo::exists(local)) return local;
        if (QFileInfo(appFolder).isDir() && store::mayWrite(appFolder)) return local;
    }
    QDir().mkpath(appDataDir);
    return QDir(appDataDir).filePath(kFileName);
}

bool isInstalledCopy(const QString& programDir) {
    return QFileInfo::exists(
        QDir(programDir).filePath(QStringLiteral("../share/applications/%1.desktop").arg(kInstalledId)));
}

SetupOutcome setUpDatabase(const QString& path, const QString& appFolder, int langBase,
                           const LegacyImporter& importLegacy) {
    SetupOutcome outcome;
    outcome.path = path;
    if (!QFileInfo::exists(path)) {
        const QString legacy = appFolder + kLegacyName;
        if (QFileInfo::exists(legacy)) {
            // The learner's own material must not be replaced by the built-in one.
            outcome.legacyPath = legacy;
            if (!importLegacy) {
                outcome.import = SetupOutcome::Import::Unavailable;
                return outcome;
            }
            const LegacyImportResult result =
                importLegacy(legacy, path, text::uiText(text::KeyImporting, langBase));
            if (!result.ok()) {
                outcome.import = SetupOutcome::Import::Failed;
                outcome.detail = result.failure;
                return outcome;
            }
            outcome.import =
                result.logStartedEmpty ? SetupOutcome::Import::LogStartedEmpty : SetupOutcome::Import::Done;
        } else {
            const store::MaterialRead material = store::builtInMaterial();
            try {
                if (!material.ok()) throw store::StoreError(material.problems.join(QLatin1Char('\n')));
                base::RandomSource random;
                store::createDatabaseFile(path, material.rows, random);
            } catch (const store::StoreError& e) {
                outcome.problem = store::Problem::CannotCreate;
                outcome.detail = e.message();
                return outcome;
            }
        }
    }
    const store::FileStatus status = store::Database::check(path);
    outcome.problem = status.problem;
    outcome.detail = status.detail;
    return outcome;
}

SetupOutcome::Use SetupOutcome::use() const {
    using store::Problem;
    switch (problem) {
        case Problem::None:
        case Problem::Locked:  // another program's write ends; the next one of ours may go through
            return importRefused() ? Use::None : Use::Write;
        case Problem::ReadOnly:
        case Problem::FolderReadOnly:
        case Problem::LaterLayout:
            return Use::Read;
        default:
            return Use::None;
    }
}

std::unique_ptr<store::Database> openDatabase(const QString& path, const std::optional<SetupOutcome>& atStart,
                                              bool readOnly) {
    const SetupOutcome::Use use = atStart ? atStart->use() : SetupOutcome::Use::Write;
    if (use == SetupOutcome::Use::None) {
        // Nothing was made of an old file that could not be taken over: the file is not there.
        const store::Problem why = atStart->importRefused() ? store::Problem::Missing : atStart->problem;
        throw store::StoreError(why, atStart->detail);
    }
    return std::make_unique<store::Database>(path, readOnly || use == SetupOutcome::Use::Read);
}

SetupOutcome databaseNow(const SetupOutcome& atStart) {
    const bool nothingMade = atStart.importRefused() || atStart.problem == store::Problem::CannotCreate;
    if (nothingMade && !QFileInfo::exists(atStart.path)) return atStart;
    SetupOutcome now;
    now.path = atStart.path;
    const store::FileStatus status = store::Database::check(now.path);
    now.problem = status.problem;
    now.detail = status.detail;
    return now;
}

QString SetupOutcome::message(int langBase) const {
    using text::uiText;
    if (import == Import::Failed) return uiText(text::KeyImportFailed, langBase).arg(legacyPath, detail);
    if (import == Import::Unavailable) return uiText(text::KeyNoImporter, langBase).arg(legacyPath);
    switch (problem) {
        case store::Problem::None:
            if (import != Import::LogStartedEmpty) return {};
            return uiText(text::KeyLogStartedEmpty, langBase).arg(legacyPath, path);
        case store::Problem::Missing:
            return uiText(text::KeyFileGone, langBase).arg(path);
        case store::Problem::CannotCreate:
            return uiText(text::KeyCannotCreate, langBase).arg(path);
        case store::Problem::Locked:
            return uiText(text::KeyLocked, langBase).arg(path);
        case store::Problem::ReadOnly:
            return uiText(text::KeyReadOnly, langBase).arg(path);
        case store::Problem::Damaged:
            return uiText(text::KeyDamaged, langBase).arg(path);
        case store::Problem::MissingTable:
            return uiText(text::KeyMissingTable, langBase).arg(path, detail);
        case store::Problem::Foreign:
            return uiText(text::KeyForeign, langBase).arg(path, detail);
        case store::Problem::LaterLayout:
            return uiText(text::KeyLaterLayout, langBase).arg(path);
        case store::Problem::CannotOpen:
        case store::Problem::DiskFull:
        case store::Problem::DiskError:
        case store::Problem::Refused:
        case store::Problem::DeletedMeanwhile:
        case store::Problem::NoRecord:
        case store::Problem::Other:
            return uiText(text::KeyCannotOpen, langBase).arg(path, problemText(problem, detail, langBase));
        case store::Problem::Empty:
            return uiText(text::KeyEmptyFile, langBase).arg(path);
        case store::Problem::FolderReadOnly:
            return uiText(text::KeyFolderReadOnly, langBase).arg(path);
    }
    return {};
}

forms::MsgIcon SetupOutcome::icon() const {
    if (problem == store::Problem::None && import == Import::LogStartedEmpty)
        return forms::MsgIcon::Information;
    return use() == Use::Read ? forms::MsgIcon::Exclamation : forms::MsgIcon::Critical;
}

}  // namespace app
