// The database window: loading, Start, browsing, the topic label, leaving the window.
#include "editor_window.h"

#include "app/window_names.h"
#include "forms/platform.h"
#include "forms/window_registry.h"
#include "store/field_limits.h"
#include "store/store_error.h"
#include "store/table_view.h"
#include "store/topics.h"
#include "text/ui_text.h"

namespace editor {

using forms::OnError;

EditorWindow::EditorWindow(app::Context& ctx)
    : app::TaskWindow(app::kEditor, ctx, text::TitleWindow::Database) {
    caption = QStringLiteral("Database");
    mnuDatabase.enabled = false;
    for (forms::Control& c : std::initializer_list<std::reference_wrapper<forms::Control>>{
             Label6,   Text2,     Label11,    Label10,  Text1,     Label7,   Text3,    Label1,
             Text4,    Label3,    Text6,      Label2,   Text5,     Label4,   Text7,    Label5,
             Text10,   Text8,     lblWarning, Command6, Command3,  Command7, Command8, Command1,
             Command5, Command11, Command4,   Command2, Command12, Label12})
        c.visible = false;
    for (forms::Control* box : {&Text3, &Text4, &Text5, &Text6, &Text7, &Text8}) box->substitutesKeys = true;
    fields_.bind(Text1, QStringLiteral("sorszam"), true);
    fields_.bind(Text2, QStringLiteral("szint"), true);
    fields_.bind(Text3, QStringLiteral("mondat"));
    fields_.bind(Text4, QStringLiteral("a"));
    fields_.bind(Text5, QStringLiteral("b"));
    fields_.bind(Text6, QStringLiteral("c"));
    fields_.bind(Text7, QStringLiteral("d"));
    fields_.bind(Text8, QStringLiteral("felelet1"));
    fields_.bind(Text10, QStringLiteral("felelet2"));
    // The boxes take no more than their fields may hold.
    for (const auto& [box, field] : textBoxes()) box->maxLength = store::fieldLimit(field);
    onEditKeyPress([this](const QString& name, QChar& key) {
        if (c(name).substitutesKeys) key = substitute(key);
    });

    onClick(Command10, &EditorWindow::Command10_Click);
    onClick(Command6, &EditorWindow::Command6_Click, OnError::EndQuietly);
    onClick(Command3, &EditorWindow::Command3_Click, OnError::EndQuietly);
    onClick(Command7, &EditorWindow::Command7_Click, OnError::EndQuietly);
    onClick(Command8, &EditorWindow::Command8_Click, OnError::EndQuietly);
    onClick(Command1, &EditorWindow::Command1_Click, OnError::EndQuietly);
    onClick(Command4, &EditorWindow::Command4_Click, OnError::EndQuietly);
    onClick(Command5, &EditorWindow::Command5_Click, OnError::EndQuietly);
    onClick(Command11, &EditorWindow::Command11_Click, OnError::EndQuietly);
    onClick(Command2, &EditorWindow::Command2_Click, OnError::EndQuietly);
    onClick(Command12, &EditorWindow::Command12_Click);
    onClick(mnuTopicItem, &EditorWindow::mnuTopicItem_Click, OnError::EndQuietly);
    onClick(mnuFonts, &EditorWindow::mnuFonts_Click);
    // The task items leave the record like Close does.
    onClick(
        mnuPlurquiz, [this] { leave(app::kLauncher); }, OnError::EndQuietly);
    onClick(
        mnuPractice, [this] { leave(app::kPractice); }, OnError::EndQuietly);
    onClick(
        mnuTest, [this] { leave(app::kTest, true); }, OnError::EndQuietly);
}

void EditorWindow::Form_Load() {
    loadCommon(text::editorTexts());
    nameBoxes();
    try {
        db_ = ctx.openDatabase();
        data1_ = std::make_unique<store::BoundView>(*db_, QStringLiteral("test1"));
    } catch (const store::StoreError& e) {
        data1_.reset();
        db_.reset();
        AppForm::message(uiText(text::KeySentencesCannotBeRead).arg(ctx.g.DatabasePath, reason(e)),
                         forms::MsgIcon::Critical, DatabaseTitle);
        Command10.enabled = false;
        c(QStringLiteral("mnuTopic")).enabled = false;
    }
}

// What a screen reader says for each box; most boxes have no label of their own on screen.
void EditorWindow::nameBoxes() {
    const auto withoutColon = [](QString caption) { return caption.remove(u'&').remove(u':').trimmed(); };
    Text1.spokenName = uiText(text::KeySpokenSerial);
    Text2.spokenName = withoutColon(Label6.caption);
    Text3.spokenName = uiText(text::KeySpokenSentence);
    forms::Control* answers[] = {&Text4, &Text5, &Text6, &Text7};
    for (int i = 0; i < 4; ++i) answers[i]->spokenName = uiText(text::KeySpokenAnswer).arg(QChar(u'A' + i));
    Text10.spokenName = uiText(text::KeySpokenRightLetter);
    Text8.spokenName = uiText(text::KeySpokenSolution);
}

void EditorWindow::showRecord() {
    if (data1_) fields_.show(*data1_);
    warnAboutContent();
}

void EditorWindow::Command10_Click() {
    if (!data1_) return;
    tableIndex_ = QStringLiteral("sorszam");
    data1_->refresh();
    for (forms::Control& c : std::initializer_list<std::reference_wrapper<forms::Control>>{
             Label1,   Label2,   Label3,    Label4,    Label5,    Label6,   Label7,   Label11,
             Label10,  Text1,    Text2,     Text3,     Text4,     Text5,    Text6,    Text7,
             Text8,    Text10,   Command1,  Command2,  Command3,  Command4, Command5, Command6,
             Command7, Command8, Command12, Command11, lblWarning})
        c.visible = true;
    Command10.visible = false;
    showRecord();
    data();
}

void EditorWindow::rereadCheck() {
    if (tableIndex_ != QLatin1String("sorszam")) return;
    tableIndex_ = QStringLiteral("sorrend");
    data1_->refresh();
}

void EditorWindow::Command6_Click() {
    if (!mayLeave()) return;
    rereadCheck();
    if (!data1_->bof()) data1_->moveFirst();
    showRecord();
    data();
}

void EditorWindow::Command3_Click() {
    if (!mayLeave()) return;
    rereadCheck();
    if (!data1_->bof()) data1_->movePrevious();
    showRecord();
    data();
}

void EditorWindow::Command7_Click() {
    if (!mayLeave()) return;
    // The first Next after Start or New re-reads the cursor, which then stands on its first
    // record: Next shows the second one.
    rereadCheck();
    if (!data1_->eof()) data1_->moveNext();
    showRecord();
    data();
}

void EditorWindow::Command8_Click() {
    if (!mayLeave()) return;
    rereadCheck();
    if (!data1_->eof()) data1_->moveLast();
    showRecord();
    data();
}

void EditorWindow::data() {
    QString k1, k2;
    if (onRecord()) {
        k1 = data1_->field(QStringLiteral("kulcs1")).toString();
        k2 = data1_->field(QStringLiteral("kulcs2")).toString();
    }
    // The topic table read backwards; codes compare exactly, letter case included.
    Label10.caption.clear();
    if (k1.isEmpty()) return;
    if (const std::optional<size_t> topic = store::topicFiledAs(k1, k2))
        Label10.caption = uiText(store::kTopics[*topic].key);
}

void EditorWindow::Command12_Click() {
    Label12.visible = !Label12.visible;
}

void EditorWindow::Command2_Click() {
    leave(app::kLauncher);
}

void EditorWindow::leave(const QString& target, bool hideReview) {
    if (data1_ && Command1.visible) {
        if (!mayLeave(true)) return;
        rereadCheck();
    }
    switchTo(target, hideReview);
}

}  // namespace editor
