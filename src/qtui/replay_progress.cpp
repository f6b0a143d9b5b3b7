// The progress dialog of the memory's rebuild.
#include "replay_progress.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <memory>

#include "memory/memory_store.h"
#include "text/ui_text.h"

namespace qtui {

void showReplayProgress(const app::Context& ctx) {
    memory::setReplayProgress([&ctx](int done, int total) {
        static std::unique_ptr<QProgressDialog> dialog;
        if (total <= kReplayShownFrom) return;
        if (!dialog) {
            const int lang = text::isLangBase(ctx.g.LangBase) ? ctx.g.LangBase : text::English;
            dialog = std::make_unique<QProgressDialog>();
            dialog->setWindowTitle(text::uiText(65, lang));
            dialog->setLabelText(text::uiText(text::KeyMemoryRebuilding, lang).arg(total));
            dialog->setCancelButton(nullptr);  // the rebuild is one transaction: it runs to its end
            dialog->setWindowModality(Qt::ApplicationModal);
            dialog->setMinimumDuration(0);
            dialog->setRange(0, total);
        }
        dialog->setValue(done);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (done >= total) dialog.reset();
    });
}

}  // namespace qtui
