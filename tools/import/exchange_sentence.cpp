// From our sentences to course-platform questions and back.
#include "exchange_sentence.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>

#include "store/topics.h"
#include "text/ui_text.h"

namespace importtool {

namespace {

QString plainName(QString caption) {
    return caption.remove(QLatin1Char('&'));
}

// The topic item a category names, in any of the four working languages.
std::optional<size_t> topicNamed(const QString& name) {
    for (size_t i = 0; i < store::kTopics.size(); ++i)
        for (int base : {text::English, text::Hungarian, text::Spanish, text::French})
            if (plainName(text::uiText(store::kTopics[i].key, base)).compare(name, Qt::CaseInsensitive) == 0)
                return i;
    return std::nullopt;
}

// The last name of a category path; "//" is a slash inside a name.
QString lastCategoryName(const QString& path) {
    QString name;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (path[i] == u'/' && i + 1 < path.size() && path[i + 1] == u'/') {
            name += u'/';
            ++i;
        } else if (path[i] == u'/') {
            name.clear();
        } else {
            name += path[i];
        }
    }
    return name.trimmed();
}

constexpr size_t kDefaultTopic = 0;  // the verbs as a whole
const QString kSpecialTag = QStringLiteral("special");

// Occurrences that do not overlap ("...." holds one gap and a full stop).
int count(const QString& text, const QString& what) {
    int n = 0;
    for (qsizetype at = text.indexOf(what); at >= 0; at = text.indexOf(what, at + what.size())) ++n;
    return n;
}

// Matches that do not overlap (QString::count would count "____" twice).
int matchCount(const QRegularExpression& pattern, const QString& text) {
    int n = 0;
    for (auto it = pattern.globalMatch(text); it.hasNext(); it.next()) ++n;
    return n;
}

QString at(int line) {
    return QStringLiteral("line %1: ").arg(line);
}

}  // namespace

DecodedText decodeUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    DecodedText result{decoder.decode(bytes), 0, 0};
    if (!decoder.hasError()) {
        if (result.text.startsWith(QChar(0xFEFF))) result.text.remove(0, 1);
        if (const qsizetype nul = result.text.indexOf(QChar(0)); nul >= 0)
            result.nulLine = static_cast<int>(QStringView(result.text).left(nul).count(u'\n')) + 1;
        return result;
    }
    // Line by line, to say where the first bad byte is.
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringDecoder one(QStringDecoder::Utf8);
        const QString decodedLine = one.decode(lines[i]);  // decoding happens on conversion
        Q_UNUSED(decodedLine);
        if (one.hasError()) {
            result.badLine = static_cast<int>(i + 1);
            break;
        }
    }
    if (result.badLine == 0) result.badLine = static_cast<int>(lines.size());
    result.text.clear();
    return result;
}

QString topicName(const ExchangeSentence& sentence) {
    const std::optional<size_t> item = store::topicOf(sentence.kulcs1, sentence.kulcs2);
    if (!item) return QStringLiteral("Other topics");
    return plainName(text::uiText(store::kTopics[*item].key, text::English));
}

QStringList topicNames() {
    QStringList names;
    for (const store::Topic& topic : store::kTopics)
        names << plainName(text::uiText(topic.key, text::English));
    return names;
}

std::vector<TopicGroup> groupedByTopic(const std::vector<ExchangeSentence>& sentences) {
    const QStringList all = topicNames();
    const auto rank = [&](const QString& name) {
        const qsizetype at = all.indexOf(name);
        return at < 0 ? all.size() : at;  // a topic outside the table comes last
    };
    std::vector<TopicGroup> groups;
    for (const ExchangeSentence& s : sentences) {
        const QString name = topicName(s);
        auto it =
            std::find_if(groups.begin(), groups.end(), [&](const TopicGroup& g) { return g.first == name; });
        if (it == groups.end()) it = groups.insert(groups.end(), TopicGroup{name, {}});
        it->second.push_back(&s);
    }
    std::stable_sort(groups.begin(), groups.end(),
                     [&](const TopicGroup& a, const TopicGroup& b) { return rank(a.first) < rank(b.first); });
    for (TopicGroup& group : groups)
        std::stable_sort(
            group.second.begin(), group.second.end(),
            [](const ExchangeSentence* a, const ExchangeSentence* b) { return a->serial < b->serial; });
    return groups;
}

QString defaultTopicName() {
    return plainName(text::uiText(store::kTopics[kDefaultTopic].key, text::English));
}

QStringList sentenceTags(const ExchangeSentence& sentence) {
    QStringList tags{QStringLiteral("level-%1").arg(sentence.level)};
    if (sentence.kulcs2 == QLatin1String("9")) tags << kSpecialTag;
    return tags;
}

QString stemWithBlank(const QString& sentence) {
    const qsizetype at = sentence.indexOf(store::kGapMark);
    return at < 0 ? sentence : QString(sentence).replace(at, store::kGapMark.size(), kBlank);
}

