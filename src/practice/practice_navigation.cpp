// The practice window's free movement through its selection: First, Previous, Next and Last with
// the position display, the starting points, and the hidden shortcut to the special group.
#include "forms/platform.h"
#include "practice_window.h"
#include "store/store_error.h"
#include "text/ui_text.h"

namespace practice {

void PracticeWindow::so() {
    // Shows the current record; before the first or after the last one it says so instead and
    // leaves the screen as it was.
    if (!Selection) return;
    if (Selection->eof() || Selection->bof()) {
        if (Selection->recordCount() == 0) return;
        message(Selection->eof() ? 77 : 78, forms::MsgIcon::Information);
        return;
    }
    try {
        displaySelection();
    } catch (const store::StoreError&) {
        return;
    }
    for (forms::Control* c : {&Label17, &Label18, &Label19, &Label20}) c->visible = false;
    setFocus(Command2);
}

void PracticeWindow::szam() {
    Selection->moveLast();
    SelectionCount = Selection->recordCount();
    Selection->moveFirst();
    RecordPosition = 1;
    Label30.caption = QString::number(RecordPosition);
    Label31.caption = QString::number(SelectionCount);
    for (forms::Control* c : {&Label30, &Label31, &Label32}) c->visible = true;
}

void PracticeWindow::Command5_Click() {
    if (Selection && !Selection->bof()) {
        Selection->moveFirst();
        so();
    }
    RecordPosition = 1;
    Label30.caption = QString::number(RecordPosition);
}

void PracticeWindow::Command7_Click() {
    const bool fromAfter = Selection && Selection->eof();
    if (Selection && !Selection->bof()) {
        Selection->movePrevious();
        so();
    }
    // Before the first record counts as position 1; coming back from after the last record
    // lands on the last one, still the last position.
    if (!fromAfter) RecordPosition = qMax(1, RecordPosition - 1);
    Label30.caption = QString::number(RecordPosition);
}

void PracticeWindow::Command8_Click() {
    const bool fromBefore = Selection && Selection->bof();
    if (Selection && !Selection->eof()) {
        Selection->moveNext();
        so();
    }
    // Coming back from before the first record lands on the first one, still position 1; past
    // the last one counts as the last position.
    if (!fromBefore) RecordPosition = qMin(qMax(SelectionCount, 1), RecordPosition + 1);
    Label30.caption = QString::number(RecordPosition);
}

void PracticeWindow::Command9_Click() {
    if (Selection && !Selection->eof()) {
        Selection->moveLast();
        so();
    }
    RecordPosition = SelectionCount;
    Label30.caption = QString::number(RecordPosition);
}

void PracticeWindow::beg_Click(int index) {
    StartFilter = store::startingPointCriterion(index);
    Command10.visible = false;
    Command2.visible = Frame3D1.visible;
    keresa();
    PracticeMode = SequentialMode;
    for (forms::Control* c : {&Label30, &Label31, &Label32}) c->visible = false;
}

void PracticeWindow::keresa() {
    // A miss keeps the cursor, and the same record is shown again.
    if (!Selection) return;
    try {
        Selection->findNext(StartFilter);
        displaySelection();
    } catch (const store::StoreError&) {
    }
}

void PracticeWindow::Label28_Click() {
    if (!db_) return;
    store::Snapshot group =
        store::Snapshot::ofTable(*db_, QStringLiteral("Test1"), QStringLiteral("kulcs2 = '9'"));
    if (group.recordCount() == 0) {
        message(text::KeyEmptySpecialGroup, forms::MsgIcon::Information);
        return;
    }
    Selection = std::move(group);
    Selection->moveFirst();
    displaySelection();
}

}  // namespace practice
