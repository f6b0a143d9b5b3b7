// Editorial checks over the teaching material; see material_checks.h.
#include "material_checks.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace materialcheck {

namespace {

// Closed-class words: articles, prepositions, conjunctions, pronouns, determiners, degree and
// negation adverbs, and the forms of ser, estar, haber and ir. The material drills them again and
// again in different frames with the same handful of options, so a shared one of these says
// nothing about two rows being the same exercise.
const QSet<QString>& grammarWords() {
    static const QSet<QString> words = [] {
        const QString list = QStringLiteral(
            "a al ante bajo con contra de del desde durante en entre hacia hasta para por según sin sobre "
            "tras "
            "el la lo los las un una unos unas y e ni o u pero sino que porque pues como cuando donde si "
            "aunque "
            "mientras además así cuanto "
            "me te se nos os le les mi mis tu tus su sus yo tú él ella ello nosotros nosotras vosotros "
            "vosotras "
            "ellos ellas usted ustedes mí ti sí conmigo contigo consigo mío mía míos mías tuyo tuya tuyos "
            "tuyas "
            "suyo suya suyos suyas nuestro nuestra nuestros nuestras este esta estos estas ese esa esos esas "
            "aquel aquella aquellos aquellas esto eso aquello quien quienes cual cuales cuyo cuya cuyos "
            "cuyas "
            "qué quién cuál cómo dónde cuándo cuánto "
            "ser soy eres es somos sois son era eras éramos erais eran fue fui fuiste fueron será serán "
            "sería "
            "sea sean fuera fueran siendo sido estar estoy estás está estamos estáis están estaba estaban "
            "estuvo estuve estuvieron estará estaría esté estén estuviera estando estado haber he has ha "
            "hemos "
            "habéis han hay había habían hubo hubieron habrá habrán habría haya hayan hubiera hubieran "
            "habiendo habido ir voy vas va vamos vais van iba iban vaya vayan "
            "muy mucho mucha muchos muchas poco poca pocos pocas más menos tan tanto tanta tantos tantas ya "
            "no "
            "también tampoco nunca jamás casi bien mal aún todavía todo toda todos todas cada algo nada "
            "alguien nadie alguno alguna algún ninguno ninguna ningún otro otra otros otras mismo misma");
        QSet<QString> set;
        for (const QString& w : list.split(u' ', Qt::SkipEmptyParts)) {
            set.insert(w);
            set.insert(wordsOf(w, true).value(0));  // also spelt without accents, for folded text
        }
        return set;
    }();
    return words;
}

// The very commonest grammar words, which stand in almost any sentence of some length. The
// give-away check leaves a right filler that is one of these alone: an "a" or "de" elsewhere in
// the sentence tells the learner nothing. Everything else is checked, the short words that
// pair up in correlatives included ("ni… ni", "cuanto más…, más").
const QSet<QString>& everywhereWords() {
    static const QSet<QString> words = [] {
        QSet<QString> set;
        for (const QString& w :
             QStringLiteral("el la lo los las un una unos unas a al de del en con por para sin "
                            "desde hasta entre sobre me te se nos os le les que y e o u")
                 .split(u' '))
            set.insert(w);
        return set;
    }();
    return words;
}

bool hasContentWord(const QStringList& words) {
    return std::any_of(words.begin(), words.end(),
                       [](const QString& w) { return !grammarWords().contains(w); });
}

double jaccard(const QSet<QString>& a, const QSet<QString>& b) {
    const QSet<QString>& small = a.size() <= b.size() ? a : b;
    const QSet<QString>& large = a.size() <= b.size() ? b : a;
    qsizetype shared = 0;
    for (const QString& w : small) shared += large.contains(w);
    const qsizetype all = a.size() + b.size() - shared;
    return all == 0 ? 0.0 : double(shared) / double(all);
}

// Word pairs as sorted hashes: the pair test runs over every two rows, and comparing two sorted
// number lists costs far less than comparing sets of strings.
std::vector<size_t> bigrams(const QStringList& words) {
    std::vector<size_t> hashes;
    for (qsizetype i = 0; i + 1 < words.size(); ++i) hashes.push_back(qHash(words[i] + u' ' + words[i + 1]));
    std::sort(hashes.begin(), hashes.end());
    hashes.erase(std::unique(hashes.begin(), hashes.end()), hashes.end());
    return hashes;
}

double jaccard(const std::vector<size_t>& a, const std::vector<size_t>& b) {
    size_t shared = 0;
    for (auto x = a.begin(), y = b.begin(); x != a.end() && y != b.end();) {
        if (*x < *y) {
            ++x;
        } else if (*y < *x) {
            ++y;
        } else {
            ++shared, ++x, ++y;
        }
    }
    const size_t all = a.size() + b.size() - shared;
    return all == 0 ? 0.0 : double(shared) / double(all);
}

// Folded words before and after the gap.
struct Sides {
    QStringList before, after;
};
Sides sidesOf(const Item& item) {
    const qsizetype gap = item.sentence.indexOf(QLatin1String("..."));
    if (gap < 0) return {wordsOf(item.sentence, true), {}};
    return {wordsOf(item.sentence.left(gap), true), wordsOf(item.sentence.mid(gap + 3), true)};
}

QSet<QString> optionWords(const Item& item) {
    QSet<QString> set;
    for (const QString& f : item.fillers)
        for (const QString& w : wordsOf(f, true)) set.insert(w);
    return set;
}

// Two forms of one word, as far as spelling shows without a dictionary: the same word, one the
// start of the other (ten/tener, toma/toman), or the same first four letters (tomado/tomar).
bool sameStem(const QString& x, const QString& y) {
    const QString& shorter = x.size() <= y.size() ? x : y;
    const QString& longer = x.size() <= y.size() ? y : x;
    if (shorter.size() >= 2 && longer.startsWith(shorter)) return true;
    return shorter.size() >= 4 && longer.left(4) == shorter.left(4);
}

// Whether the two rows fill their gaps from the same word family: the right fillers, or any two
// options that are not grammar words, share a stem.
bool sameFamily(const Item& a, const Item& b) {
    const QStringList ra = wordsOf(a.rightFiller(), true), rb = wordsOf(b.rightFiller(), true);
    if (!ra.isEmpty() && !rb.isEmpty() && sameStem(ra.front(), rb.front())) return true;
    for (const QString& x : optionWords(a))
        for (const QString& y : optionWords(b))
            if (!grammarWords().contains(x) && !grammarWords().contains(y) && sameStem(x, y)) return true;
    return false;
}

// The words both sentences share right next to the gap, counted outwards from it.
QStringList sharedRun(const QStringList& a, const QStringList& b, bool fromStart) {
    QStringList run;
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i) {
        const QString& x = fromStart ? a[i] : a[a.size() - 1 - i];
        const QString& y = fromStart ? b[i] : b[b.size() - 1 - i];
        if (x != y) break;
        if (fromStart)
            run.append(x);
        else
            run.prepend(x);
    }
    return run;
}

