// The base of every window of the program: catalogue texts in the working language and the
// three conventions every window follows (opening centred and on top, the "&OnTop" toggle,
// switching windows from the Tasks menu).
#pragma once

#include <array>
#include <functional>
#include <span>

#include "context.h"
#include "forms/form.h"
#include "forms/platform.h"
#include "text/window_texts.h"
#include "written_answers.h"

namespace store {
class StoreError;
}

namespace app {

class AppForm : public forms::Form {
public:
    AppForm(const QString& name, Context& context) : forms::Form(name, context), ctx(context) {}

    // This window's own name in the working language (the task windows have one).
    QString TitleWord;

protected:
    QString uiText(int key) const;
    // What went wrong with the database file, in the working language (see problem_text.h).
    QString reason(const store::StoreError& error) const;
    void applyTexts(std::span<const text::TextBinding> table);
    // Sets TitleWord for the working language and the caption "Plurquiz Español  ----  <word>".
    void applyTitle(text::TitleWindow window);

    // Centre, topmost, and the "&OnTop" mark checked where the window has one.
    void openConventionally();
    void toggleOnTop();
    // Shows `target` and unloads this window; `hideReview` first hides an open review window.
    void switchTo(const QString& target, bool hideReview = false);

    void message(const QString& text, forms::MsgIcon icon, const QString& caption);
    // The lower-case keys a-d choose the four answer options while their panel shows: the key is
    // swallowed, the option selected and `chosen` told its letter (0-3). Other keys pass on.
    void chooseByKey(QChar& key, const forms::Control& panel, const std::array<forms::Control*, 4>& options,
                     const std::function<void(int)>& chosen);

    // Hearing the sentence. The Listen button stays hidden until the learner has answered and
    // answers to Ctrl+L; the Settings item shows the shared setting "read aloud after each answer".
    // The speech service is looked for half a second after the window opens.
    void declareListening(forms::Control& listen, forms::Control& speakItem);
    // After an answer: Listen shows, usable when a Spanish voice can speak and otherwise disabled
    // with the reason as its tool tip; with the setting on, the sentence is spoken at once. While
    // the speech service is still starting, the button waits disabled and a short timer asks
    // again, so the window never waits for the service.
    void offerListening(forms::Control& listen, const QString& sentence);
    // The Listen button: speaks the sentence, once an answer has shown the button.
    void listenTo(const forms::Control& listen, const QString& sentence);
    void toggleSpeakAfterAnswer(forms::Control& speakItem);
    // The answering frame's fixed parts: the hidden option that stands for no choice checked, the
    // four options spoken as their letters, the right and wrong panels marked ✔ and ✘.
    void prepareAnswerFrame(forms::Control& none, const std::array<forms::Control*, 4>& options,
                            forms::Control& right, forms::Control& wrong);
    // The box, letter buttons, Check, verdict panels and Settings item of written answers.
    WrittenControls addWrittenControls();

    Context& ctx;

private:
    void listenCheck_Timer();
    void speechWarmUp_Timer();
    forms::Timer* listenCheck_ = nullptr;
    forms::Timer* speechWarmUp_ = nullptr;
    forms::Control* listen_ = nullptr;
    QString listenSentence_;
};

}  // namespace app
