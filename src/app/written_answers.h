// Written answers: with "Write the answers" on, an answering window hides its four options and
// takes the filler typed into a box (the database window's keyboard aid works there, and nine
// buttons add the Spanish letters); Enter checks it. The verdict shows as right (green), almost
// right (orange: a slip of accent, ñ, ¿ ¡ or capital letter, named) or wrong (red, with the right
// filler and a letter-by-letter difference). The setting is the learner's, kept in the file.
#pragma once

#include <array>
#include <optional>

#include "context.h"
#include "forms/form.h"
#include "memory/fsrs.h"
#include "written/judgement.h"

namespace app {

// The controls a window adds for written answers (AppForm::addWrittenControls).
struct WrittenControls {
    forms::Control& panel;                   // pnlWrite: the box, the letters and Check, in one row
    forms::Control& box;                     // txtAnswer
    forms::Control& check;                   // cmdCheck
    std::array<forms::Control*, 9> letters;  // cmdLetter0-8: á é í ó ú ü ñ ¿ ¡
    forms::Control& almost;                  // lblAlmost: the orange panel
    forms::Control& verdict;                 // lblVerdict: the right filler and what differed
    forms::Control& menu;                    // mnuWrite, in the Settings menu
};

inline constexpr std::array<char16_t, 9> kSpanishLetters = {u'á', u'é', u'í', u'ó', u'ú',
                                                            u'ü', u'ñ', u'¿', u'¡'};

class WrittenAnswers {
public:
    WrittenAnswers(Context& ctx, forms::Form& form, WrittenControls controls, forms::Control& options)
        : ctx_(ctx), form_(form), c_(controls), options_(options) {}

    // Whether answers are written; read from the learner's file once per run.
    bool on() const;
    // The window opened: the menu's mark and which panel shows.
    void load();
    // The menu item: the setting turned over, kept in the file, shown at once.
    void toggle();
    // A new sentence: the box empty and focused, the verdict gone; Enter checks.
    void newSentence();
    // A letter button: its letter added to the box.
    void addLetter(int index);
    // Judges what the box holds against the shown options.
    written::Judgement judge(const std::array<QString, 4>& options, int right) const;
    // Shows a verdict: `good` (green) or `bad` (red) or the orange panel, and what differed.
    void show(const written::Judgement& j, forms::Control& good, forms::Control& bad);
    // The verdict panels gone (a new sentence, or the mode turned off).
    void hideVerdict();
    // No sentence shows any more: the box goes with the verdict.
    void leave();
    const WrittenControls& controls() const { return c_; }

private:
    void applyMode();
    Context& ctx_;
    forms::Form& form_;
    WrittenControls c_;
    forms::Control& options_;
};

// The grade of the memory model for a written answer: right Good, almost Hard, wrong Again; an
// answer after the solution was shown is Again.
memory::Grade gradeOf(written::Verdict verdict, bool afterSolution);
// The letter an answer counts as ("A"-"D"), else "0", as the failed-item log keeps it.
QString letterOf(const written::Judgement& j);

}  // namespace app
