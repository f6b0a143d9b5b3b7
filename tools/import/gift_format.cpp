// Writing and reading GIFT text.
#include "gift_format.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace importtool {

namespace {

const QString kSpecials = QStringLiteral("~=#{}:\\");
const QString kParentCategory = QStringLiteral("Plurquiz Español");

// One character of a question block with whether a backslash took away its special meaning.
struct Ch {
    QChar c;
    bool escaped = false;
};
using Chars = std::vector<Ch>;

// The characters of a block with the escapes resolved; `open` is set when it ends in a lone
// backslash.
Chars unescape(const QString& text, bool& open) {
    Chars out;
    open = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            out.push_back({text[i], false});
            continue;
        }
        if (i + 1 >= text.size()) {
            open = true;
            out.push_back({text[i], true});
            break;
        }
        const QChar next = text[++i];
        if (next == u'n')
            out.push_back({QLatin1Char('\n'), true});
        else if (kSpecials.contains(next))
            out.push_back({next, true});
        else {
            out.push_back({QLatin1Char('\\'), true});
            out.push_back({next, false});
        }
    }
    return out;
}

size_t find(const Chars& s, const QString& what, size_t from, size_t to) {
    to = std::min(to, s.size());
    for (size_t i = from; i + static_cast<size_t>(what.size()) <= to; ++i) {
        bool match = true;
        for (qsizetype k = 0; k < what.size() && match; ++k) {
            const Ch& ch = s[i + static_cast<size_t>(k)];
            match = !ch.escaped && ch.c == what[k];
        }
        if (match) return i;
    }
    return std::string::npos;
}

QString plain(const Chars& s, size_t from, size_t to) {
    QString out;
    // A line break of the layout is a blank; only \n stands for a line break in the text.
    for (size_t i = from; i < to && i < s.size(); ++i)
        out += (s[i].c == u'\n' && !s[i].escaped) ? QChar(u' ') : s[i].c;
    return out;
}

// Text of an [html] question as plain text: tags dropped, the common entities resolved.
QString fromHtml(QString text) {
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    text.remove(tag);
    const std::pair<const char*, const char*> entities[] = {{"&nbsp;", " "},  {"&lt;", "<"},  {"&gt;", ">"},
                                                            {"&quot;", "\""}, {"&#39;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, character] : entities)
        text.replace(QLatin1String(entity), QString::fromUtf8(character));
    return text;
}

struct Block {
    int line = 0;  // first line that is not a comment
    QString text;
    QStringList tags;
};

// Splits the text into blocks at blank lines; comment lines go, but their [tag:...] stay with the
// block they stand in.
std::vector<Block> blocksOf(const QString& text) {
    static const QRegularExpression tagPattern(QStringLiteral("\\[tag:((?:\\\\.|[^\\]\\\\])*)\\]"));
    std::vector<Block> blocks;
    Block current;
    QStringList lines = text.split(QLatin1Char('\n'));
    auto close = [&] {
        if (current.line > 0) blocks.push_back(current);
        current = Block{};
    };
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r')) line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty()) {
            close();
        } else if (trimmed.startsWith(QLatin1String("//"))) {
            for (auto it = tagPattern.globalMatch(trimmed); it.hasNext();) {
                QString tag = it.next().captured(1);
                tag.replace(QStringLiteral("\\]"), QStringLiteral("]"));
                current.tags << tag.trimmed();
            }
        } else {
            if (current.line == 0) current.line = static_cast<int>(i + 1);
            current.text += (current.text.isEmpty() ? QString() : QStringLiteral("\n")) + line;
        }
    }
    close();
    return blocks;
}

