// The practice window: loading, Start, answering, the solution and the two Next buttons.
#include "practice_window.h"

#include <utility>

#include "app/window_names.h"
#include "base/random_source.h"
#include "forms/platform.h"
#include "store/material.h"
#include "store/random_pick.h"
#include "store/store_error.h"
#include "store/table_view.h"
#include "text/ui_text.h"

namespace practice {

using forms::OnError;

PracticeWindow::PracticeWindow(app::Context& ctx)
    : app::TaskWindow(app::kPractice, ctx, text::TitleWindow::Practice) {
    caption = QStringLiteral("Practice");
    mnuPractice.enabled = false;
    mnuDatabase.enabled = false;
    settings.mnuParameters.enabled = false;  // present, but never reachable here

    // Everything but Start and Close waits for Start; a few controls are never shown.
    for (forms::Control* c :
         {&Label13, &Frame3D1, &Label1,   &Label2,    &Label3,   &Label4,   &Label14,  &Label12, &Label15,
          &Label16, &Label11,  &Label9,   &Label10,   &Label19,  &Label20,  &Label17,  &Label18, &Label22,
          &Label23, &Label30,  &Label32,  &Label31,   &Label27,  &Label28,  &Label21,  &Label29, &Label24,
          &Label26, &Command1, &Command2, &Command10, &Command5, &Command7, &Command8, &Command9})
        c->visible = false;
    const std::array<forms::Control*, 4> options = {&Option3D2, &Option3D3, &Option3D4, &Option3D5};
    prepareAnswerFrame(Option3D1, options, Label19, Label20);
    // The sentence, its fillers and its solution are shown as written, '&' included.
    question().showAsWritten();
    Label17.literal = Label18.literal = true;

    onClick(Command3, &PracticeWindow::Command3_Click, OnError::EndQuietly);
    for (int i = 0; i < 4; ++i) onClick(*options[i], [this, i] { Option_Click(i); });
    onKeyPress([this](QChar& key) { Form_KeyPress(key); });
    onClick(Command1, &PracticeWindow::Command1_Click);
    onClick(Command2, &PracticeWindow::Command2_Click, OnError::EndQuietly);
    onClick(Command10, &PracticeWindow::Command10_Click, OnError::EndQuietly);
    onClick(Command6, &PracticeWindow::Command6_Click);
    onClick(Command5, &PracticeWindow::Command5_Click);
    onClick(Command7, &PracticeWindow::Command7_Click);
    onClick(Command8, &PracticeWindow::Command8_Click);
    onClick(Command9, &PracticeWindow::Command9_Click);
    onClick(beg, &PracticeWindow::beg_Click);
    onClick(Label28, &PracticeWindow::Label28_Click);
    onClick(mnuNivelItem, &PracticeWindow::mnuNivelItem_Click);
    onClick(mnuTopicItem, &PracticeWindow::mnuTopicItem_Click);
    declareListening(cmdListen, mnuSpeak);
    onClick(cmdListen, &PracticeWindow::cmdListen_Click);
    onClick(mnuSpeak, &PracticeWindow::mnuSpeak_Click);
    onClick(written.check, &PracticeWindow::cmdCheck_Click);
    for (int i = 0; i < 9; ++i) onClick(*written.letters[size_t(i)], [this, i] { writing_.addLetter(i); });
    onClick(written.menu, [this] { writing_.toggle(); });
}

void PracticeWindow::message(int key, forms::MsgIcon icon) {
    AppForm::message(uiText(key), icon, PracticeTitle);
}

void PracticeWindow::Form_Load() {
    openConventionally();
    PracticeMode = RandomMode;
    applyTexts(text::practiceTexts());
    applyTitle(title_);
    writing_.load();
    Label19.spokenName = uiText(text::KeyRightAnswer);
    Label20.spokenName = uiText(text::KeyWrongAnswer);
    // The learner hears at once when there is nothing to practise, not at the first button.
    // The sentences handed over by the Progress window are taken once, whatever happens below.
    const std::vector<int> handedOver = std::exchange(ctx.g.PracticeSerials, {});
    QString handedOverLabel = std::exchange(ctx.g.PracticeLabel, {});
    if (handedOverLabel.isEmpty()) handedOverLabel = uiText(text::KeyProgressMostMissedLabel);
    try {
        db_ = ctx.openDatabase(true);
        rebuildSelection(QStringLiteral("szint >= 1"));
        if (!handedOver.empty()) openOnSerials(handedOver, handedOverLabel);
    } catch (const store::StoreError& e) {
        Command3.enabled = false;
        if (Selection && Selection->recordCount() == 0) {
            message(text::KeyPracticeNothingToPractise, forms::MsgIcon::Exclamation);
            return;
        }
        // Nothing can be read: the menus that would read the file go off with Start.
        db_.reset();
        Selection.reset();
        for (forms::Control* menu : {&mnuLevel, &c(QStringLiteral("mnuTopic")), &mnustart})
            menu->enabled = false;
        AppForm::message(uiText(text::KeySentencesCannotBeRead).arg(ctx.g.DatabasePath, reason(e)),
                         forms::MsgIcon::Critical, PracticeTitle);
    }
}

void PracticeWindow::Form_Unload() {
    if (const int unwritten = memory_.settle(); unwritten > 0)
        AppForm::message(uiText(text::KeyTodayAnswersLost)
                             .arg(ctx.g.DatabasePath, reason(memory_.lastFailure()))
                             .arg(unwritten),
                         forms::MsgIcon::Information, PracticeTitle);
}

void PracticeWindow::openOnSerials(const std::vector<int>& serials, const QString& label) {
    store::Snapshot chosen = store::Snapshot::ofSerials(*db_, serials);
    // Every one of them deleted meanwhile: the usual selection stays.
    if (chosen.recordCount() == 0) return;
    Selection = std::move(chosen);
    Selection->moveFirst();
    enterSequentialMode();
    Label21.caption = label;
    Label21.visible = Label29.visible = true;
    displaySelection();
    szam();
}

void PracticeWindow::rebuildSelection(const QString& condition) {
    // Always from the whole table, never by narrowing the current selection.
    store::Snapshot all = store::Snapshot::ofTable(*db_, QStringLiteral("Test1"));
    all.setSort(QStringLiteral("sorrend2"));
    store::Snapshot sorted = all.copy();
    sorted.setFilter(condition);
    Selection = sorted.copy();
    Selection->moveFirst();
}

void PracticeWindow::showCounter() {
    Label22.caption = QString::number(ctx.g.SentenceCounter);
}

void PracticeWindow::Command3_Click() {
    ctx.g.SentenceCounter = 1;
    showCounter();
    Command1.visible = true;
    Frame3D1.visible = true;
    Command3.visible = false;
    for (forms::Control* c : {&Command5, &Command7, &Command8, &Command9}) c->visible = true;
    if (PracticeMode == SequentialMode) {
        Command2.visible = true;
        Command10.visible = false;
        Label23.visible = true;
    } else {
        Command10.visible = true;
        Command2.visible = false;
        for (forms::Control* c : {&Command5, &Command7, &Command8, &Command9, &Label23}) c->visible = false;
        mnustart.enabled = false;
    }
    for (forms::Control* c : {&Label12, &Label13, &Label14, &Label15, &Label16, &Label1, &Label2, &Label3,
                              &Label4, &Label11, &Label22})
        c->visible = true;
    displaySelection();
    if (PracticeMode == SequentialMode) {
        setFocus(Command2);
        Command2.isDefault = true;
    }
}

void PracticeWindow::display(const app::FieldReader& field) {
    auto text = [&](const char* name) { return field(QString::fromLatin1(name)).toString(); };
    question().show(field, app::Spacing::SetOff);
    Label18.caption = text("felelet2");
    Label17.caption = app::shownText(text("felelet1"), app::Spacing::SetOff);
    Label26.caption = text("sorszam");
    Label27.caption = text("szint");
    shownOptions_ = {text("a"), text("b"), text("c"), text("d")};
    if (Frame3D1.visible || written.panel.visible) writing_.newSentence();
    // A new sentence has not been answered yet: Listen waits for the answer.
    answeredShown_ = false;
    SentenceToSay = store::sentenceToSay(text("mondat"), {text("a"), text("b"), text("c"), text("d")},
                                         text("felelet2"), text("felelet1"));
    cmdListen.visible = false;
}

void PracticeWindow::displaySelection() {
    if (!Selection) throw store::StoreError(QStringLiteral("There is no selection."));
    display([this](const QString& name) { return Selection->field(name); });
}

void PracticeWindow::Option_Click(int letter) {
    Label9.caption = QString(QChar(u'A' + letter));
    oke();
}

void PracticeWindow::Form_KeyPress(QChar& key) {
    if (writing_.on()) return;  // the letters a-d go into the answer box
    chooseByKey(key, Frame3D1, {&Option3D2, &Option3D3, &Option3D4, &Option3D5},
                [this](int letter) { Option_Click(letter); });
}

void PracticeWindow::oke() {
    // Exactly, letter case included: a lower-case right letter never matches.
    const bool right = Label9.caption == Label10.caption;
    Label19.visible = right;
    Label20.visible = !right;
    offerListening(cmdListen, SentenceToSay);
    if (!std::exchange(answeredShown_, true))
        memory_.record(Label26.caption.toInt(), app::MemoryAnswers::chosen(right, Label17.visible));
    if (Command2.visible)
        setFocus(Command2);
    else if (Command10.visible)
        setFocus(Command10);
}

void PracticeWindow::cmdCheck_Click() {
    if (!written.box.visible || Label13.caption.isEmpty()) return;
    const written::Judgement j =
        writing_.judge(shownOptions_, QStringLiteral("ABCD").indexOf(Label10.caption));
    Label9.caption = app::letterOf(j);
    writing_.show(j, Label19, Label20);
    offerListening(cmdListen, SentenceToSay);
    setFocus(PracticeMode == SequentialMode ? Command2 : Command10);
    if (!std::exchange(answeredShown_, true))
        memory_.record(Label26.caption.toInt(), app::MemoryAnswers::typed(j, Label17.visible));
}

void PracticeWindow::Command1_Click() {
    Label17.visible = true;
    Label18.visible = true;
    setFocus(PracticeMode == SequentialMode ? Command2 : Command10);
}

void PracticeWindow::Command2_Click() {
    // An empty selection was explained when it was chosen; there is nothing to restart.
    if (!Selection || Selection->recordCount() == 0) return;
    selectOption(Option3D1);
    ++ctx.g.SentenceCounter;
    showCounter();
    for (forms::Control* c : {&Label17, &Label18, &Label19, &Label20}) c->visible = false;
    writing_.hideVerdict();
    if (!Selection) return;
    bool atEnd = Selection->eof();
    if (!atEnd) {
        const bool fromBefore = Selection->bof();
        Selection->moveNext();
        atEnd = Selection->eof();
        if (!atEnd) RecordPosition = fromBefore ? 1 : RecordPosition + 1;
    }
    if (atEnd) {
        message(80, forms::MsgIcon::Critical);
        --ctx.g.SentenceCounter;
        showCounter();
        szam();
    }
    displaySelection();
    Label30.caption = QString::number(RecordPosition);
}

void PracticeWindow::Command10_Click() {
    const std::unique_ptr<store::Database> db = ctx.openDatabase(true);
    store::TableView serials(*db, QStringLiteral("test1"));
    serials.selectIndex(QStringLiteral("sorszam"));
    serials.moveLast();
    if (LargestSerial == 0)
        LargestSerial = static_cast<qint16>(serials.field(QStringLiteral("sorszam")).toInt());
    store::pickRandomRow(serials, LargestSerial, ctx.random);
    selectOption(Option3D1);
    ++ctx.g.SentenceCounter;
    showCounter();
    display([&](const QString& name) { return serials.field(name); });
    for (forms::Control* c : {&Label17, &Label18, &Label19, &Label20, &Label21}) c->visible = false;
    writing_.hideVerdict();
}

}  // namespace practice
