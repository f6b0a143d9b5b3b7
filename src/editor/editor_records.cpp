// The database window's writes: storing the bound boxes with their checks, New, Delete, the
// searches, filing under a topic, and the content warnings.

#include "app/keyboard_aid.h"
#include "base/random_source.h"
#include "editor_window.h"
#include "forms/platform.h"
#include "store/field_limits.h"
#include "store/sentence_queries.h"
#include "store/store_error.h"
#include "store/table_view.h"
#include "store/topics.h"
#include "text/ui_text.h"

namespace editor {

namespace {
bool wholeNumberIn(const QString& text, int low, int high) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok && n >= low && n <= high;
}
}  // namespace

QString EditorWindow::boxProblem() const {
    if (!wholeNumberIn(Text1.caption, 1, 32767)) return uiText(text::KeySerialOutOfRange);
    if (!wholeNumberIn(Text2.caption, 1, 3)) return uiText(text::KeyLevelOutOfRange);
    if (Text10.caption.size() != 1 || !QStringLiteral("ABCD").contains(Text10.caption))
        return uiText(text::KeyLetterOutOfRange);
    // The boxes refuse more as it is typed; this holds for text that came in another way.
    for (const auto& [box, field] : textBoxes()) {
        const int limit = store::fieldLimit(field);
        const qsizetype length = box->caption.size();
        if (length <= limit) continue;
        if (box == &Text3) return uiText(text::KeySentenceTooLong).arg(limit).arg(length);
        if (box == &Text8) return uiText(text::KeySolutionTooLong).arg(limit).arg(length);
        return uiText(text::KeyFillerTooLong).arg(limit).arg(length).arg(field.toUpper());
    }
    return {};
}

std::vector<std::pair<forms::Control*, QString>> EditorWindow::textBoxes() const {
    // The right letter (Text10) has a rule of its own above.
    return {{&Text3, QStringLiteral("mondat")}, {&Text4, QStringLiteral("a")},
            {&Text5, QStringLiteral("b")},      {&Text6, QStringLiteral("c")},
            {&Text7, QStringLiteral("d")},      {&Text8, QStringLiteral("felelet1")}};
}

bool EditorWindow::storeBoxes() {
    if (!data1_ || !Command1.visible) return true;
    const bool adding = data1_->addingNew();
    if (!adding && !fields_.changed()) return true;
    if (!adding && !onRecord()) {
        // Typed into the empty boxes before the first or after the last record: there is no
        // sentence to change, so what was typed goes, and the move or search goes on.
        AppForm::message(uiText(text::KeyNoSentenceHere), forms::MsgIcon::Exclamation, DatabaseTitle);
        fields_.revert();
        return true;
    }
    if (const QString problem = boxProblem(); !problem.isEmpty()) {
        AppForm::message(uiText(text::KeyCannotStoreRecord).arg(problem), forms::MsgIcon::Exclamation,
                         DatabaseTitle);
        return false;
    }
    try {
        if (adding && newSorrend2_) data1_->setField(QStringLiteral("sorrend2"), *newSorrend2_);
        fields_.write(*data1_);  // committed: on disk when this returns
    } catch (const store::StoreError& e) {
        if (!adding) data1_->cancelUpdate();
        // Every field was checked above, so a refusal is a serial number another record has.
        if (e.refused())
            AppForm::message(uiText(text::KeyCannotStoreRecord).arg(uiText(text::KeySerialTaken)),
                             forms::MsgIcon::Exclamation, DatabaseTitle);
        else
            tellWriteFailure(e);
        return false;
    }
    // Stored: a move, a search or a topic choice all end the pending state of New.
    NewPending = false;
    newSorrend2_.reset();
    fields_.accept();
    warnAboutContent();
    return true;
}

void EditorWindow::tellWriteFailure(const store::StoreError& e) {
    AppForm::message(uiText(text::KeyWriteFailed).arg(ctx.g.DatabasePath, reason(e)),
                     forms::MsgIcon::Exclamation, DatabaseTitle);
}

bool EditorWindow::onRecord() const {
    return data1_ && !data1_->bof() && !data1_->eof() && data1_->absolutePosition() >= 0;
}

void EditorWindow::discardBoxes() {
    if (data1_ && data1_->editing()) data1_->cancelUpdate();
    NewPending = false;
    newSorrend2_.reset();
    fields_.revert();
}

bool EditorWindow::mayLeave(bool leavingWindow) {
    if (storeBoxes()) return true;
    if (!leavingWindow) return false;
    if (!ctx.platform.confirm(uiText(text::KeyDiscardChanges), DatabaseTitle)) return false;
    discardBoxes();
    return true;
}

void EditorWindow::Command1_Click() {
    if (!mayLeave()) return;
    tableIndex_ = QStringLiteral("sorszam");
    data1_->refresh();
    const int largest = store::largestSerial(*db_);
    if (largest >= 32767) {
        AppForm::message(uiText(text::KeyNoFreeSerial), forms::MsgIcon::Exclamation, DatabaseTitle);
        return;
    }
    NewPending = true;
    data1_->addNew();
    fields_.clear();
    Text1.caption = QString::number(largest + 1);
    setFocus(Text2);
    newSorrend2_ = ctx.random.draw1ToN(3000);
    lblWarning.caption.clear();
}

