// Window conventions shared by every window of the program.
#include "app_form.h"

#include "forms/window_registry.h"
#include "keyboard_aid.h"
#include "problem_text.h"
#include "text/ui_text.h"
#include "window_names.h"

namespace app {

namespace {
// How often a waiting Listen button asks whether the speech service has started.
constexpr int kListenCheckMs = 150;
// How long a window with Listen has been open before the speech service is looked for: long
// enough that the window is drawn, short enough that a learner is still reading the sentence.
constexpr int kSpeechWarmUpMs = 500;
}  // namespace

QString AppForm::uiText(int key) const {
    return text::uiText(key, ctx.g.LangBase);
}

QString AppForm::reason(const store::StoreError& error) const {
    // A file of a later layout is opened read-only: that is why its writes are refused.
    const bool later = ctx.databaseAtStart && ctx.databaseAtStart->problem == store::Problem::LaterLayout;
    if (later && error.problem() == store::Problem::ReadOnly)
        return problemText(store::Problem::LaterLayout, {}, ctx.g.LangBase);
    return problemText(error, ctx.g.LangBase);
}

void AppForm::applyTexts(std::span<const text::TextBinding> table) {
    for (const text::TextBinding& b : table)
        c(QString::fromLatin1(b.control), b.index).caption = uiText(b.key);
}

void AppForm::applyTitle(text::TitleWindow window) {
    const QString word = text::titleWord(window, ctx.g.LangBase);
    if (!word.isEmpty()) TitleWord = word;
    caption = uiText(65) + text::kTitleSeparator + TitleWord;
}

void AppForm::declareListening(forms::Control& listen, forms::Control& speakItem) {
    listen.visible = false;
    listen.shortcut = QStringLiteral("Ctrl+L");
    speakItem.checkable = true;
    speakItem.checked = ctx.g.SpeakAfterAnswer;
    listen_ = &listen;
    listenCheck_ = &addTimer(QStringLiteral("listenCheck"), kListenCheckMs, false);
    onTimer(*listenCheck_, &AppForm::listenCheck_Timer);
    speechWarmUp_ = &addTimer(QStringLiteral("speechWarmUp"), kSpeechWarmUpMs, true);
    onTimer(*speechWarmUp_, &AppForm::speechWarmUp_Timer);
}

void AppForm::speechWarmUp_Timer() {
    speechWarmUp_->setEnabled(false);
    // Finding the service takes its thread a moment and some of the machine: better while the
    // learner reads than in the moment of the first answer.
    ctx.platform.speech().status();
}

void AppForm::listenCheck_Timer() {
    listenCheck_->setEnabled(false);
    // A new sentence hid the button meanwhile: that answer's moment has passed.
    if (listen_->visible) offerListening(*listen_, listenSentence_);
}

void AppForm::offerListening(forms::Control& listen, const QString& sentence) {
    listen.visible = true;
    // The engine has started by now unless the answer came within moments of the window opening.
    forms::Speech& speech = ctx.platform.speech();
    switch (speech.status()) {
        case forms::Speech::Status::Ready:
            listen.enabled = true;
            listen.toolTip = uiText(text::KeyListenHint);
            if (ctx.g.SpeakAfterAnswer) speech.say(sentence);
            break;
        case forms::Speech::Status::NoService:
            listen.enabled = false;
            listen.toolTip = uiText(text::KeyListenNoService);
            break;
        case forms::Speech::Status::NoSpanishVoice:
            listen.enabled = false;
            listen.toolTip = uiText(text::KeyListenNoSpanishVoice);
            break;
        case forms::Speech::Status::Starting:
            listen.enabled = false;
            listen.toolTip = uiText(text::KeyListenStarting);
            listenSentence_ = sentence;
            if (listenCheck_) listenCheck_->setEnabled(true);
            break;
    }
}

void AppForm::listenTo(const forms::Control& listen, const QString& sentence) {
    // The shortcut reaches the handler even while the button is hidden: before an answer the
    // sentence is not given away.
    if (!listen.visible || !listen.enabled || sentence.isEmpty()) return;
    forms::Speech& speech = ctx.platform.speech();
    if (speech.available()) speech.say(sentence);
}

void AppForm::toggleSpeakAfterAnswer(forms::Control& speakItem) {
    ctx.g.SpeakAfterAnswer = !ctx.g.SpeakAfterAnswer;
    speakItem.checked = ctx.g.SpeakAfterAnswer;
}

void AppForm::openConventionally() {
    CentreOnScreen(*this, ctx.platform.screenSize());
    ctx.platform.setTopmost(*this, true);
    if (has(QStringLiteral("mnuOnTop"))) c(QStringLiteral("mnuOnTop")).checked = true;
}

void AppForm::toggleOnTop() {
    forms::Control& item = c(QStringLiteral("mnuOnTop"));
    ctx.platform.setTopmost(*this, !item.checked);
    item.checked = !item.checked;
}

void AppForm::switchTo(const QString& target, bool hideReview) {
    if (hideReview) ctx.windows.hide(kReview);
    ctx.windows.show(target);
    ctx.windows.unload(name());
}

void AppForm::message(const QString& text, forms::MsgIcon icon, const QString& caption) {
    ctx.platform.messageBox(text, caption, icon);
}

void AppForm::chooseByKey(QChar& key, const forms::Control& panel,
                          const std::array<forms::Control*, 4>& options,
                          const std::function<void(int)>& chosen) {
    if (key < u'a' || key > u'd') return;
    const int letter = key.unicode() - u'a';
    key = QChar();
    if (!panel.visible) return;
    selectOption(*options[static_cast<size_t>(letter)]);
    chosen(letter);
}

void AppForm::prepareAnswerFrame(forms::Control& none, const std::array<forms::Control*, 4>& options,
                                 forms::Control& right, forms::Control& wrong) {
    none.visible = false;
    none.checked = true;
    for (size_t i = 0; i < options.size(); ++i) options[i]->spokenName = QString(QChar(u'A' + int(i)));
    right.caption = QStringLiteral("✔");
    wrong.caption = QStringLiteral("✘");
}

WrittenControls AppForm::addWrittenControls() {
    forms::Control& panel = add(forms::ControlKind::Frame, QStringLiteral("pnlWrite"));
    forms::Control& box = add(forms::ControlKind::Edit, QStringLiteral("txtAnswer"));
    forms::Control& check = addButton(QStringLiteral("cmdCheck"), QStringLiteral("Check"));
    std::array<forms::Control*, 9> letters{};
    for (size_t i = 0; i < letters.size(); ++i)
        letters[i] = &addButton(QStringLiteral("cmdLetter%1").arg(i), QString(QChar(kSpanishLetters[i])));
    forms::Control& almost = addLabel(QStringLiteral("lblAlmost"));
    forms::Control& verdict = addLabel(QStringLiteral("lblVerdict"));
    forms::Control& menu = addItem(QStringLiteral("mnuWrite"), QStringLiteral("&Write the answers"));
    for (forms::Control* c : {&panel, &box, &check, &almost, &verdict}) c->visible = false;
    for (forms::Control* c : letters) c->visible = false;
    // The database window's keyboard aid types Spanish letters into the answer box too.
    onEditKeyPress([](const QString& name, QChar& key) {
        if (name == QLatin1String("txtAnswer")) key = spanishKey(key);
    });
    return {panel, box, check, letters, almost, verdict, menu};
}

}  // namespace app
