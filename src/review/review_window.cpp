// The review window: loading, Start, answering again, Next with the end of the list, the solution,
// and closing, which empties the log.
#include "review_window.h"

#include <utility>

#include "app/window_names.h"
#include "failed_log.h"
#include "forms/window_registry.h"
#include "store/material.h"
#include "store/store_error.h"
#include "text/ui_text.h"

namespace review {

using forms::OnError;

namespace {
// The captions of Command1.
constexpr int kStartKey = 2;
constexpr int kRestartKey = 3;
constexpr int kLastItemKey = 84;
}  // namespace

ReviewWindow::ReviewWindow(app::Context& ctx) : app::AppForm(app::kReview, ctx) {
    caption = QStringLiteral("Failed items");
    TitleWord = caption;

    // Only Start and Close show before Start; the option buttons go with their panel.
    for (const auto& c : controls()) {
        const bool own = c->kind == forms::ControlKind::Label || c->kind == forms::ControlKind::Button ||
                         c->kind == forms::ControlKind::Frame;
        if (own && c.get() != &Command1 && c.get() != &Command6) c->visible = false;
    }
    Option3D5.visible = false;
    Option3D5.checked = true;
    // The option buttons have no caption of their own: a screen reader says their letter.
    const char* letters[] = {"A", "B", "C", "D"};
    forms::Control* options[] = {&Option3D1, &Option3D2, &Option3D3, &Option3D4};
    for (int i = 0; i < 4; ++i) options[i]->spokenName = QString::fromLatin1(letters[i]);
    Label17.caption = QStringLiteral("✔");
    Label18.caption = QStringLiteral("✘");
    // The logged sentence, its fillers, the wrong and the right letter and the solution are shown
    // as written, '&' included.
    question().showAsWritten();
    for (forms::Control* c : {&Label23, &Label19, &Label20}) c->literal = true;

    onClick(Command1, &ReviewWindow::Command1_Click, OnError::EndQuietly);
    onClick(Command4, &ReviewWindow::Command4_Click, OnError::EndQuietly);
    onClick(Command2, &ReviewWindow::Command2_Click);
    onClick(Command3, &ReviewWindow::Command3_Click);
    onClick(Command5, &ReviewWindow::Command5_Click);
    onClick(Command7, &ReviewWindow::Command7_Click);
    onClick(Command8, &ReviewWindow::Command8_Click);
    onClick(Command6, &ReviewWindow::Command6_Click);
    for (int i = 0; i < 4; ++i) onClick(*options[i], [this, i] { Option_Click(i); });
    onKeyPress([this](QChar& key) { Form_KeyPress(key); });
    onClick(mnuOnTop, &ReviewWindow::mnuOnTop_Click);
    declareListening(cmdListen, mnuSpeak);
    onClick(cmdListen, &ReviewWindow::cmdListen_Click);
    onClick(mnuSpeak, &ReviewWindow::mnuSpeak_Click);
    onClick(written.check, &ReviewWindow::cmdCheck_Click);
    for (int i = 0; i < 9; ++i) onClick(*written.letters[size_t(i)], [this, i] { writing_.addLetter(i); });
    onClick(written.menu, [this] { writing_.toggle(); });
}

void ReviewWindow::message(const QString& text, forms::MsgIcon icon) {
    AppForm::message(text, icon, TitleWord);
}

void ReviewWindow::Form_Load() {
    // Centred and topmost as every window opens, but the OnTop item starts without its mark
    // here: its first use puts the window on top once more and sets the mark.
    openConventionally();
    mnuOnTop.checked = false;
    applyTexts(text::reviewTexts());
    applyTitle(text::TitleWindow::Review);
    writing_.load();
    // Message boxes carry the catalogue's name of the log rather than the window's title word.
    if (const QString word = uiText(text::kReviewMessageTitleKey); !word.isEmpty()) TitleWord = word;
    Label17.spokenName = uiText(text::KeyRightAnswer);
    Label18.spokenName = uiText(text::KeyWrongAnswer);
    // The log is opened after the texts, so that a file that cannot be read is told in the
    // working language.
    try {
        db_ = ctx.openDatabase();
        Data1.emplace(*db_, QStringLiteral("hiba1"));
        // What the log holds now has been offered: closing without Start deletes it too.
        OfferedUpTo = lastFailedItem(*Data1);
    } catch (const store::StoreError& e) {
        Data1.reset();
        Command1.enabled = false;
        message(uiText(text::KeyReviewCannotRead).arg(ctx.g.DatabasePath, reason(e)),
                forms::MsgIcon::Critical);
    }
}

void ReviewWindow::Form_Unload() {
    if (const int unwritten = memory_.settle(); unwritten > 0)
        message(uiText(text::KeyTodayAnswersLost)
                    .arg(ctx.g.DatabasePath, reason(memory_.lastFailure()))
                    .arg(unwritten),
                forms::MsgIcon::Information);
    emptyTheLog();
}

void ReviewWindow::display() {
    auto field = [this](const char* name) { return Data1->field(QString::fromLatin1(name)); };
    auto text = [&](const char* name) { return field(name).toString(); };
    question().show([&](const QString& name) { return Data1->field(name); }, app::Spacing::AsStored);
    Label23.caption = text("hiba");
    Label19.caption = text("felelet2");
    Label20.caption = text("felelet1");
    if (Frame3D1.visible || written.panel.visible) writing_.newSentence();
    // A new item has not been answered again yet: Listen waits for the answer.
    answeredShown_ = false;
    SentenceToSay = store::sentenceToSay(text("mondat"), {text("a"), text("b"), text("c"), text("d")},
                                         text("felelet2"), text("felelet1"));
    cmdListen.visible = false;
}

void ReviewWindow::showStepCounter() {
    Label22.caption = QString::number(ctx.g.StepCounter);
}

void ReviewWindow::showPosition() {
    // Row i of the log is item i, the placeholder being row 0. Past the end the whole list has
    // been gone through: n / n rather than a position that does not exist.
    Label30.caption = QString::number(Data1->eof() ? ItemCount : Data1->absolutePosition());
}

void ReviewWindow::Command1_Click() {
    // The log is read before anything changes on the screen: a file that fails here leaves the
    // window as it was.
    if (!Data1) throw store::StoreError(QStringLiteral("The log of failed items is not open."));
    Data1->refresh();
    // Everything up to here is offered now, rows a test stored since the window opened included.
    OfferedUpTo = lastFailedItem(*Data1);
    if (OfferedUpTo == 0) {
        // Nothing but the placeholder: said in so many words, and the window stays usable.
        ItemCount = 0;
        for (forms::Control* c : {&Label30, &Label31, &Label32}) c->visible = false;
        showEndOfList(text::KeyReviewNothingToReview, kStartKey);
        return;
    }
    ItemCount = Data1->recordCount() - 1;
    Data1->moveFirst();
    Data1->moveNext();
    display();

    Command1.visible = false;
    Command2.visible = true;
    setFocus(Command2);
    Command2.isDefault = true;
    for (forms::Control* c : {&Command3, &Command4, &Command5, &Command6, &Command7, &Command8, &Frame3D1})
        c->visible = true;
    writing_.newSentence();
    for (forms::Control* c : {&Label13, &Label14, &Label12, &Label15, &Label16, &Label1, &Label2, &Label3,
                              &Label4, &Label11, &Label22, &Label21, &Label23})
        c->visible = true;
    selectOption(Option3D5);
    ctx.g.StepCounter = 1;
    showStepCounter();
    Label31.caption = QString::number(ItemCount);
    for (forms::Control* c : {&Label30, &Label31, &Label32}) c->visible = true;
    showPosition();
}

void ReviewWindow::Option_Click(int letter) {
    // Exactly, letter case included. Nothing is stored: the log keeps the first guess.
    Label9.caption = QString(QChar(u'A' + letter));
    const bool right = Label9.caption == Label10.caption;
    Label17.visible = right;
    Label18.visible = !right;
    offerListening(cmdListen, SentenceToSay);
    if (!std::exchange(answeredShown_, true))
        memory_.recordByText(Label13.caption, app::MemoryAnswers::chosen(right, Label20.visible));
}

void ReviewWindow::cmdCheck_Click() {
    if (!written.box.visible || !Data1 || Data1->eof() || Data1->bof()) return;
    auto field = [this](const char* name) { return Data1->field(QString::fromLatin1(name)).toString(); };
    const written::Judgement j = writing_.judge({field("a"), field("b"), field("c"), field("d")},
                                                QStringLiteral("ABCD").indexOf(Label10.caption));
    Label9.caption = app::letterOf(j);
    writing_.show(j, Label17, Label18);
    offerListening(cmdListen, SentenceToSay);
    if (!std::exchange(answeredShown_, true))
        memory_.recordByText(Label13.caption, app::MemoryAnswers::typed(j, Label20.visible));
}

void ReviewWindow::Form_KeyPress(QChar& key) {
    if (writing_.on()) return;  // the letters a-d go into the answer box
    chooseByKey(key, Frame3D1, {&Option3D1, &Option3D2, &Option3D3, &Option3D4},
                [this](int letter) { Option_Click(letter); });
}

void ReviewWindow::Command4_Click() {
    if (!Data1) throw store::StoreError(QStringLiteral("The log of failed items is not open."));
    bool atEnd = Data1->eof();
    if (!atEnd) {
        Data1->moveNext();
        atEnd = Data1->eof();
    }
    if (atEnd) {
        showEndOfList(kLastItemKey, kRestartKey);
    } else {
        display();
        selectOption(Option3D5);
        ++ctx.g.StepCounter;
        showStepCounter();
        for (forms::Control* c : {&Label17, &Label18, &Label19, &Label20}) c->visible = false;
    }
    showPosition();
}

void ReviewWindow::showEndOfList(int messageKey, int startCaptionKey) {
    message(uiText(messageKey), forms::MsgIcon::Information);
    Frame3D1.visible = false;
    writing_.leave();
    Command1.caption = uiText(startCaptionKey);
    Command1.visible = true;
    // Its default goes with the First button; the focus goes to Start, which is what is left.
    Command2.isDefault = false;
    setFocus(Command1);
    for (forms::Control* c :
         {&Command2, &Command3, &Command4, &Command5, &Command7, &Command8, &Label13, &Label14,
          &Label12,  &Label15,  &Label16,  &Label1,   &Label2,   &Label3,   &Label4,  &Label11,
          &Label22,  &Label17,  &Label18,  &Label19,  &Label20,  &Label21,  &Label23, &cmdListen})
        c->visible = false;
}

void ReviewWindow::Command8_Click() {
    Label19.visible = true;
    Label20.visible = true;
    setFocus(Command2);
}

void ReviewWindow::Command6_Click() {
    Command1.caption = uiText(kStartKey);
    emptyTheLog();
    for (forms::Control* c : {&Label17, &Label18, &Label19, &Label20}) c->visible = false;
    if (forms::Form* test = ctx.windows.find(app::kTest)) ctx.platform.setTopmost(*test, true);
    ctx.windows.unload(name());
}

void ReviewWindow::emptyTheLog() {
    // Close empties the log and then unloads the window; the unload must not try again.
    if (logEmptied_) return;
    logEmptied_ = true;
    // Only the rows offered at opening or at the last Start: a test that ran meanwhile keeps its
    // failed items for the next review.
    if (!Data1 || OfferedUpTo == 0) return;
    try {
        emptyLog(*Data1, OfferedUpTo);
    } catch (const store::StoreError& e) {
        // All or nothing: every row is still there, and the learner hears why.
        message(uiText(text::KeyReviewCannotEmpty).arg(db_->path(), reason(e)), forms::MsgIcon::Exclamation);
    }
}

}  // namespace review