// The answers between { and }, into the question; a kind that is no multiple choice is named.
void readAnswers(const Chars& s, size_t from, size_t to, bool html, ForeignQuestion& q) {
    if (const size_t general = find(s, QStringLiteral("####"), from, to); general != std::string::npos) {
        q.generalFeedback = plain(s, general + 4, to).trimmed();
        if (html) q.generalFeedback = fromHtml(q.generalFeedback);
        to = general;
    }
    size_t first = from;
    while (first < to && s[first].c.isSpace()) ++first;
    if (first == to) {
        q.kind = QStringLiteral("an essay question");
        return;
    }
    if (!s[first].escaped && s[first].c == u'#') {
        q.kind = QStringLiteral("a numerical question");
        return;
    }
    {
        size_t end = find(s, QStringLiteral("#"), first, to);
        const QString word = plain(s, first, end == std::string::npos ? to : end).trimmed().toUpper();
        if (word == QLatin1String("T") || word == QLatin1String("F") || word == QLatin1String("TRUE") ||
            word == QLatin1String("FALSE")) {
            q.kind = QStringLiteral("a true/false question");
            return;
        }
    }
    if (s[first].escaped || (s[first].c != u'=' && s[first].c != u'~')) {
        q.kind = QStringLiteral("a question whose answers do not begin with = or ~");
        return;
    }
    // Split at every unescaped = or ~.
    std::vector<std::pair<size_t, size_t>> parts;
    for (size_t i = first; i < to; ++i)
        if (!s[i].escaped && (s[i].c == u'=' || s[i].c == u'~')) {
            if (!parts.empty()) parts.back().second = i;
            parts.push_back({i, to});
        }
    bool anyWrong = false;
    for (const auto& [begin, end] : parts) {
        if (find(s, QStringLiteral("->"), begin, end) != std::string::npos) {
            q.kind = QStringLiteral("a matching question");
            return;
        }
        const bool marked = s[begin].c == u'=';
        size_t textFrom = begin + 1;
        int weight = marked ? 100 : 0;
        if (textFrom < end && !s[textFrom].escaped && s[textFrom].c == u'%') {
            const size_t close = find(s, QStringLiteral("%"), textFrom + 1, end);
            if (close != std::string::npos) {
                bool number = false;
                const double w = plain(s, textFrom + 1, close).trimmed().toDouble(&number);
                // Weights are percentages from -100 to 100; a question with any other is not read.
                if (!number || !std::isfinite(w) || w < -100 || w > 100) {
                    q.kind = QStringLiteral(
                        "a question whose answer weights are not percentages from -100 to 100");
                    return;
                }
                weight = static_cast<int>(w);
                textFrom = close + 1;
            }
        }
        size_t textTo = find(s, QStringLiteral("#"), textFrom, end);
        if (textTo == std::string::npos) textTo = end;
        QString answer = plain(s, textFrom, textTo).trimmed();
        if (html) answer = fromHtml(answer);
        q.answers << answer;
        q.right.push_back(weight >= 100);
        if (weight > 0 && weight < 100) ++q.partialAnswers;
        if (!marked) anyWrong = true;
    }
    if (!anyWrong) q.kind = QStringLiteral("a short-answer question");
}

}  // namespace

QString giftEscaped(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == u'\n') {
            out += QStringLiteral("\\n");
            continue;
        }
        if (c == u'\r') continue;
        if (kSpecials.contains(c)) out += u'\\';
        out += c;
    }
    return out;
}

QString writeGift(const std::vector<ExchangeSentence>& sentences) {
    QString out = QStringLiteral(
                      "// Plurquiz Español: %1 sentences as multiple-choice questions (GIFT, UTF-8).\n"
                      "// The gap is shown as %2; = marks the right filler; the general feedback (####) is\n"
                      "// the completed sentence with its grammatical note; the tags give the level.\n")
                      .arg(sentences.size())
                      .arg(kBlank);
    for (const auto& [topic, group] : groupedByTopic(sentences)) {
        out += QStringLiteral("\n$CATEGORY: %1/%2\n")
                   .arg(kParentCategory, QString(topic).replace(QLatin1Char('/'), QStringLiteral("//")));
        for (const ExchangeSentence* s : group) {
            out += QStringLiteral("\n//");
            for (const QString& tag : sentenceTags(*s)) out += QStringLiteral(" [tag:%1]").arg(tag);
            out += QStringLiteral("\n::%1:: %2 {\n")
                       .arg(giftEscaped(QStringLiteral("Sentence %1").arg(s->serial)),
                            giftEscaped(stemWithBlank(s->sentence)));
            for (int i = 0; i < 4; ++i)
                out +=
                    (i == s->right ? u'=' : u'~') + giftEscaped(s->fillers[static_cast<size_t>(i)]) + u'\n';
            out += QStringLiteral("####") + giftEscaped(s->solution) + QStringLiteral("\n}\n");
        }
    }
    return out;
}