QString percent(double share) {
    return QStringLiteral("%1 %").arg(qRound(100 * share));
}

// Thresholds, tuned on the built-in material. Sentences: the closest two unrelated sentences of
// the file share 0.27 of their word pairs, a copy with one or two words changed 0.4 and more.
// Options: a repeated item shares at least two of its five or so distinct option words
// (un viejo amigo / viejo amigo: 0.4), while rows that only happen to have the same answer word
// for different reasons (llegue after cuando and after dudar que) share a third or less.
constexpr double kSameSentence = 0.4;
constexpr double kSameOptions = 0.4;

// What the pair test reads of one row, worked out once per row.
struct Read {
    Sides sides;
    std::vector<size_t> pairs;  // word pairs of the sentence, gap removed
    QStringList answer;         // words of the right filler, accents kept
    explicit Read(const Item& item)
        : sides(sidesOf(item)),
          pairs(bigrams(sides.before + sides.after)),
          answer(wordsOf(item.rightFiller(), false)) {}
};

// Why two rows are the same exercise, or an empty string.
QString duplicateReason(const Item& a, const Item& b, const Read& ra, const Read& rb) {
    const Sides &sa = ra.sides, &sb = rb.sides;

    // 1. The sentences, gap removed, read almost alike.
    const double sentence = jaccard(ra.pairs, rb.pairs);
    if (sentence >= kSameSentence)
        return QStringLiteral("the sentences share %1 of their word pairs").arg(percent(sentence));

    // 2. The same lexical answer among largely the same options (riquísima against ricísima,
    // muy riquísima, riquísimo, twice). A longer answer may contain the shorter one
    // (un viejo amigo / viejo amigo). Accents count here: aun and aún are different answers.
    const QStringList &wa = ra.answer, &wb = rb.answer;
    const QSet<QString> setA(wa.begin(), wa.end()), setB(wb.begin(), wb.end());
    const bool sameAnswer =
        wa == wb || (wa.size() >= 2 && wb.size() >= 2 && (setA.contains(setB) || setB.contains(setA)));
    if (sameAnswer && hasContentWord(wa.size() <= wb.size() ? wa : wb)) {  // what they share is lexical
        const double options = jaccard(optionWords(a), optionWords(b));
        if (options >= kSameOptions)
            return QStringLiteral("same answer \"%1\" / \"%2\", options %3 alike")
                .arg(a.rightFiller(), b.rightFiller(), percent(options));
    }

    // 3. The same collocation around the gap, filled from the same word family
    // (dar / dan un paseo por, ten / tener en cuenta que).
    for (bool after : {true, false}) {
        const QStringList run =
            after ? sharedRun(sa.after, sb.after, true) : sharedRun(sa.before, sb.before, false);
        if (run.size() >= 2 && hasContentWord(run) && sameFamily(a, b))
            return QStringLiteral("same words %1 the gap: \"%2\"")
                .arg(after ? QStringLiteral("after") : QStringLiteral("before"), run.join(u' '));
    }
    return {};
}

}  // namespace

