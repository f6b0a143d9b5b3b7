// The test window's scoring, failed-item log, evaluation and the link to the failed items.
#include <cmath>

#include "app/window_names.h"
#include "forms/platform.h"
#include "forms/window_registry.h"
#include "store/store_error.h"
#include "test_window.h"
#include "text/ui_text.h"

namespace test {

void TestWindow::score() {
    // Exactly, letter case included.
    if (Label9.caption == Label10.caption) {
        ++ctx.g.CorrectCount;
        recordAnswer(true);
        Label9.caption = QStringLiteral("0");
        return;
    }
    const bool sequential = Command2.visible;
    try {
        QString solution;
        if (sequential)
            solution = data1_->field(QStringLiteral("felelet1")).toString();
        else if (randomView_)
            solution = randomView_->field(QStringLiteral("felelet1")).toString();
        store::BoundView log(*db_, QStringLiteral("hiba1"));
        log.addNew();
        log.setField(QStringLiteral("hiba"), Label9.caption);
        log.setField(QStringLiteral("mondat"), Label13.caption);
        log.setField(QStringLiteral("a"), Label14.caption);
        log.setField(QStringLiteral("b"), Label12.caption);
        log.setField(QStringLiteral("c"), Label15.caption);
        log.setField(QStringLiteral("d"), Label16.caption);
        log.setField(QStringLiteral("felelet1"), solution);
        log.setField(QStringLiteral("felelet2"), Label10.caption);
        log.update();  // committed at once: the row is on disk before the next sentence shows
    } catch (const store::StoreError& e) {
        // The learner is told, and the run stays on this sentence with its answer, so that Next
        // can try again (the score has not counted it yet).
        AppForm::message(uiText(text::KeyLogWriteFailed).arg(ctx.g.DatabasePath, e.message()),
                         forms::MsgIcon::Exclamation, TitleWord);
        throw;
    }
    recordAnswer(false);
    Label9.caption = QStringLiteral("0");
}

int TestWindow::shownSerial() const {
    if (Command2.visible) return data1_->field(QStringLiteral("sorszam")).toInt();
    if (randomView_) return randomView_->field(QStringLiteral("sorszam")).toInt();
    throw store::StoreError(QStringLiteral("No sentence is shown."));
}

void TestWindow::recordAnswer(bool right) {
    if (!history_.active() || !db_) return;
    progress::RecordedAnswer answer;
    answer.chosen = Label9.caption;
    answer.right = Label10.caption;
    answer.correct = right;
    if (shownAt_.isValid()) answer.seconds = shownAt_.msecsTo(ctx.platform.now()) / 1000.0;
    try {
        answer.serial = shownSerial();
    } catch (const store::StoreError& e) {
        history_.refused(e.message());
        tellHistoryFailure();
        return;
    }
    if (!history_.answer(*db_, answer)) tellHistoryFailure();
}

void TestWindow::tellHistoryFailure() {
    if (!history_.takeFailureNotice()) return;
    AppForm::message(uiText(text::KeyHistoryWriteFailed).arg(ctx.g.DatabasePath, history_.lastFailure()),
                     forms::MsgIcon::Information, TitleWord);
}

void TestWindow::Command5_Click() {
    Timer1.setEnabled(false);
    score();
    if (Command2.visible) advanceSequential();
    Command5.visible = false;
    evaluate();
    ctx.g.RunLength = 0;
    ctx.g.DelayMs = 0;
}

void TestWindow::evaluate() {
    Frame3D1.visible = false;
    Frame3D2.visible = true;
    Command3.visible = true;
    setFocus(Command3);
    Command2.visible = Command4.visible = false;
    // A counted run ends by itself; its Evaluation button would score a sentence no longer shown.
    Command5.visible = false;
    for (forms::Control* c :
         {&Label13, &Label14, &Label12, &Label15, &Label16, &Label1, &Label2, &Label3, &Label4, &Label11,
          &Label22, &lblOfRun, &Label19, &Label20, &Label23, &Label25, &lblSecondsLeft})
        c->visible = false;
    Timer2.setEnabled(false);
    ctx.g.DelayMs = ctx.g.RunLength = ctx.g.TestMode = 0;
    Label23.caption.clear();
    Label25.caption.clear();
    ctx.g.ScorePercent = ctx.g.CorrectCount * 100.0 / ctx.g.SentenceCounter;
    Label18.caption = QStringLiteral("%1/%2").arg(ctx.g.CorrectCount).arg(ctx.g.SentenceCounter);
    // Halves go to the even neighbour: 12.5 gives 12, 13.5 gives 14.
    Label21.caption =
        QString::number(static_cast<long long>(std::nearbyint(ctx.g.ScorePercent))) + QLatin1Char('%');
    Label17.visible = ctx.g.ScorePercent != 100.0;
    settings.mnuSettings.enabled = true;
    mnuStart.enabled = true;
    if (history_.active() && db_ &&
        !history_.finish(*db_, ctx.platform.now(), ctx.g.SentenceCounter, ctx.g.CorrectCount))
        tellHistoryFailure();
}

void TestWindow::Label17_Click() {
    Frame3D2.visible = false;
    Label17.visible = false;
    forms::Form* review = ctx.windows.show(app::kReview);
    ctx.platform.setTopmost(*this, false);
    if (review) ctx.platform.setTopmost(*review, true);
}

}  // namespace test