ForeignRead readGift(const QString& text) {
    ForeignRead read;
    const std::vector<Block> blocks = blocksOf(text);
    QString category;
    for (size_t b = 0; b < blocks.size(); ++b) {
        const Block& block = blocks[b];
        const bool last = b + 1 == blocks.size();
        if (block.text.trimmed().startsWith(QLatin1String("$CATEGORY:"))) {
            category = block.text.trimmed().mid(10).section(QLatin1Char('\n'), 0, 0).trimmed();
            continue;
        }
        bool escapeOpen = false;
        const Chars s = unescape(block.text, escapeOpen);
        if (escapeOpen && last) {
            read.fatal = QStringLiteral(
                             "line %1: the file ends in the middle of a question (after a "
                             "backslash); it seems cut off")
                             .arg(block.line + static_cast<int>(block.text.count(u'\n')));
            return read;
        }
        ForeignQuestion q;
        q.line = block.line;
        q.category = category;
        q.tags = block.tags;
        size_t pos = 0;
        while (pos < s.size() && s[pos].c.isSpace()) ++pos;
        if (find(s, QStringLiteral("::"), pos, pos + 2) == pos) {
            const size_t end = find(s, QStringLiteral("::"), pos + 2, s.size());
            if (end == std::string::npos) {
                read.skip(block.line,
                          QStringLiteral("the question name begins with :: but does not end with ::"));
                continue;
            }
            q.title = plain(s, pos + 2, end).trimmed();
            pos = end + 2;
        }
        while (pos < s.size() && s[pos].c.isSpace()) ++pos;
        bool html = false;
        if (pos < s.size() && !s[pos].escaped && s[pos].c == u'[') {
            const size_t end = find(s, QStringLiteral("]"), pos, s.size());
            const QString format = end == std::string::npos ? QString() : plain(s, pos + 1, end).toLower();
            if (format == QLatin1String("html") || format == QLatin1String("moodle") ||
                format == QLatin1String("plain") || format == QLatin1String("markdown")) {
                html = format == QLatin1String("html");
                pos = end + 1;
            }
        }
        const size_t open = find(s, QStringLiteral("{"), pos, s.size());
        if (open == std::string::npos) {
            read.skip(block.line, QStringLiteral("a text without answers in { }, not a question"));
            continue;
        }
        const size_t close = find(s, QStringLiteral("}"), open + 1, s.size());
        if (close == std::string::npos) {
            if (last) {
                read.fatal = QStringLiteral(
                                 "line %1: the answers opened with { are never closed with }; the "
                                 "file seems cut off")
                                 .arg(block.line + static_cast<int>(plain(s, 0, open).count(u'\n')));
                return read;
            }
            read.skip(block.line, QStringLiteral("the answers opened with { are not closed with } before the "
                                                 "next blank line"));
            continue;
        }
        if (find(s, QStringLiteral("{"), close + 1, s.size()) != std::string::npos) {
            read.skip(block.line, QStringLiteral("a question with several answer blocks, not a "
                                                 "multiple-choice question"));
            continue;
        }
        readAnswers(s, open + 1, close, html, q);
        QString before = plain(s, pos, open), after = plain(s, close + 1, s.size());
        if (html) {
            before = fromHtml(before);
            after = fromHtml(after);
        }
        if (!after.trimmed().isEmpty()) {
            q.stem = (before + store::kGapMark + after).trimmed();
            q.gapMarked = true;
        } else {
            q.stem = before.trimmed();
        }
        read.questions.push_back(q);
    }
    return read;
}

}  // namespace importtool