void EditorWindow::Command4_Click() {
    if (NewPending && data1_->addingNew()) {
        // The record shown has not been stored: deleting it drops it, and nothing else.
        if (!ctx.platform.confirm(uiText(text::KeyDropNewRecord), DatabaseTitle)) return;
        discardBoxes();
        data1_->refresh();
        showRecord();
        data();
        return;
    }
    if (!onRecord()) return;
    const QString serial = data1_->field(QStringLiteral("sorszam")).toString();
    if (!ctx.platform.confirm(uiText(text::KeyConfirmDelete).arg(serial), DatabaseTitle)) return;
    if (data1_->editing()) data1_->cancelUpdate();
    const bool wasFirst = data1_->absolutePosition() == 0;
    try {
        data1_->deleteCurrent();
    } catch (const store::StoreError& e) {
        // The file refused (busy, read-only, full): the sentence stays, shown as stored.
        tellWriteFailure(e);
        showRecord();
        return;
    }
    // The record before it becomes current; after the first one, the one that followed.
    if (data1_->recordCount() > 0) {
        if (wasFirst)
            data1_->moveFirst();
        else
            data1_->movePrevious();
    }
    showRecord();
    data();
}

void EditorWindow::notFound() {
    ctx.platform.beep();
    AppForm::message(uiText(85), forms::MsgIcon::Exclamation, DatabaseTitle);
}

void EditorWindow::Command5_Click() {
    if (!mayLeave()) return;
    const std::optional<QString> condition =
        ctx.platform.inputBox(uiText(86), DatabaseTitle, QStringLiteral("sorszam = 1"));
    if (!condition) return;
    SearchCriterion = *condition;
    data1_->findFirst(SearchCriterion);  // a condition that cannot be read ends here, quietly
    if (data1_->noMatch()) notFound();
    showRecord();
    data();
}

void EditorWindow::Command11_Click() {
    if (NewPending && !storeBoxes()) return;
    if (!mayLeave() || SearchCriterion.isEmpty()) return;
    data1_->findNext(SearchCriterion);
    if (data1_->noMatch()) {
        notFound();
        return;
    }
    showRecord();
    data();
}

void EditorWindow::mnuTopicItem_Click(int index) {
    if (!data1_) return;  // the file could not be opened; the learner was told at load
    const bool wasNew = NewPending && data1_->addingNew();
    if (!mayLeave()) return;
    if (wasNew) data1_->moveLast();
    if (!onRecord()) return;  // no sentence shown: nothing to file
    const store::Topic& topic = store::kTopics[static_cast<size_t>(index)];
    try {
        data1_->edit();
        data1_->setField(QStringLiteral("kulcs1"), QString::fromLatin1(topic.kulcs1));
        if (topic.kulcs2) data1_->setField(QStringLiteral("kulcs2"), QString::fromLatin1(topic.kulcs2));
        data1_->update();
    } catch (const store::StoreError& e) {
        if (data1_->editing()) data1_->cancelUpdate();
        tellWriteFailure(e);
    }
    showRecord();
    data();
}

void EditorWindow::warnAboutContent() {
    // Quiet hints for the teacher; they never stop a record from being stored.
    QStringList warnings;
    const QString sentence = Text3.caption;
    const QStringList fillers = {Text4.caption, Text5.caption, Text6.caption, Text7.caption};
    if (!sentence.isEmpty() && sentence.count(QStringLiteral("...")) != 1)
        warnings << uiText(text::KeyWarnGaps);
    const QSet<QString> distinct(fillers.begin(), fillers.end());
    if (!fillers.contains(QString()) && distinct.size() < 4) warnings << uiText(text::KeyWarnEqualFillers);
    const int right = QStringLiteral("ABCD").indexOf(Text10.caption);
    if (right >= 0 && Text10.caption.size() == 1 && sentence.count(QStringLiteral("...")) == 1) {
        const QString completed = QString(sentence).replace(QStringLiteral("..."), fillers[right]);
        if (!Text8.caption.startsWith(completed)) warnings << uiText(text::KeyWarnSolution);
    }
    if (db_ && !sentence.isEmpty()) {
        try {
            if (const std::optional<int> other =
                    store::otherSerialWithSentence(*db_, sentence, Text1.caption.trimmed().toInt()))
                warnings << uiText(text::KeyWarnSameSentence).arg(*other);
        } catch (const store::StoreError&) {
            // A hint that cannot be looked up is left out; storing says what is wrong with the file.
        }
    }
    lblWarning.caption = warnings.join(QStringLiteral("  ·  "));
}

QChar EditorWindow::substitute(QChar typed) {
    return app::spanishKey(typed);
}

void EditorWindow::mnuFonts_Click() {
    // A cancelled dialog leaves the font as it was; the font goes to the box being worked in.
    const std::optional<forms::FontSpec> font = ctx.platform.fontDialog();
    if (!font || activeControl.isEmpty()) return;
    for (const auto& control : controls())
        if (control->key() == activeControl) control->font = *font;
}

}  // namespace editor