Judged judge(const ForeignQuestion& q) {
    Judged result;
    const QString where = at(q.line);
    auto skip = [&](const QString& why) {
        result.skipped = where + why;
        return result;
    };
    if (!q.kind.isEmpty()) return skip(q.kind + QStringLiteral(", not a multiple-choice question"));
    if (q.answers.size() != 4)
        return skip(QStringLiteral("%1 answers; a sentence takes exactly four").arg(q.answers.size()));
    if (q.partialAnswers > 0)
        return skip(
            QStringLiteral("%1 answers are worth only some of the marks; a sentence has one right answer "
                           "and three wrong ones")
                .arg(q.partialAnswers));
    const int rights = static_cast<int>(std::count(q.right.begin(), q.right.end(), true));
    if (rights == 0) return skip(QStringLiteral("no answer is marked right"));
    if (rights > 1)
        return skip(QStringLiteral("%1 answers are marked right; a sentence has exactly one").arg(rights));

    ExchangeSentence s;
    for (int i = 0; i < 4; ++i) {
        s.fillers[static_cast<size_t>(i)] = q.answers[i].trimmed();
        if (s.fillers[static_cast<size_t>(i)].isEmpty())
            return skip(QStringLiteral("answer %1 is empty").arg(i + 1));
        for (int j = 0; j < i; ++j)
            if (s.fillers[static_cast<size_t>(j)] == s.fillers[static_cast<size_t>(i)])
                return skip(QStringLiteral("answers %1 and %2 are the same (\"%3\")")
                                .arg(j + 1)
                                .arg(i + 1)
                                .arg(s.fillers[static_cast<size_t>(i)]));
        if (q.right[static_cast<size_t>(i)]) s.right = i;
    }

    // The gap: where the answers stood, a blank line of underscores, or "..." written as such.
    QString stem = q.stem.trimmed();
    static const QRegularExpression blank(QStringLiteral("_{3,}"));
    bool hasGap = true;
    if (q.gapMarked) {
        if (count(stem, store::kGapMark) != 1)
            return skip(
                QStringLiteral("the text has \"...\" besides the place of the answers, so the gap "
                               "is not clear"));
    } else if (const int blanks = matchCount(blank, stem); blanks > 0) {
        if (blanks > 1)
            return skip(QStringLiteral("%1 blanks in the text; a sentence has one gap").arg(blanks));
        stem.replace(blank, store::kGapMark);
    } else if (const int dots = count(stem, store::kGapMark); dots > 0) {
        if (dots > 1)
            return skip(QStringLiteral("%1 gaps \"...\" in the text; a sentence has one").arg(dots));
    } else if (count(stem, QString(QChar(0x2026))) == 1) {
        stem.replace(QChar(0x2026), store::kGapMark);
    } else {
        hasGap = false;
    }
    if (stem.isEmpty()) return skip(QStringLiteral("the question has no text"));
    if (count(stem, store::kGapMark) > 1)
        return skip(QStringLiteral("the text has more than one gap \"...\"; a sentence has one"));
    s.sentence = stem;

    const QString right = s.fillers[static_cast<size_t>(s.right)];
    const QString feedback = q.generalFeedback.trimmed();
    if (hasGap) {
        const QString completed = store::completedSentence(stem, right);
        const QString rest = feedback.mid(completed.size());
        if (feedback.isEmpty())
            s.solution = completed;
        else if (feedback.startsWith(completed) && (rest.isEmpty() || rest.startsWith(store::kNoteMark)))
            s.solution = feedback;
        else
            s.solution = completed + store::kNoteMark + feedback;
    } else {
        s.solution = feedback.isEmpty() ? right : right + store::kNoteMark + feedback;
    }

    // The level and the special group from the tags.
    static const QRegularExpression levelTag(QStringLiteral("^(?:level|nivel|szint|niveau)[-_ ]?([1-3])$"),
                                             QRegularExpression::CaseInsensitiveOption);
    result.noLevel = true;
    bool special = false;
    for (const QString& tag : q.tags) {
        if (const QRegularExpressionMatch m = levelTag.match(tag.trimmed()); m.hasMatch() && result.noLevel) {
            s.level = m.captured(1).toInt();
            result.noLevel = false;
        }
        if (tag.trimmed().compare(kSpecialTag, Qt::CaseInsensitive) == 0) special = true;
    }

    // The topic from the category name.
    size_t item = kDefaultTopic;
    const QString category = lastCategoryName(q.category);
    if (category.isEmpty()) {
        result.noCategory = true;
    } else if (const std::optional<size_t> named = topicNamed(category)) {
        item = *named;
    } else {
        result.unknownCategory = q.category.trimmed();
    }
    s.kulcs1 = QString::fromLatin1(store::kTopics[item].kulcs1);
    s.kulcs2 =
        store::kTopics[item].kulcs2 ? QString::fromLatin1(store::kTopics[item].kulcs2) : QStringLiteral("0");
    if (special) s.kulcs2 = QStringLiteral("9");
    result.sentence = s;
    return result;
}

store::MaterialRow toMaterialRow(const ExchangeSentence& s) {
    store::MaterialRow row;
    row.values = {s.serial,
                  s.level,
                  s.kulcs1,
                  s.kulcs2,
                  s.sentence,
                  s.fillers[0],
                  s.fillers[1],
                  s.fillers[2],
                  s.fillers[3],
                  s.solution,
                  QString(QChar(u'A' + s.right))};
    return row;
}

QStringList toMaterialFields(const ExchangeSentence& s) {
    QStringList fields;
    for (const QVariant& value : toMaterialRow(s).values) fields << value.toString();
    return fields;
}

}  // namespace importtool
