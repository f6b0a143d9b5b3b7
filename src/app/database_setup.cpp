// Finding, creating and checking the database file at start-up.
#include "database_setup.h"

#include <QDir>
#include <QFileInfo>

#include "forms/random_source.h"
#include "store/material.h"
#include "store/store_error.h"
#include "text/ui_text.h"

namespace app {

namespace {
const QString kFileName = QStringLiteral("st_data.sqlite");
const QString kLegacyName = QStringLiteral("st_data.mdb");

LegacyImporter& importer() {
    static LegacyImporter instance;
    return instance;
}
}  // namespace

void setLegacyImporter(LegacyImporter imp) { importer() = std::move(imp); }

QString databasePathFor(const QString& appFolder, const QString& appDataDir) {
    const QString local = appFolder + kFileName;
    if (QFileInfo::exists(local)) return local;
    if (QFileInfo(appFolder).isDir() && store::mayWrite(appFolder)) return local;
    QDir().mkpath(appDataDir);
    return QDir(appDataDir).filePath(kFileName);
}

SetupOutcome setUpDatabase(const QString& path, const QString& appFolder, int langBase) {
    SetupOutcome outcome;
    outcome.path = path;
    if (!QFileInfo::exists(path)) {
        const QString legacy = appFolder + kLegacyName;
        if (QFileInfo::exists(legacy) && importer()) {
            const QString reason = importer()(legacy, path, text::uiText(text::KeyImporting, langBase));
            if (!reason.isEmpty()) {
                // The learner's own material must not be replaced by the built-in one.
                outcome.importFailed = true;
                outcome.path = legacy;
                outcome.detail = reason;
                return outcome;
            }
        } else {
            const store::MaterialRead material = store::builtInMaterial();
            try {
                if (!material.ok()) throw store::StoreError(material.problems.join(QLatin1Char('\n')));
                forms::RandomSource random;
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

QString SetupOutcome::message(int langBase) const {
    if (importFailed) return text::uiText(text::KeyImportFailed, langBase).arg(path, detail);
    switch (problem) {
        case store::Problem::None: return {};
        case store::Problem::Missing:
        case store::Problem::CannotCreate: return text::uiText(text::KeyCannotCreate, langBase).arg(path);
        case store::Problem::Locked: return text::uiText(text::KeyLocked, langBase).arg(path);
        case store::Problem::ReadOnly: return text::uiText(text::KeyReadOnly, langBase).arg(path);
        case store::Problem::Damaged: return text::uiText(text::KeyDamaged, langBase).arg(path);
        case store::Problem::MissingTable: return text::uiText(text::KeyMissingTable, langBase).arg(path, detail);
        case store::Problem::CannotOpen: return text::uiText(text::KeyCannotOpen, langBase).arg(path, detail);
    }
    return {};
}

forms::MsgIcon SetupOutcome::icon() const {
    return problem == store::Problem::ReadOnly ? forms::MsgIcon::Exclamation : forms::MsgIcon::Critical;
}

}  // namespace app
