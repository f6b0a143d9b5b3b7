// The Today window: the day's queue, answering, the solution, Next and the settings.
#include "today_window.h"

#include <QLocale>
#include <unordered_map>

#include "app/window_names.h"
#include "forms/platform.h"
#include "store/material.h"
#include "store/store_error.h"
#include "text/ui_text.h"
#include "text/window_texts.h"

namespace today {

using forms::OnError;

namespace {
constexpr double kRetentions[] = {0.80, 0.85, 0.90, 0.95};
}  // namespace

TodayWindow::TodayWindow(app::Context& ctx) : app::TaskWindow(app::kToday, ctx, text::TitleWindow::Today) {
    caption = QStringLiteral("Today");
    const std::array<forms::Control*, 4> options = {&Option3D2, &Option3D3, &Option3D4, &Option3D5};
    prepareAnswerFrame(Option3D1, options, Label19, Label20);
    question().showAsWritten();
    Label17.literal = Label18.literal = true;
    for (forms::Control* c : {&Label9, &Label10, &Label17, &Label18, &Label19, &Label20, &lblEnd, &cmdListen})
        c->visible = false;

    for (int i = 0; i < 4; ++i) onClick(*options[i], [this, i] { Option_Click(i); });
    onKeyPress([this](QChar& key) { Form_KeyPress(key); });
    onClick(Command1, &TodayWindow::Command1_Click);
    onClick(Command2, &TodayWindow::Command2_Click, OnError::EndQuietly);
    onClick(Command6, [this] { mnuPlurquiz_Click(); });
    declareListening(cmdListen, mnuSpeak);
    onClick(cmdListen, &TodayWindow::cmdListen_Click);
    onClick(mnuSpeak, &TodayWindow::mnuSpeak_Click);
    onClick(mnuNewPerDay, &TodayWindow::mnuNewPerDay_Click);
    onClick(mnuRetentionItem, &TodayWindow::mnuRetentionItem_Click);
    onClick(mnuNewLevelItem, &TodayWindow::mnuNewLevelItem_Click);
    onClick(written.check, &TodayWindow::cmdCheck_Click);
    for (int i = 0; i < 9; ++i) onClick(*written.letters[size_t(i)], [this, i] { writing_.addLetter(i); });
    onClick(written.menu, [this] { writing_.toggle(); });
}

void TodayWindow::message(const QString& text, forms::MsgIcon icon) {
    AppForm::message(text, icon, TitleWord);
}

void TodayWindow::Form_Load() {
    loadCommon(text::todayTexts());
    writing_.load();
    Label19.spokenName = uiText(text::KeyRightAnswer);
    Label20.spokenName = uiText(text::KeyWrongAnswer);
    try {
        db_ = ctx.openDatabase();
        startSession();
    } catch (const store::StoreError& e) {
        db_.reset();
        sentences_.reset();
        items_.clear();
        for (forms::Control* c : {&Frame3D1, &Label13, &Command1, &Command2, &mnuSettings})
            c->enabled = false;
        lblLeft.caption.clear();
        message(uiText(text::KeySentencesCannotBeRead).arg(ctx.g.DatabasePath, reason(e)),
                forms::MsgIcon::Critical);
    }
}

void TodayWindow::Form_Unload() {
    const int unwritten = journal_.settle(db_.get());
    if (unwritten > 0)
        message(uiText(text::KeyTodayAnswersLost)
                    .arg(ctx.g.DatabasePath, reason(journal_.lastFailure()))
                    .arg(unwritten),
                forms::MsgIcon::Information);
}

void TodayWindow::startSession() {
    settings_ = memory::loadSettings(db_->db());
    showSettings();
    queue_ = memory::buildTodayQueue(db_->db(), memory::dayOf(ctx.platform.now()), settings_);
    // The sentences as the table holds them now, in the queue's order; one deleted meanwhile is left out.
    std::vector<int> kept;
    sentences_ = store::Snapshot::ofSerials(*db_, queue_.serials(), &kept);
    std::unordered_map<int, memory::QueueItem> bySerial;
    for (const auto* list : {&queue_.due, &queue_.fresh})
        for (const memory::QueueItem& i : *list) bySerial.emplace(i.serial, i);
    items_.clear();
    items_.reserve(kept.size());
    for (int serial : kept) items_.push_back(bySerial.at(serial));
    answeredNow_ = 0;
    position_ = 0;
    if (items_.empty()) {
        showEnd();
        return;
    }
    sentences_->moveFirst();
    showCurrent();
}

void TodayWindow::showCurrent() {
    auto field = [this](const QString& name) { return sentences_->field(name); };
    auto text = [&](const char* name) { return field(QString::fromLatin1(name)).toString(); };
    question().show(field, app::Spacing::SetOff);
    Label18.caption = text("felelet2");
    Label17.caption = app::shownText(text("felelet1"), app::Spacing::SetOff);
    sentenceToSay_ = store::sentenceToSay(text("mondat"), {text("a"), text("b"), text("c"), text("d")},
                                          text("felelet2"), text("felelet1"));
    for (forms::Control* c : {&Label17, &Label18, &Label19, &Label20, &cmdListen, &lblEnd})
        c->visible = false;
    for (forms::Control* c : {&Label13, &Frame3D1, &Command1, &Command2}) c->visible = true;
    Command2.isDefault = true;  // Enter goes on to the next sentence
    selectOption(Option3D1);
    answered_ = false;
    solutionShown_ = false;
    writing_.newSentence();
    showLeft();
}

void TodayWindow::showLeft() {
    int due = 0, fresh = 0;
    for (size_t i = size_t(position_) + (answered_ ? 1 : 0); i < items_.size(); ++i)
        (items_[i].fresh ? fresh : due)++;
    lblLeft.caption = uiText(text::KeyTodayLeft).arg(due).arg(fresh).arg(queue_.doneToday + answeredNow_);
}

void TodayWindow::showEnd() {
    for (forms::Control* c :
         {&Label13, &Frame3D1, &Command1, &Command2, &Label17, &Label18, &Label19, &Label20, &cmdListen})
        c->visible = false;
    const bool doneSomething = queue_.doneToday + answeredNow_ > 0;
    QString text = uiText(doneSomething ? text::KeyTodayAllDone : text::KeyTodayNothing);
    const auto next = memory::nextDue(db_->db(), memory::dayOf(ctx.platform.now()));
    if (next) {
        const QLocale locale(QString::fromLatin1(text::languageCode(ctx.g.LangBase)));
        text += QStringLiteral("\n\n") +
                uiText(text::KeyTodayNextDue)
                    .arg(next->count)
                    .arg(locale.toString(QDate::fromJulianDay(next->day), QLocale::LongFormat));
    }
    lblEnd.caption = text;
    lblEnd.visible = true;
    position_ = static_cast<int>(items_.size());
    answered_ = false;
    showLeft();
    setFocus(Command6);
}

void TodayWindow::Option_Click(int letter) {
    if (position_ >= static_cast<int>(items_.size())) return;
    const QString chosen(QChar(u'A' + letter));
    const bool right = chosen == Label10.caption;
    Label19.visible = right;
    Label20.visible = !right;
    record(chosen, right, right && !solutionShown_ ? memory::Grade::Good : memory::Grade::Again);
}

void TodayWindow::cmdCheck_Click() {
    if (!sentences_ || position_ >= static_cast<int>(items_.size())) return;
    auto field = [this](const char* name) { return sentences_->field(QString::fromLatin1(name)).toString(); };
    const written::Judgement j = writing_.judge({field("a"), field("b"), field("c"), field("d")},
                                                QStringLiteral("ABCD").indexOf(Label10.caption));
    writing_.show(j, Label19, Label20);
    record(app::letterOf(j), j.verdict == written::Verdict::Right, app::gradeOf(j.verdict, solutionShown_),
           j.typed, static_cast<int>(j.verdict));
}

void TodayWindow::record(const QString& letter, bool right, memory::Grade grade, std::optional<QString> typed,
                         int verdict) {
    Label9.caption = letter;
    offerListening(cmdListen, sentenceToSay_);
    setFocus(Command2);
    Command2.isDefault = true;
    if (answered_) return;  // another try: shown, not counted
    answered_ = true;
    ++answeredNow_;
    const memory::QueueItem& item = items_[size_t(position_)];
    progress::AnswerUnit unit;
    unit.answer.serial = item.serial;
    unit.answer.sentence = item.sentence;
    unit.answer.chosen = letter;
    unit.answer.right = Label10.caption;
    unit.answer.correct = right;
    // An answer after the solution was shown is not remembered: it counts as forgotten.
    unit.memory =
        memory::AnswerEvent{memory::Source::Today, grade, right, ctx.platform.now(), typed, verdict};
    if (!journal_.record(*db_, std::move(unit)) && journal_.unwritten() == 1)
        message(uiText(text::KeyTodayWriteFailed).arg(ctx.g.DatabasePath, reason(journal_.lastFailure())),
                forms::MsgIcon::Information);
    showLeft();
}

void TodayWindow::Form_KeyPress(QChar& key) {
    if (!Frame3D1.visible || writing_.on()) return;
    chooseByKey(key, Frame3D1, {&Option3D2, &Option3D3, &Option3D4, &Option3D5},
                [this](int letter) { Option_Click(letter); });
}

void TodayWindow::Command1_Click() {
    solutionShown_ = true;
    Label17.visible = true;
    Label18.visible = true;
    setFocus(Command2);
}

void TodayWindow::Command2_Click() {
    if (!sentences_ || position_ >= static_cast<int>(items_.size())) return;
    ++position_;
    if (position_ >= static_cast<int>(items_.size())) {
        // Sentences passed over with Next are still due (or still new): the day's queue comes
        // round again with them, and ends only when nothing is left.
        startSession();
        return;
    }
    sentences_->moveNext();
    showCurrent();
}

void TodayWindow::showSettings() {
    for (int i = 0; i < 4; ++i) {
        mnuRetentionItem[i].checked = qAbs(kRetentions[i] - settings_.retention) < 1e-9;
        mnuNewLevelItem[i].checked = settings_.newLevel == (i == 3 ? 0 : i + 1);
    }
}

void TodayWindow::saveSettings(const memory::MemorySettings& settings) {
    if (!db_) return;
    try {
        memory::saveSettings(*db_, settings);
    } catch (const store::StoreError& e) {
        message(uiText(text::KeyTodayWriteFailed).arg(ctx.g.DatabasePath, reason(e)),
                forms::MsgIcon::Exclamation);
        return;
    }
    // The queue follows the new settings at once.
    startSession();
}

void TodayWindow::mnuNewPerDay_Click() {
    const std::optional<QString> typed = ctx.platform.inputBox(uiText(text::KeyTodayNewPrompt), TitleWord,
                                                               QString::number(settings_.newPerDay));
    if (!typed) return;
    bool ok = false;
    const int n = typed->trimmed().toInt(&ok);
    if (!ok || n < 0 || n > memory::kMaxNewPerDay) {
        message(uiText(text::KeyTodayNewInvalid), forms::MsgIcon::Exclamation);
        return;
    }
    memory::MemorySettings s = settings_;
    s.newPerDay = n;
    saveSettings(s);
}

void TodayWindow::mnuRetentionItem_Click(int index) {
    memory::MemorySettings s = settings_;
    s.retention = kRetentions[index];
    saveSettings(s);
}

void TodayWindow::mnuNewLevelItem_Click(int index) {
    memory::MemorySettings s = settings_;
    s.newLevel = index == 3 ? 0 : index + 1;
    saveSettings(s);
}

}  // namespace today
