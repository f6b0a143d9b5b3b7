// The difference of a typed answer from the right filler: a Levenshtein table over code points, read
// back from its end, a kept or changed letter preferred over an added or removed one.
#include "difference.h"

#include <QStringList>

#include "judgement.h"
#include "text/ui_text.h"

namespace written {

std::vector<Segment> difference(const QString& typed, const QString& right) {
    const QList<uint> a = normalised(typed).toUcs4();
    const QList<uint> b = normalised(right).toUcs4();
    const qsizetype n = a.size();
    const qsizetype m = b.size();
    std::vector<int> cost(size_t((n + 1) * (m + 1)));
    auto at = [&](qsizetype i, qsizetype j) -> int& { return cost[size_t(i * (m + 1) + j)]; };
    for (qsizetype i = 0; i <= n; ++i) at(i, 0) = int(i);
    for (qsizetype j = 0; j <= m; ++j) at(0, j) = int(j);
    for (qsizetype i = 1; i <= n; ++i)
        for (qsizetype j = 1; j <= m; ++j)
            at(i, j) = std::min(
                {at(i - 1, j - 1) + (a[i - 1] == b[j - 1] ? 0 : 1), at(i - 1, j) + 1, at(i, j - 1) + 1});

    // Steps from the end back to the start: the kind, and the letters typed and meant.
    struct Step {
        Segment::Kind kind;
        uint typed;
        uint right;
    };
    std::vector<Step> steps;
    for (qsizetype i = n, j = m; i > 0 || j > 0;) {
        if (i > 0 && j > 0 && at(i, j) == at(i - 1, j - 1) + (a[i - 1] == b[j - 1] ? 0 : 1)) {
            steps.push_back({a[i - 1] == b[j - 1] ? Segment::Same : Segment::Changed, a[i - 1], b[j - 1]});
            --i;
            --j;
        } else if (i > 0 && at(i, j) == at(i - 1, j) + 1) {
            steps.push_back({Segment::Extra, a[i - 1], 0});
            --i;
        } else {
            steps.push_back({Segment::Missing, 0, b[j - 1]});
            --j;
        }
    }

    std::vector<Segment> segments;
    for (auto s = steps.rbegin(); s != steps.rend(); ++s) {
        if (segments.empty() || segments.back().kind != s->kind) segments.push_back({s->kind, {}, {}});
        const char32_t typedLetter[] = {s->typed};
        const char32_t rightLetter[] = {s->right};
        if (s->kind != Segment::Missing) segments.back().typed += QString::fromUcs4(typedLetter, 1);
        if (s->kind != Segment::Extra) segments.back().right += QString::fromUcs4(rightLetter, 1);
    }
    return segments;
}

namespace {

QString marked(const QString& letters, const char* style) {
    QString escaped = letters.toHtmlEscaped();
    escaped.replace(u' ', QStringLiteral("&nbsp;"));  // a space added or removed stays visible
    return QStringLiteral("<span style=\"%1\">%2</span>").arg(QLatin1String(style), escaped);
}

const char* const kStruck = "color:#c62828;text-decoration:line-through";
const char* const kInserted = "color:#2e7d32;text-decoration:underline";

}  // namespace

QString differenceHtml(const std::vector<Segment>& segments) {
    QString html;
    for (const Segment& s : segments) {
        switch (s.kind) {
            case Segment::Same:
                html += s.typed.toHtmlEscaped();
                break;
            case Segment::Extra:
                html += marked(s.typed, kStruck);
                break;
            case Segment::Missing:
                html += marked(s.right, kInserted);
                break;
            case Segment::Changed:
                html += marked(s.typed, kStruck) + marked(s.right, kInserted);
                break;
        }
    }
    return html;
}

QString differencePlain(const std::vector<Segment>& segments, int langBase) {
    using namespace text;
    QString typed;
    QString right;
    for (const Segment& s : segments) {
        typed += s.typed;
        right += s.right;
    }
    if (typed == right) return {};
    if (typed.isEmpty()) return uiText(KeyWrittenNothingTyped, langBase);
    const QString format = uiText(KeyWrittenDifference, langBase);
    if (right.isEmpty()) return format.arg(typed, uiText(KeyWrittenGapTakesNothing, langBase));

    // Letters are placed by the right filler: after the part of its word before them, or at the
    // start of the word they begin.
    auto spoken = [&](const QString& letters) {
        return letters.trimmed().isEmpty() ? uiText(KeyWrittenSpace, langBase) : letters;
    };
    QStringList said;
    qsizetype done = 0;  // letters of the right filler before the segment
    for (const Segment& s : segments) {
        if (s.kind == Segment::Changed) {
            said << uiText(KeyWrittenShouldBe, langBase).arg(spoken(s.typed), spoken(s.right));
        } else if (s.kind != Segment::Same) {
            const bool missing = s.kind == Segment::Missing;
            const QString before = right.left(done);
            const QString letters = spoken(missing ? s.right : s.typed);
            if (before.isEmpty() || before.endsWith(u' ')) {
                const QString word = right.mid(done).section(u' ', 0, 0);
                said << uiText(missing ? KeyWrittenMissingAtStart : KeyWrittenExtraAtStart, langBase)
                            .arg(letters, word);
            } else {
                said << uiText(missing ? KeyWrittenMissingAfter : KeyWrittenExtraAfter, langBase)
                            .arg(letters, before.section(u' ', -1));
            }
        }
        done += s.right.size();
    }
    return format.arg(typed, said.join(uiText(KeyWrittenSeparator, langBase)));
}

}  // namespace written
