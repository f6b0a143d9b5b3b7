// Judging a typed filler. Texts are compared word by word: a word's core is its letters without
// ¿ ¡; a ¿ or ¡ typed apart ("¿ Qué") belongs to the word it stands before. Two texts are almost
// equal when they have as many words and each core equals the other's letter by letter once
// accents, ñ and case are set aside; the slips are then read off letter by letter.
#include "judgement.h"

#include <QStringList>
#include <algorithm>
#include <optional>

#include "text/ui_text.h"

namespace written {

namespace {

bool isMark(QChar c) {
    return c == u'¿' || c == u'¡';
}

// The letter without its accents, diaeresis or tilde (canonical decomposition, first part).
QChar bareLetter(QChar c) {
    for (int depth = 0; depth < 4 && c.decompositionTag() == QChar::Canonical; ++depth) {
        const QString parts = c.decomposition();
        if (parts.isEmpty()) break;
        c = parts.at(0);
    }
    return c;
}

QChar folded(QChar c) {
    return bareLetter(c).toCaseFolded();
}

struct Word {
    QString shown;  // as in the text, a ¿ or ¡ typed apart included
    QString core;   // its letters, no ¿ ¡ or space
};

std::vector<Word> wordsOf(const QString& text) {
    std::vector<Word> words;
    QString loose;  // ¿ ¡ typed apart, waiting for the word they stand before
    for (const QString& token : text.split(u' ', Qt::SkipEmptyParts)) {
        QString core = token;
        core.removeIf(isMark);
        if (core.isEmpty()) {
            loose += loose.isEmpty() ? token : u' ' + token;
            continue;
        }
        words.push_back({loose.isEmpty() ? token : loose + u' ' + token, core});
        loose.clear();
    }
    if (!loose.isEmpty()) {
        if (words.empty())
            words.push_back({loose, {}});
        else
            words.back().shown += u' ' + loose;
    }
    return words;
}

unsigned bit(Slip s) {
    return 1u << static_cast<unsigned>(s);
}

// The slips that set `typed` apart from `right`, by kind and then word; nullopt when the two differ
// by more than slips.
std::optional<std::vector<WordSlip>> slipsBetween(const QString& typed, const QString& right) {
    const std::vector<Word> t = wordsOf(typed);
    const std::vector<Word> r = wordsOf(right);
    if (t.size() != r.size()) return std::nullopt;
    std::vector<WordSlip> slips;
    for (size_t w = 0; w < t.size(); ++w) {
        const QString& tc = t[w].core;
        const QString& rc = r[w].core;
        if (tc.size() != rc.size()) return std::nullopt;
        unsigned kinds = 0;
        for (qsizetype i = 0; i < tc.size(); ++i) {
            const QChar a = tc[i];
            const QChar b = rc[i];
            if (a == b) continue;
            if (folded(a) != folded(b)) return std::nullopt;
            if (bareLetter(a) != bareLetter(b)) kinds |= bit(Slip::Capital);
            if (a.toLower() != b.toLower()) {
                const bool enye = a.toLower() == u'ñ' || b.toLower() == u'ñ';
                kinds |= bit(enye ? Slip::Enye : Slip::Accent);
            }
        }
        // The typed word with the right letters put in: whatever still differs is ¿ ¡ or spacing.
        QString marksOnly = t[w].shown;
        qsizetype next = 0;
        for (QChar& c : marksOnly)
            if (!isMark(c) && c != u' ') c = rc[next++];
        if (marksOnly != r[w].shown) kinds |= bit(Slip::Marks);
        for (Slip kind : {Slip::Accent, Slip::Enye, Slip::Marks, Slip::Capital})
            if (kinds & bit(kind)) slips.push_back({kind, r[w].shown, t[w].shown});
    }
    std::stable_sort(slips.begin(), slips.end(),
                     [](const WordSlip& a, const WordSlip& b) { return a.kind < b.kind; });
    return slips;
}

}  // namespace

QString normalised(const QString& text) {
    return text.simplified().normalized(QString::NormalizationForm_C);
}

Judgement judge(const QString& typed, const std::array<QString, 4>& options, int right) {
    Judgement j;
    j.typed = normalised(typed);
    if (right < 0 || right >= int(options.size())) return j;
    std::array<QString, 4> opts;
    std::transform(options.begin(), options.end(), opts.begin(), normalised);
    j.right = opts[size_t(right)];
    if (j.typed == j.right) {
        j.verdict = Verdict::Right;
        j.chosen = right;
        return j;
    }

    auto otherOption = [&](Qt::CaseSensitivity cs) {
        for (int k = 0; k < int(opts.size()); ++k)
            if (k != right && opts[size_t(k)].compare(j.typed, cs) == 0) return k;
        return -1;
    };
    j.chosen = otherOption(Qt::CaseSensitive);
    if (j.chosen < 0 && j.typed.compare(j.right, Qt::CaseInsensitive) != 0)
        j.chosen = otherOption(Qt::CaseInsensitive);

    std::optional<std::vector<WordSlip>> slips = slipsBetween(j.typed, j.right);
    if (!slips) return j;

    // The accents and ñ that alone tell the right filler from another option are not slips here.
    unsigned deciding = 0;
    for (int k = 0; k < int(opts.size()); ++k) {
        if (k == right) continue;
        if (auto between = slipsBetween(opts[size_t(k)], j.right))
            for (const WordSlip& s : *between)
                if (s.kind == Slip::Accent || s.kind == Slip::Enye) deciding |= bit(s.kind);
    }
    std::vector<WordSlip> decided;
    std::copy_if(slips->begin(), slips->end(), std::back_inserter(decided),
                 [&](const WordSlip& s) { return deciding & bit(s.kind); });
    if (!decided.empty()) {
        j.accentDecides = true;
        j.slips = std::move(decided);
        return j;
    }
    j.verdict = Verdict::Almost;
    j.slips = std::move(*slips);
    return j;
}

QString almostText(const Judgement& judgement, int langBase) {
    QStringList parts;
    for (const WordSlip& s : judgement.slips) {
        int key = text::KeyWrittenAccent;
        switch (s.kind) {
            case Slip::Accent:
                key = judgement.accentDecides ? text::KeyWrittenAccentDecides : text::KeyWrittenAccent;
                break;
            case Slip::Enye:
                key = judgement.accentDecides ? text::KeyWrittenEnyeDecides : text::KeyWrittenEnye;
                break;
            case Slip::Marks:
                key = text::KeyWrittenMarks;
                break;
            case Slip::Capital:
                key = text::KeyWrittenCapital;
                break;
        }
        parts << text::uiText(key, langBase).arg(s.right, s.typed);
    }
    return parts.join(text::uiText(text::KeyWrittenSeparator, langBase));
}

}  // namespace written