Item itemOf(const store::MaterialRow& row) {
    const auto text = [&](size_t column) { return row.values.at(column).toString(); };
    Item item;
    item.serial = row.values.at(0).toInt();
    item.level = row.values.at(1).toInt();
    item.kulcs1 = text(2);
    item.kulcs2 = text(3);
    item.sentence = text(4);
    for (size_t i = 0; i < 4; ++i) item.fillers[i] = text(5 + i);
    const QString letter = text(10);
    item.right = letter.size() == 1 ? std::clamp(letter[0].unicode() - u'A', 0, 3) : 0;
    return item;
}

QString Finding::key() const {
    if (!place.isEmpty()) return kind + u' ' + place;
    return other ? QStringLiteral("%1 %2/%3").arg(kind).arg(serial).arg(other)
                 : QStringLiteral("%1 %2").arg(kind).arg(serial);
}

QString Finding::text() const {
    return key() + QStringLiteral(": ") + reason;
}

QStringList wordsOf(const QString& text, bool foldAccents) {
    const QString source =
        text.toLower().normalized(foldAccents ? QString::NormalizationForm_D : QString::NormalizationForm_C);
    QStringList words;
    QString word;
    for (QChar c : source) {
        if (c.isLetterOrNumber()) {
            word += c;
        } else if (foldAccents && c.category() == QChar::Mark_NonSpacing) {
            continue;  // the accent of a letter just read
        } else if (!word.isEmpty()) {
            words.append(word);
            word.clear();
        }
    }
    if (!word.isEmpty()) words.append(word);
    return words;
}

std::vector<Finding> nearDuplicates(const std::vector<Item>& items) {
    std::vector<Finding> found;
    std::vector<Read> read;
    read.reserve(items.size());
    for (const Item& item : items) read.emplace_back(item);
    for (size_t i = 0; i < items.size(); ++i)
        for (size_t j = i + 1; j < items.size(); ++j) {
            const QString reason = duplicateReason(items[i], items[j], read[i], read[j]);
            if (!reason.isEmpty())
                found.push_back({QStringLiteral("near-duplicate"), items[i].serial, items[j].serial, reason});
        }
    return found;
}

std::vector<Finding> reorderedOptions(const std::vector<Item>& items) {
    std::vector<Finding> found;
    for (const Item& item : items) {
        if (item.kulcs1 == u"a" && item.kulcs2 == u"1") continue;
        QStringList answer = wordsOf(item.rightFiller(), false);
        if (answer.size() < 2) continue;
        std::sort(answer.begin(), answer.end());
        for (const QString& filler : item.fillers) {
            QStringList words = wordsOf(filler, false);
            std::sort(words.begin(), words.end());
            if (filler != item.rightFiller() && words == answer) {
                found.push_back(
                    {QStringLiteral("reordering"), item.serial, 0,
                     QStringLiteral("\"%1\" only reorders \"%2\"").arg(filler, item.rightFiller())});
                break;
            }
        }
    }
    return found;
}

std::vector<Finding> giveAways(const std::vector<Item>& items) {
    std::vector<Finding> found;
    for (const Item& item : items) {
        const QStringList filler = wordsOf(item.rightFiller(), false);
        if (filler.isEmpty() || (filler.size() == 1 && everywhereWords().contains(filler.front()))) continue;
        // Whole words on either side of the gap, so "es" is not found in "estación".
        const qsizetype gap = item.sentence.indexOf(QLatin1String("..."));
        const QString padded = u' ' + filler.join(u' ') + u' ';
        const auto spaced = [](const QString& part) { return u' ' + wordsOf(part, false).join(u' ') + u' '; };
        const QString before = spaced(gap < 0 ? item.sentence : item.sentence.left(gap));
        const QString after = spaced(gap < 0 ? QString() : item.sentence.mid(gap + 3));
        if (before.contains(padded) || after.contains(padded))
            found.push_back(
                {QStringLiteral("give-away"), item.serial, 0,
                 QStringLiteral("\"%1\" also stands in \"%2\"").arg(item.rightFiller(), item.sentence)});
    }
    return found;
}

