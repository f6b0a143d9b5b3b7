// The sentence for each problem with the database file.
#include "problem_text.h"

#include "text/ui_text.h"

namespace app {

namespace {

int keyOf(store::Problem problem) {
    using store::Problem;
    switch (problem) {
        case Problem::None:
            return -1;
        case Problem::Missing:
            return text::KeyCauseMissing;
        case Problem::CannotCreate:
        case Problem::CannotOpen:
            return text::KeyCauseCannotOpen;
        case Problem::Locked:
            return text::KeyCauseLocked;
        case Problem::ReadOnly:
        case Problem::FolderReadOnly:
            return text::KeyCauseReadOnly;
        case Problem::Damaged:
            return text::KeyCauseDamaged;
        case Problem::MissingTable:
            return text::KeyCauseMissingTable;
        case Problem::Empty:
            return text::KeyCauseEmpty;
        case Problem::Foreign:
            return text::KeyCauseForeign;
        case Problem::LaterLayout:
            return text::KeyCauseLaterLayout;
        case Problem::DiskFull:
            return text::KeyCauseDiskFull;
        case Problem::DiskError:
            return text::KeyCauseDiskError;
        case Problem::Refused:
            return text::KeyCauseRefused;
        case Problem::DeletedMeanwhile:
            return text::KeyCauseDeletedMeanwhile;
        case Problem::NoRecord:
            return text::KeyCauseNoRecord;
        case Problem::Other:
            return text::KeyCauseOther;
    }
    return text::KeyCauseOther;
}

bool namesTheDetail(store::Problem problem) {
    return problem == store::Problem::MissingTable || problem == store::Problem::Foreign;
}

}  // namespace

QString problemText(store::Problem problem, const QString& detail, int langBase) {
    const int key = keyOf(problem);
    if (key < 0) return {};
    if (namesTheDetail(problem)) return text::uiText(key, langBase).arg(detail);
    QString sentence = text::uiText(key, langBase);
    if (!detail.isEmpty())
        sentence += QLatin1Char('\n') + text::uiText(text::KeyCauseDetail, langBase).arg(detail);
    return sentence;
}

QString problemText(const store::StoreError& error, int langBase) {
    // The store's own words for these only say again in English what the sentence says.
    using store::Problem;
    const Problem p = error.problem();
    const bool restated = error.engineCode() == 0 &&
                          (p == Problem::NoRecord || p == Problem::DeletedMeanwhile || p == Problem::Missing);
    return problemText(p, restated ? QString() : error.message(), langBase);
}

}  // namespace app
