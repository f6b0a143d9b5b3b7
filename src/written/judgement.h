// Judging a filler the learner typed instead of choosing it. Both sides are compared trimmed, with
// runs of spaces collapsed and accents composed (a letter typed as base + combining accent is the
// same letter). Pure functions, no widgets and no file.
#pragma once

#include <QString>
#include <array>
#include <vector>

namespace written {

enum class Verdict { Right, Almost, Wrong };

// What sets an almost-right answer apart from the right filler, in the order the message lists them.
enum class Slip {
    Accent,   // an accent or diaeresis missing, added or another one (está / esta, pingüino / pinguino)
    Enye,     // ñ typed as n, or n as ñ
    Marks,    // ¿ or ¡ missing, added or placed elsewhere
    Capital,  // a capital letter where the filler has a small one, or the other way round
};

// One kind of slip in one word: the word as the right filler has it, and as it was typed.
struct WordSlip {
    Slip kind = Slip::Accent;
    QString right;
    QString typed;
    bool operator==(const WordSlip&) const = default;
};

struct Judgement {
    Verdict verdict = Verdict::Wrong;
    // The option the answer counts as: the right one for Right; for any other verdict the other
    // option the typed text equals (exactly, else ignoring letter case when it does not equal the
    // right filler that way), so a mix-up is recorded as if that option had been chosen; else -1.
    int chosen = -1;
    // The right filler is ambiguous in writing (another option equals it once accents and ñ are set
    // aside: él / el, sí / si, año / ano), and the answer missed the accent or ñ that tells them
    // apart: Wrong, and `slips` holds the slips that decided.
    bool accentDecides = false;
    // For Almost: every slip, by kind, then word by word. For a Wrong with accentDecides: the
    // deciding ones. Empty otherwise.
    std::vector<WordSlip> slips;
    QString typed;  // as compared: trimmed, spaces collapsed
    QString right;  // the right filler, likewise
};

// The text as answers are compared: trimmed, runs of white space made one space, accents composed.
QString normalised(const QString& text);

// Judges `typed` against options[right]. Right: identical. Almost: identical once accents, ñ,
// ¿ ¡ and letter case are set aside (word by word, so "a la" is not "ala"). Wrong: anything else,
// an empty answer included unless the right filler is empty too. A `right` outside 0-3 is Wrong.
Judgement judge(const QString& typed, const std::array<QString, 4>& options, int right);

// What differed, in the language `langBase` (text::LangBase): "accent: está, not esta", several
// joined with "; "; for an accentDecides judgement "here the accent decides: él, not el". Empty
// when there are no slips.
QString almostText(const Judgement& judgement, int langBase);

}  // namespace written