std::vector<Finding> crossGiveAways(const std::vector<Item>& items) {
    // Words on either side of a row's gap, accents kept: the learner sees them as written.
    const auto partsOf = [](const Item& item) {
        const qsizetype gap = item.sentence.indexOf(QLatin1String("..."));
        if (gap < 0) return std::array<QStringList, 2>{wordsOf(item.sentence, false), {}};
        return std::array<QStringList, 2>{wordsOf(item.sentence.left(gap), false),
                                          wordsOf(item.sentence.mid(gap + 3), false)};
    };

    // Each row's frame: its right filler between the words next to the gap, or, for a gap at either
    // end of the sentence, followed or preceded by one word (two when that one is a grammar word).
    struct Frame {
        size_t row;
        QString words;
    };
    std::vector<Frame> frames;
    qsizetype longest = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        QStringList run = wordsOf(items[i].rightFiller(), false);
        const auto [before, after] = partsOf(items[i]);
        if (run.isEmpty() || !items[i].sentence.contains(QLatin1String("...")) ||
            (before.isEmpty() && after.isEmpty()))
            continue;
        if (!before.isEmpty() && !after.isEmpty()) {
            run.prepend(before.back());
            run.append(after.front());
        } else {
            for (qsizetype k = 1; k <= 2 && k <= before.size() + after.size(); ++k) {
                if (after.isEmpty())
                    run.prepend(before[before.size() - k]);
                else
                    run.append(after[k - 1]);
                if (hasContentWord(run)) break;
            }
        }
        if (!hasContentWord(run)) continue;  // "muy bien la" stands in too many sentences to tell
        frames.push_back({i, run.join(u' ')});
        longest = std::max(longest, run.size());
    }

    // Every run of words up to the longest frame, within one side of a gap, and the rows showing it.
    QHash<QString, std::vector<size_t>> shownBy;
    for (size_t j = 0; j < items.size(); ++j)
        for (const QStringList& part : partsOf(items[j]))
            for (qsizetype start = 0; start < part.size(); ++start)
                for (qsizetype n = 2; n <= longest && start + n <= part.size(); ++n) {
                    std::vector<size_t>& rows = shownBy[part.mid(start, n).join(u' ')];
                    if (rows.empty() || rows.back() != j) rows.push_back(j);
                }

    std::vector<Finding> found;
    for (const Frame& frame : frames)
        for (size_t j : shownBy.value(frame.words)) {
            if (j == frame.row) continue;
            found.push_back({QStringLiteral("give-away"), items[frame.row].serial, items[j].serial,
                             QStringLiteral("\"%1\" stands in \"%2\"").arg(frame.words, items[j].sentence)});
        }
    return found;
}

std::vector<Finding> thinCells(const std::vector<Item>& items, const std::vector<TopicFilter>& topics,
                               int minimum) {
    std::vector<Finding> found;
    for (const TopicFilter& topic : topics) {
        std::array<int, 4> perLevel{};
        for (const Item& item : items)
            if (item.level >= 1 && item.level <= 3 && topic.holds(item)) ++perLevel[size_t(item.level)];
        for (int level = 1; level <= 3; ++level)
            if (perLevel[size_t(level)] < minimum)
                found.push_back(
                    {QStringLiteral("thin cell"), 0, 0,
                     QStringLiteral("%1 sentences, %2 wanted").arg(perLevel[size_t(level)]).arg(minimum),
                     QStringLiteral("%1 level %2").arg(topic.name).arg(level)});
    }
    return found;
}

std::vector<Finding> unevenLetters(const std::vector<Item>& items, double low, double high) {
    std::vector<Finding> found;
    for (int level = 1; level <= 3; ++level) {
        std::array<int, 4> perLetter{};
        int rows = 0;
        for (const Item& item : items)
            if (item.level == level) ++perLetter[size_t(item.right)], ++rows;
        for (int letter = 0; letter < 4 && rows > 0; ++letter) {
            const double share = double(perLetter[size_t(letter)]) / rows;
            if (share < low || share > high)
                found.push_back({QStringLiteral("uneven letters"), 0, 0,
                                 QStringLiteral("%1 of %2 rows (%3), %4 to %5 wanted")
                                     .arg(perLetter[size_t(letter)])
                                     .arg(rows)
                                     .arg(percent(share), percent(low), percent(high)),
                                 QStringLiteral("level %1 %2").arg(level).arg(QChar(u'A' + letter))});
        }
    }
    return found;
}

}  // namespace materialcheck
