// The practice window's Level and Topic menus: each choice rebuilds the selection from the
// whole table and walks it in order from its first record.
#include "forms/platform.h"
#include "practice_window.h"
#include "store/store_error.h"
#include "store/topics.h"
#include "text/ui_text.h"

namespace practice {

void PracticeWindow::enterSequentialMode() {
    PracticeMode = SequentialMode;
    // The answer panels and the solution of the sentence shown before go with it.
    for (forms::Control* c : {&Label17, &Label18, &Label19, &Label20}) c->visible = false;
    selectOption(Option3D1);
    Command10.visible = false;
    Command2.visible = true;
}

void PracticeWindow::mnuNivelItem_Click(int index) {
    if (!db_) return;  // the file could not be opened; the learner was told at load
    enterSequentialMode();
    Label27.visible = Label28.visible = true;
    Label21.visible = Label29.visible = false;
    for (int i = 0; i < 3; ++i) mnuNivelItem[i].checked = i == index;
    try {
        rebuildSelection(QString::fromLatin1(store::kLevels[static_cast<size_t>(index)].criterion));
    } catch (const store::StoreError&) {
        // Nothing at this level: the learner is told, as for an empty topic.
        message(text::KeyEmptyLevel, forms::MsgIcon::Exclamation);
        Label19.visible = Label20.visible = false;
        return;
    }
    displaySelection();
    Label27.caption = QString::fromLatin1(store::kLevels[static_cast<size_t>(index)].label);
    szam();
}

void PracticeWindow::mnuTopicItem_Click(int index) {
    if (!db_) return;
    enterSequentialMode();
    Label27.visible = Label28.visible = false;
    Label21.visible = Label29.visible = true;
    for (int i = 0; i < mnuTopicItem.size(); ++i) mnuTopicItem[i].checked = i == index;
    const store::Topic& topic = store::kTopics[static_cast<size_t>(index)];
    try {
        rebuildSelection(QString::fromLatin1(topic.criterion));
        Label21.caption = uiText(topic.key);
        displaySelection();
        szam();
    } catch (const store::StoreError&) {
        message(82, forms::MsgIcon::Exclamation);
        Label19.visible = Label20.visible = false;
    }
}

}  // namespace practice
