// Written answers in the answering windows.
#include "written_answers.h"

#include "memory/memory_store.h"
#include "store/store_error.h"
#include "text/ui_text.h"
#include "written/difference.h"

namespace app {

bool WrittenAnswers::on() const {
    if (!ctx_.g.WriteAnswers) {
        try {
            const std::unique_ptr<store::Database> db = ctx_.openDatabase(true);
            ctx_.g.WriteAnswers = memory::loadSettings(db->db()).writeAnswers;
        } catch (const store::StoreError&) {
            ctx_.g.WriteAnswers = false;
        }
    }
    return *ctx_.g.WriteAnswers;
}

void WrittenAnswers::load() {
    c_.box.substitutesKeys = true;
    c_.verdict.html = true;
    c_.almost.caption = QStringLiteral("≈");
    const int lang = text::isLangBase(ctx_.g.LangBase) ? ctx_.g.LangBase : text::English;
    c_.almost.spokenName = text::uiText(text::KeyWrittenAlmost, lang);
    c_.box.spokenName = text::uiText(text::KeyWrittenBox, lang);
    for (size_t i = 0; i < c_.letters.size(); ++i) {
        c_.letters[i]->caption = QString(QChar(kSpanishLetters[i]));
        c_.letters[i]->spokenName = text::uiText(text::KeyWrittenLetterFirst + int(i), lang);
    }
    applyMode();
}

void WrittenAnswers::toggle() {
    ctx_.g.WriteAnswers = !on();
    try {
        const std::unique_ptr<store::Database> db = ctx_.openDatabase();
        memory::MemorySettings s = memory::loadSettings(db->db());
        s.writeAnswers = *ctx_.g.WriteAnswers;
        memory::saveSettings(*db, s);
    } catch (const store::StoreError&) {
        // A file that cannot be written keeps the setting for this run only.
    }
    applyMode();
    if (on()) newSentence();
}

void WrittenAnswers::applyMode() {
    const bool writing = on();
    const bool sentenceShown = options_.visible || c_.panel.visible;
    c_.menu.checked = writing;
    options_.visible = sentenceShown && !writing;
    c_.panel.visible = sentenceShown && writing;
    c_.box.visible = c_.check.visible = writing;
    for (forms::Control* l : c_.letters) l->visible = writing;
    if (!writing) hideVerdict();
}

void WrittenAnswers::leave() {
    c_.panel.visible = false;
    hideVerdict();
}

void WrittenAnswers::newSentence() {
    if (!on()) return;
    options_.visible = false;
    c_.panel.visible = c_.box.visible = c_.check.visible = true;
    c_.box.caption.clear();
    hideVerdict();
    c_.check.enabled = true;
    c_.check.isDefault = true;
    form_.setFocus(c_.box);
}

void WrittenAnswers::addLetter(int index) {
    c_.box.caption += QChar(kSpanishLetters[size_t(index)]);
    form_.setFocus(c_.box);
}

written::Judgement WrittenAnswers::judge(const std::array<QString, 4>& options, int right) const {
    return written::judge(c_.box.caption, options, right);
}

void WrittenAnswers::hideVerdict() {
    c_.almost.visible = c_.verdict.visible = false;
}

void WrittenAnswers::show(const written::Judgement& j, forms::Control& good, forms::Control& bad) {
    const int lang = text::isLangBase(ctx_.g.LangBase) ? ctx_.g.LangBase : text::English;
    good.visible = j.verdict == written::Verdict::Right;
    c_.almost.visible = j.verdict == written::Verdict::Almost;
    bad.visible = j.verdict == written::Verdict::Wrong;
    const QString right = j.right.isEmpty() ? QStringLiteral("—") : j.right;
    QString html, plain;
    switch (j.verdict) {
        case written::Verdict::Right:
            html = plain = text::uiText(text::KeyWrittenRight, lang).arg(right);
            html = html.toHtmlEscaped();
            break;
        case written::Verdict::Almost: {
            const QString what = written::almostText(j, lang);
            plain = text::uiText(text::KeyWrittenAlmostText, lang).arg(right, what);
            html = plain.toHtmlEscaped();
            break;
        }
        case written::Verdict::Wrong: {
            const auto segments = written::difference(j.typed, j.right);
            const QString head = text::uiText(text::KeyWrittenWrong, lang).arg(right);
            const QString why = j.accentDecides ? written::almostText(j, lang) : QString();
            plain = head + (why.isEmpty() ? QString() : QStringLiteral(" — ") + why) + QStringLiteral(". ") +
                    written::differencePlain(segments, lang);
            html = head.toHtmlEscaped() +
                   (why.isEmpty() ? QString() : QStringLiteral(" — ") + why.toHtmlEscaped()) +
                   QStringLiteral("<br>") + written::differenceHtml(segments);
            break;
        }
    }
    c_.verdict.caption = html;
    c_.verdict.spokenName = plain;
    c_.verdict.visible = true;
    c_.check.isDefault = false;
}

memory::Grade gradeOf(written::Verdict verdict, bool afterSolution) {
    if (afterSolution) return memory::Grade::Again;
    switch (verdict) {
        case written::Verdict::Right:
            return memory::Grade::Good;
        case written::Verdict::Almost:
            return memory::Grade::Hard;
        case written::Verdict::Wrong:
            break;
    }
    return memory::Grade::Again;
}

QString letterOf(const written::Judgement& j) {
    return j.chosen >= 0 && j.chosen < 4 ? QString(QChar(u'A' + j.chosen)) : QStringLiteral("0");
}

}  // namespace app
