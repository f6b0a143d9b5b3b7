// The test window's scoring, failed-item log, evaluation and the link to the failed items.
#include <cmath>

#include "app/window_names.h"
#include "forms/platform.h"
#include "forms/window_registry.h"
#include "store/store_error.h"
#include "test_window.h"
#include "text/ui_text.h"

namespace quiz {

void TestWindow::score() {
    // Exactly, letter case included.
    // A written answer counts as the option it equals, else as none ("0"); a test is strict, so an
    // answer almost right (a slip of accent or capital letter) is wrong.
    std::optional<written::Judgement> typed;
    if (writing_.on() && written.box.visible) {
        typed = writing_.judge(optionsShown(), QStringLiteral("ABCD").indexOf(Label10.caption));
        Label9.caption = app::letterOf(*typed);
    }
    const bool right = Label9.caption == Label10.caption;
    progress::AnswerUnit unit;
    unit.answer.chosen = Label9.caption;
    unit.answer.right = Label10.caption;
    unit.answer.correct = right;
    const QDateTime now = ctx.platform.now();
    if (shownAt_.isValid()) unit.answer.seconds = shownAt_.msecsTo(now) / 1000.0;
    unit.memory = memory::AnswerEvent{memory::Source::Test,
                                      right ? memory::Grade::Good : memory::Grade::Again,
                                      right,
                                      now,
                                      typed ? std::optional<QString>(typed->typed) : std::nullopt,
                                      typed ? static_cast<int>(typed->verdict) : -1};
    if (right) {
        ++ctx.g.CorrectCount;
        try {
            unit.answer.serial = shownSerial();
            // A refused write keeps the answer for the next one; the run goes on.
            history_.answer(*db_, std::move(unit));
        } catch (const store::StoreError& e) {
            history_.refused(e);
        }
        tellHistoryFailure();
        Label9.caption = QStringLiteral("0");
        return;
    }
    try {
        unit.answer.serial = shownSerial();
        unit.failed = failedItemShown();
        history_.answer(*db_, std::move(unit), progress::RunRecorder::IfRefused::Throw);
    } catch (const store::StoreError& e) {
        // Neither the failed item nor the answer is stored. The learner is told, and the run stays
        // on this sentence with its answer, so that Next can try again (the score has not counted
        // it yet); a timed run waits for that Next rather than telling again at every delay.
        stopTimers();
        AppForm::message(uiText(text::KeyLogWriteFailed).arg(ctx.g.DatabasePath, reason(e)),
                         forms::MsgIcon::Exclamation, TitleWord);
        throw;
    }
    tellHistoryFailure();  // answers kept from before that the file refuses for good
    Label9.caption = QStringLiteral("0");
}

progress::FailedItem TestWindow::failedItemShown() const {
    progress::FailedItem item;
    item.chosen = Label9.caption;
    item.sentence = Label13.caption;
    item.a = Label14.caption;
    item.b = Label12.caption;
    item.c = Label15.caption;
    item.d = Label16.caption;
    if (Command2.visible)
        item.solution = data1_->field(QStringLiteral("felelet1")).toString();
    else if (randomView_)
        item.solution = randomView_->field(QStringLiteral("felelet1")).toString();
    item.right = Label10.caption;
    return item;
}

std::array<QString, 4> TestWindow::optionsShown() const {
    std::array<QString, 4> options;
    const char* names[] = {"a", "b", "c", "d"};
    for (size_t i = 0; i < 4; ++i) {
        const QString name = QString::fromLatin1(names[i]);
        if (Command2.visible && data1_ && !data1_->eof() && !data1_->bof())
            options[i] = data1_->field(name).toString();
        else if (randomView_)
            options[i] = randomView_->field(name).toString();
    }
    return options;
}

int TestWindow::shownSerial() const {
    if (Command2.visible) return data1_->field(QStringLiteral("sorszam")).toInt();
    if (randomView_) return randomView_->field(QStringLiteral("sorszam")).toInt();
    throw store::StoreError(QStringLiteral("No sentence is shown."));
}

void TestWindow::settleHistory() {
    const int unwritten = history_.settle(db_.get());
    if (unwritten > 0)
        AppForm::message(uiText(text::KeyHistoryAnswersLost)
                             .arg(ctx.g.DatabasePath, reason(history_.lastFailure()))
                             .arg(unwritten),
                         forms::MsgIcon::Information, TitleWord);
}

void TestWindow::tellHistoryFailure() {
    if (!history_.takeFailureNotice()) return;
    AppForm::message(
        uiText(text::KeyHistoryWriteFailed).arg(ctx.g.DatabasePath, reason(history_.lastFailure())),
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
    writing_.leave();
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

}  // namespace quiz
