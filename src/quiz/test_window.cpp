// The test window: loading, Start, the two Next buttons, the timer, answering and the menus.
#include "test_window.h"

#include "app/window_names.h"
#include "forms/platform.h"
#include "forms/window_registry.h"
#include "store/random_pick.h"
#include "store/store_error.h"
#include "text/ui_text.h"

namespace quiz {

using forms::OnError;

TestWindow::TestWindow(app::Context& ctx) : app::TaskWindow(app::kTest, ctx, text::TitleWindow::Test) {
    caption = QStringLiteral("Test");
    mnuTest.enabled = false;
    mnuDatabase.enabled = false;
    for (forms::Control* c :
         {&Label22,  &Label11, &lblOfRun, &Label19, &Label25,  &Label20,  &Label23, &lblSecondsLeft, &Label13,
          &Frame3D1, &Label1,  &Label2,   &Label3,  &Label4,   &Label14,  &Label12, &Label15,        &Label16,
          &Label9,   &Label10, &Frame3D2, &Label17, &Command2, &Command4, &Command5})
        c->visible = false;
    Option3D5.visible = false;
    Option3D5.checked = true;
    // The sentence and its fillers are shown as written, '&' included.
    question().showAsWritten();
    const char* letters[] = {"A", "B", "C", "D"};
    forms::Control* options[] = {&Option3D1, &Option3D2, &Option3D3, &Option3D4};
    for (int i = 0; i < 4; ++i) {
        options[i]->spokenName = QString::fromLatin1(letters[i]);
        onClick(*options[i], [this, i] { Option_Click(i); });
    }

    onClick(Command3, &TestWindow::Command3_Click, OnError::EndQuietly);
    onClick(Command2, &TestWindow::Command2_Click, OnError::EndQuietly);
    onClick(Command4, &TestWindow::Command4_Click, OnError::EndQuietly);
    onClick(Command5, &TestWindow::Command5_Click, OnError::EndQuietly);
    onClick(Command6, &TestWindow::Command6_Click);
    onTimer(Timer1, &TestWindow::Timer1_Timer, OnError::EndQuietly);
    onTimer(Timer2, &TestWindow::Timer2_Timer);
    onKeyPress([this](QChar& key) { Form_KeyPress(key); });
    onClick(Label17, &TestWindow::Label17_Click);
    onClick(beg, &TestWindow::beg_Click);
    onClick(settings.mnuNumeroItem, &TestWindow::mnuNumeroItem_Click);
    onClick(settings.mnuTiempoItem, &TestWindow::mnuTiempoItem_Click);
    onClick(mnuProgress, [this] { switchTo(app::kProgress); });
    for (int i = 0; i < 9; ++i) onClick(*written.letters[size_t(i)], [this, i] { writing_.addLetter(i); });
    onClick(written.menu, [this] { writing_.toggle(); });
}

void TestWindow::message(int key, forms::MsgIcon icon) {
    AppForm::message(uiText(key), icon, TitleWord);
}

void TestWindow::Form_Load() {
    loadCommon(text::testTexts());
    writing_.load();
    Label17.caption = uiText(83);
    try {
        db_ = ctx.openDatabase();
        data1_ = std::make_unique<store::BoundView>(*db_, QStringLiteral("test1"));
        if (data1_->recordCount() == 0) {
            message(text::KeyTestNothingToTest, forms::MsgIcon::Exclamation);
            Command3.enabled = false;
            return;
        }
    } catch (const store::StoreError& e) {
        AppForm::message(uiText(text::KeySentencesCannotBeRead).arg(ctx.g.DatabasePath, reason(e)),
                         forms::MsgIcon::Critical, TitleWord);
        Command3.enabled = false;
        return;
    }
    // A starting point chosen before the window was closed still holds: the run starts there.
    if (ctx.g.TestMode == SequentialOrder && !ctx.g.TestStartFilter.isEmpty()) searchStartingPoint();
    showBound();
}

void TestWindow::Form_Unload() {
    settleHistory();
    ctx.g.RunLength = 0;
    ctx.g.DelayMs = 0;
}

void TestWindow::Command6_Click() {
    ctx.windows.show(app::kLauncher);
    ctx.windows.unload(app::kReview);
    ctx.windows.unload(name());
}

void TestWindow::showItemNumber(int n) {
    Label22.caption = QString::number(n);
    lblOfRun.caption = ctx.g.RunLength > 0 ? QStringLiteral("/ %1").arg(ctx.g.RunLength) : QString();
}

void TestWindow::Command3_Click() {
    settings.mnuSettings.enabled = false;
    Label9.caption = QStringLiteral("0");
    ctx.g.SentenceCounter = 1;
    ctx.g.CorrectCount = 0;
    ctx.g.StepCounter = 1;
    showItemNumber(ctx.g.StepCounter);
    Frame3D1.visible = true;
    Frame3D2.visible = false;
    Command3.caption = uiText(3);
    Command3.visible = false;
    if (ctx.g.DelayMs == 0) {
        if (ctx.g.TestMode == SequentialOrder) {
            Command2.visible = true;
        } else {
            Command4.visible = true;
            mnuStart.enabled = false;
        }
    }
    for (forms::Control* c : {&Label13, &Label14, &Label12, &Label15, &Label16, &Label1, &Label2, &Label3,
                              &Label4, &Label22, &Label11})
        c->visible = true;
    lblOfRun.visible = ctx.g.RunLength > 0;
    Label17.visible = false;
    selectOption(Option3D5);
    if (ctx.g.DelayMs > 0) {
        Command2.visible = false;
        Command4.visible = true;
        Timer1.setEnabled(true);
        Timer1.setInterval(ctx.g.DelayMs);
        restartCountdown();
    }
    settleHistory();
    history_.begin(ctx.platform.now(), {Command2.visible, ctx.g.RunLength, ctx.g.DelayMs / 1000});
    if (Command4.visible)
        randomDraw(false);
    else
        showBound();
    shownAt_ = ctx.platform.now();
    setFocus(Command2.visible ? Command2 : Command4);
}

void TestWindow::randomDraw(bool counting) {
    randomView_.reset();
    store::TableView view(*db_, QStringLiteral("test1"));
    view.selectIndex(QStringLiteral("sorszam"));
    view.moveLast();
    if (ctx.g.LargestSerial == 0) ctx.g.LargestSerial = view.field(QStringLiteral("sorszam")).toInt();
    store::pickRandomRow(view, ctx.g.LargestSerial, ctx.random);
    randomView_.emplace(std::move(view));
    selectOption(Option3D5);
    if (counting) ++ctx.g.SentenceCounter;
    showItemNumber(ctx.g.SentenceCounter);
    question().show([&](const QString& name) { return randomView_->field(name); }, app::Spacing::SetOff);
    newWrittenAnswer();
}

void TestWindow::newWrittenAnswer() {
    if (!Frame3D1.visible && !written.panel.visible) return;
    writing_.newSentence();
    // Enter in the box scores the answer and goes on, as Next does.
    written.check.visible = false;
    written.check.isDefault = false;
    Command2.isDefault = Command2.visible;
    Command4.isDefault = !Command2.visible;
}

void TestWindow::showBound() {
    // The labels bound to the sequential cursor show its record as stored.
    if (!data1_ || data1_->bof() || data1_->eof()) return;
    question().show([&](const QString& name) { return data1_->field(name); }, app::Spacing::AsStored);
    newWrittenAnswer();
}

void TestWindow::advanceSequential() {
    // Past the last record the run goes on with the first one, without an empty step.
    data1_->moveNext();
    if (data1_->eof()) data1_->moveFirst();
    showBound();
}

void TestWindow::Option_Click(int letter) {
    Label9.caption = QString(QChar(u'A' + letter));
    if (Command2.visible)
        setFocus(Command2);
    else if (Command4.visible)
        setFocus(Command4);
}

void TestWindow::Form_KeyPress(QChar& key) {
    if (writing_.on()) return;  // the letters a-d go into the answer box
    chooseByKey(key, Frame3D1, {&Option3D1, &Option3D2, &Option3D3, &Option3D4},
                [this](int letter) { Option_Click(letter); });
}

void TestWindow::Command2_Click() {
    next(true);
}

void TestWindow::Command4_Click() {
    next(false);
}

void TestWindow::next(bool sequential) {
    if (!Command5.visible && ctx.g.RunLength == 0) Command5.visible = true;
    score();
    if (ctx.g.DelayMs > 0) {
        // The next sentence gets the full delay (the delay is stopped while a refused write of the
        // sentence before waited for this Next).
        Timer1.setEnabled(false);
        Timer1.setEnabled(true);
        restartCountdown();
    }
    // The run ends on the Next that scores its last sentence, not on the one that shows it.
    if (ctx.g.SentenceCounter != ctx.g.RunLength) {
        if (sequential) {
            advanceSequential();
            selectOption(Option3D5);
            ++ctx.g.StepCounter;
            showItemNumber(ctx.g.StepCounter);
            ++ctx.g.SentenceCounter;
        } else {
            randomDraw(true);
        }
        shownAt_ = ctx.platform.now();
    } else {
        ctx.platform.beep();
        Timer1.setEnabled(false);
        evaluate();
    }
}

void TestWindow::Timer1_Timer() {
    ctx.platform.beep();
    if (Command2.visible)
        Command2_Click();
    else if (Command4.visible)
        Command4_Click();
}

void TestWindow::restartCountdown() {
    secondsLeft_ = ctx.g.DelayMs / 1000;
    lblSecondsLeft.caption = uiText(text::KeySecondsLeft).arg(secondsLeft_);
    lblSecondsLeft.visible = ctx.g.DelayMs > 0;
    Timer2.setEnabled(false);
    Timer2.setEnabled(ctx.g.DelayMs > 0);
}

void TestWindow::stopTimers() {
    Timer1.setEnabled(false);
    Timer2.setEnabled(false);
}

void TestWindow::Timer2_Timer() {
    secondsLeft_ = qMax(0, secondsLeft_ - 1);
    lblSecondsLeft.caption = uiText(text::KeySecondsLeft).arg(secondsLeft_);
}

void TestWindow::beg_Click(int index) {
    ctx.g.TestStartFilter = store::startingPointCriterion(index);
    searchStartingPoint();
    ctx.g.TestMode = SequentialOrder;
    showBound();
}

void TestWindow::searchStartingPoint() {
    // From the row after the first; a miss leaves the first row. Errors end it without a word.
    if (!data1_) return;
    try {
        data1_->refresh();
        data1_->findNext(ctx.g.TestStartFilter);
    } catch (const store::StoreError&) {
    }
}

void TestWindow::mnuNumeroItem_Click(int index) {
    for (int i = 0; i < settings.mnuNumeroItem.size(); ++i) settings.mnuNumeroItem[i].checked = i == index;
    ctx.g.RunLength = store::kRunLengths[static_cast<size_t>(index)];
    Label25.caption = QString::number(ctx.g.RunLength);
    Label25.visible = Label19.visible = true;
}

void TestWindow::mnuTiempoItem_Click(int index) {
    for (int i = 0; i < settings.mnuTiempoItem.size(); ++i) settings.mnuTiempoItem[i].checked = i == index;
    ctx.g.DelayMs = store::kDelays[static_cast<size_t>(index)].ms;
    Label23.caption = QString::number(ctx.g.DelayMs / 1000) + QStringLiteral(" s");
    Label23.visible = Label20.visible = true;
}

}  // namespace quiz
