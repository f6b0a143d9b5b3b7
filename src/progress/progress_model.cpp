// The figures of the Progress window: one pass over the answers for each filter.
#include "progress_model.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "store/criteria.h"
#include "store/database.h"
#include "store/native_rows.h"
#include "store/schema.h"
#include "store/store_error.h"
#include "store/topics.h"

namespace progress {

namespace {

constexpr int kTopicCount = static_cast<int>(store::kTopics.size());

const std::vector<store::Criteria>& topicCriteria() {
    static const std::vector<store::Criteria> all = [] {
        std::vector<store::Criteria> out;
        for (const store::Topic& t : store::kTopics)
            out.push_back(store::Criteria::parse(QString::fromLatin1(t.criterion), store::test1Fields()));
        return out;
    }();
    return all;
}

std::vector<QVariant> rowOf(const SentenceInfo& s) {
    const store::Fields& f = store::test1Fields();
    std::vector<QVariant> row(static_cast<size_t>(f.count()));
    auto set = [&](const char* name, const QVariant& v) {
        row[static_cast<size_t>(f.indexOf(QString::fromLatin1(name)))] = v;
    };
    set("sorszam", s.serial);
    if (s.level > 0) set("szint", s.level);
    if (!s.kulcs1.isNull()) set("kulcs1", s.kulcs1);
    if (!s.kulcs2.isNull()) set("kulcs2", s.kulcs2);
    return row;
}

double percentOf(int correct, int answered) {
    return answered > 0 ? 100.0 * correct / answered : 0;
}

}  // namespace

int primaryTopic(const SentenceInfo& s) {
    const std::optional<size_t> topic = store::topicOf(s.kulcs1, s.kulcs2);
    return topic ? static_cast<int>(*topic) : -1;
}

quint32 topicMask(const SentenceInfo& s) {
    const std::vector<QVariant> row = rowOf(s);
    quint32 mask = 0;
    for (int t = 0; t < kTopicCount; ++t)
        if (topicCriteria()[static_cast<size_t>(t)].matches(row)) mask |= 1u << t;
    return mask;
}

bool inTopic(const SentenceInfo& s, int topic) {
    return topic >= 0 && topic < kTopicCount && (topicMask(s) & (1u << topic));
}

ProgressModel::ProgressModel(History history, std::vector<SentenceInfo> sentences)
    : history_(std::move(history)), sentences_(std::move(sentences)) {
    // A sentence is known by its identity; in a file without identities, by its serial.
    auto keyOf = [](qint64 id, int serial) { return id != 0 ? id : -qint64(serial); };
    std::unordered_map<qint64, int> slotOf;
    slotOf.reserve(sentences_.size() * 2);
    for (size_t i = 0; i < sentences_.size(); ++i) {
        slotOf.emplace(keyOf(sentences_[i].id, sentences_[i].serial), static_cast<int>(i));
        slotSerial_.push_back(sentences_[i].serial);
    }
    answerSlot_.reserve(history_.answers.size());
    qint64 lastKey = 0;
    int lastSlot = -1;
    for (const AnswerRecord& a : history_.answers) {
        const qint64 key = keyOf(a.sentence, a.serial);
        if (key != lastKey || lastSlot < 0) {
            auto [it, added] = slotOf.emplace(key, static_cast<int>(slotSerial_.size()));
            if (added) {
                const auto gone = history_.goneSerials.find(a.sentence);
                slotSerial_.push_back(gone != history_.goneSerials.end() ? gone->second : a.serial);
            }
            lastKey = key;
            lastSlot = it->second;
        }
        answerSlot_.push_back(lastSlot);
    }
    topicMask_.assign(slotSerial_.size(), 0);
    slotPrimaryTopic_.assign(slotSerial_.size(), -1);
    // A sentence's topics follow from its two codes alone, which few pairs share among thousands.
    std::map<std::tuple<QString, bool, QString, bool>, std::pair<quint32, int>> topicsOfCodes;
    for (size_t i = 0; i < sentences_.size(); ++i) {
        const SentenceInfo& s = sentences_[i];
        const auto key = std::make_tuple(s.kulcs1, s.kulcs1.isNull(), s.kulcs2, s.kulcs2.isNull());
        auto found = topicsOfCodes.find(key);
        if (found == topicsOfCodes.end())
            found = topicsOfCodes.emplace(key, std::make_pair(topicMask(s), primaryTopic(s))).first;
        topicMask_[i] = found->second.first;
        slotPrimaryTopic_[i] = found->second.second;
    }
    for (const RunRecord& r : history_.runs) runStartMs_.push_back(r.started.toMSecsSinceEpoch());
    recompute();
}

ProgressModel ProgressModel::load(store::Database& db) {
    History history = loadHistory(db);
    std::vector<SentenceInfo> sentences;
    // Tens of thousands of sentences with their fillers: read through SQLite's own interface.
    store::NativeRows rows(db.db(),
                           store::hasSentenceIdentities(db.db())
                               ? "SELECT t.sorszam, t.szint, t.kulcs1, t.kulcs2, t.mondat, t.a, t.b, "
                                 "t.c, t.d, ifnull(s.id, 0) FROM test1 t"
                                 " LEFT JOIN sentences s ON s.serial = t.sorszam"
                               : "SELECT sorszam, szint, kulcs1, kulcs2, mondat, a, b, c, d, 0 FROM test1");
    auto text = [&rows](int c) {
        if (rows.isNull(c)) return QString();
        const std::string_view t = rows.text(c);
        return QString::fromUtf8(t.data(), qsizetype(t.size()));
    };
    while (rows.next()) {
        SentenceInfo s;
        s.serial = int(rows.integer(0));
        s.level = int(rows.integer(1));
        s.kulcs1 = text(2);
        s.kulcs2 = text(3);
        s.sentence = text(4);
        for (int i = 0; i < 4; ++i) s.fillers[static_cast<size_t>(i)] = text(5 + i);
        s.id = rows.integer(9);
        sentences.push_back(std::move(s));
    }
    return ProgressModel(std::move(history), std::move(sentences));
}

void ProgressModel::setFilter(const Filter& filter) {
    if (filter == filter_) return;
    filter_ = filter;
    recompute();
}

std::vector<int> ProgressModel::mostMissedSerials() const {
    std::vector<int> serials;
    for (const Missed& m : mostMissed_)
        if (m.present) serials.push_back(m.serial);
    return serials;
}

void ProgressModel::recompute() {
    const size_t slotCount = slotSerial_.size();
    const size_t known = sentences_.size();
    const bool everything = filter_ == Filter{};
    std::vector<char> inFilter(slotCount, everything ? 1 : 0);
    if (!everything)
        for (size_t s = 0; s < known; ++s)
            inFilter[s] = (filter_.level == 0 || sentences_[s].level == filter_.level) &&
                          (filter_.topic < 0 || (topicMask_[s] & (1u << filter_.topic)));

    const size_t runs = history_.runs.size();
    std::vector<int> runAnswered(runs), runCorrect(runs);
    std::vector<int> slotAnswered(slotCount), slotWrong(slotCount), slotLastRun(slotCount, -1);
    // Wrong answers by sentence, letter chosen and right letter.
    std::vector<int> mixed(known * 16);
    std::array<int, kTopicCount + 1> topicAnswered{}, topicCorrect{};
    answersInFilter_ = 0;

    const std::vector<AnswerRecord>& answers = history_.answers;
    for (size_t i = 0; i < answers.size(); ++i) {
        const size_t slot = static_cast<size_t>(answerSlot_[i]);
        if (!inFilter[slot]) continue;
        const AnswerRecord& a = answers[i];
        const size_t run = static_cast<size_t>(a.run);
        ++answersInFilter_;
        ++runAnswered[run];
        ++slotAnswered[slot];
        const size_t topic = static_cast<size_t>(slotPrimaryTopic_[slot] + 1);
        ++topicAnswered[topic];
        if (a.correct) {
            ++runCorrect[run];
            ++topicCorrect[topic];
            continue;
        }
        ++slotWrong[slot];
        const int last = slotLastRun[slot];
        if (last < 0 || runStartMs_[run] >= runStartMs_[static_cast<size_t>(last)]) slotLastRun[slot] = a.run;
        if (slot < known && a.chosen >= 0 && a.right >= 0 && a.chosen != a.right)
            ++mixed[slot * 16 + static_cast<size_t>(a.chosen * 4 + a.right)];
    }

    // The score of each evaluated run, and the moving average.
    points_.clear();
    for (size_t r = 0; r < runs; ++r) {
        const RunRecord& run = history_.runs[r];
        if (!run.evaluated()) continue;
        const int answered = everything ? run.presented : runAnswered[r];
        const int correct = everything ? run.correct : runCorrect[r];
        if (answered <= 0) continue;
        RunPoint p;
        p.run = static_cast<int>(r);
        p.when = run.started;
        p.answered = answered;
        p.correct = correct;
        p.percent = percentOf(correct, answered);
        points_.push_back(p);
    }
    // In time order: a run is stored when it gets its first answer, which is not always the order
    // in which the runs started (a history put together from two files, say).
    std::stable_sort(points_.begin(), points_.end(), [&](const RunPoint& a, const RunPoint& b) {
        return runStartMs_[static_cast<size_t>(a.run)] < runStartMs_[static_cast<size_t>(b.run)];
    });
    double sum = 0;
    for (size_t i = 0; i < points_.size(); ++i) {
        sum += points_[i].percent;
        if (i >= static_cast<size_t>(kAverageOf)) sum -= points_[i - kAverageOf].percent;
        points_[i].average = sum / static_cast<double>(std::min(i + 1, static_cast<size_t>(kAverageOf)));
    }

    topicShares_.clear();
    for (int t = 0; t <= kTopicCount; ++t) {
        const size_t i = static_cast<size_t>(t);
        if (topicAnswered[i] == 0) continue;
        topicShares_.push_back(
            {t - 1, topicAnswered[i], topicCorrect[i], percentOf(topicCorrect[i], topicAnswered[i])});
    }
    // "No topic" (-1) sorts after every topic of the menu.
    auto menuOrder = [](int topic) { return topic < 0 ? kTopicCount : topic; };
    std::stable_sort(topicShares_.begin(), topicShares_.end(), [&](const TopicShare& a, const TopicShare& b) {
        if (a.percent != b.percent) return a.percent < b.percent;
        return menuOrder(a.topic) < menuOrder(b.topic);
    });

    std::map<std::tuple<int, QString, QString>, int> byTexts;
    for (size_t s = 0; s < known; ++s) {
        for (int pair = 0; pair < 16; ++pair) {
            const int count = mixed[s * 16 + static_cast<size_t>(pair)];
            if (count == 0) continue;
            const QString chosen = sentences_[s].fillers[static_cast<size_t>(pair / 4)].trimmed();
            const QString right = sentences_[s].fillers[static_cast<size_t>(pair % 4)].trimmed();
            if (chosen.isEmpty() || right.isEmpty()) continue;
            byTexts[{menuOrder(slotPrimaryTopic_[s]), chosen, right}] += count;
        }
    }
    confusions_.clear();
    for (const auto& [key, count] : byTexts) {
        const int topic = std::get<0>(key) == kTopicCount ? -1 : std::get<0>(key);
        confusions_.push_back({topic, std::get<1>(key), std::get<2>(key), count});
    }
    // The map gave topic, chosen, right order; the most frequent come first.
    std::stable_sort(confusions_.begin(), confusions_.end(),
                     [](const Confusion& a, const Confusion& b) { return a.count > b.count; });

    std::vector<size_t> missed;
    for (size_t s = 0; s < slotCount; ++s)
        if (slotWrong[s] > 0) missed.push_back(s);
    auto lastMs = [&](size_t s) { return runStartMs_[static_cast<size_t>(slotLastRun[s])]; };
    std::sort(missed.begin(), missed.end(), [&](size_t a, size_t b) {
        if (slotWrong[a] != slotWrong[b]) return slotWrong[a] > slotWrong[b];
        if (lastMs(a) != lastMs(b)) return lastMs(a) > lastMs(b);
        return slotSerial_[a] < slotSerial_[b];
    });
    if (missed.size() > static_cast<size_t>(kMostMissed)) missed.resize(kMostMissed);
    mostMissed_.clear();
    for (size_t s : missed) {
        Missed m;
        m.serial = slotSerial_[s];
        m.wrong = slotWrong[s];
        m.answered = slotAnswered[s];
        m.last = history_.runs[static_cast<size_t>(slotLastRun[s])].started;
        m.present = s < known;
        if (m.present) m.sentence = sentences_[s].sentence;
        mostMissed_.push_back(m);
    }
}

}  // namespace progress
