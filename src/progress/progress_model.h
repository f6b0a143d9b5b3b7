// What the Progress window shows, computed from the history and the sentences, without widgets:
// the score of each evaluated run with its moving average, the share of right answers per topic,
// the mix-ups (which wrong filler was chosen where another was right), and the sentences most
// often answered wrongly. A filter by level and topic restricts every figure to the answers of
// sentences of that level and topic.
#pragma once

#include <QDateTime>
#include <QString>
#include <array>
#include <unordered_map>
#include <vector>

#include "run_history.h"

namespace store {
class Database;
}

namespace progress {

// One sentence of test1 as the figures need it.
struct SentenceInfo {
    qint64 id = 0;  // its identity; 0 in a file without identities
    int serial = 0;
    int level = 0;  // 0 when the field is empty
    QString kulcs1, kulcs2;
    QString sentence;
    std::array<QString, 4> fillers;
};

// The topic a sentence is counted under in the per-topic figures and the export (store::topicOf:
// its topic as filed, a verb of an unlisted subtopic with every verb); -1 for none.
int primaryTopic(const SentenceInfo& s);
// Whether the sentence meets the condition of topic menu item `topic`.
bool inTopic(const SentenceInfo& s, int topic);
// Bit t set: the sentence meets the condition of topic menu item t (what the practice window's
// Topic menu selects; only the codes kulcs1 and kulcs2 matter).
quint32 topicMask(const SentenceInfo& s);

struct Filter {
    int level = 0;   // 0 every level, else 1-3
    int topic = -1;  // -1 every topic, else an item of the topic menu (0-17)
    bool operator==(const Filter&) const = default;
};

// An evaluated run: without a filter its evaluation; with one, its answers in the filter.
struct RunPoint {
    int run = 0;  // index into History::runs
    QDateTime when;
    int answered = 0;
    int correct = 0;
    double percent = 0;
    double average = 0;  // of this point's percent and up to kAverageOf - 1 before it
};

struct TopicShare {
    int topic = -1;  // -1: sentences of no topic, or no longer in the table
    int answered = 0;
    int correct = 0;
    double percent = 0;
};

struct Confusion {
    int topic = -1;
    QString chosen;  // the wrong filler chosen
    QString right;   // the filler that was right
    int count = 0;
};

struct Missed {
    int serial = 0;  // today's, or the last one of a sentence no longer in the table
    int wrong = 0;
    int answered = 0;
    QDateTime last;        // start of the last run that got it wrong
    QString sentence;      // empty when the sentence is no longer in the table
    bool present = false;  // the sentence is still in the table
};

class ProgressModel {
public:
    static constexpr int kAverageOf = 5;
    static constexpr int kMostMissed = 20;

    ProgressModel() = default;
    ProgressModel(History history, std::vector<SentenceInfo> sentences);
    // The history and the sentences of the file. Throws StoreError when it cannot be read.
    static ProgressModel load(store::Database& db);

    const History& history() const { return history_; }
    // Nothing recorded yet: not one answer nor one evaluation.
    bool empty() const { return history_.empty(); }

    void setFilter(const Filter& filter);
    const Filter& filter() const { return filter_; }

    // In the order the runs started (ties in the order they were stored).
    const std::vector<RunPoint>& points() const { return points_; }
    // Weakest first (lowest share of right answers), ties in topic menu order, "no topic" last.
    const std::vector<TopicShare>& topicShares() const { return topicShares_; }
    // Most frequent first; ties by topic menu order, then the chosen and the right filler.
    const std::vector<Confusion>& confusions() const { return confusions_; }
    // At most kMostMissed: most wrong answers first, then the most recent, then the lower serial.
    const std::vector<Missed>& mostMissed() const { return mostMissed_; }
    // The serials of those still in the table.
    std::vector<int> mostMissedSerials() const;
    // Answers in the filter, over every run (evaluated or not).
    int answersInFilter() const { return answersInFilter_; }

private:
    void recompute();

    History history_;
    std::vector<SentenceInfo> sentences_;
    // Per answer, the slot of its sentence (by identity): an index into sentences_, or past them
    // for a sentence the table no longer holds.
    std::vector<int> answerSlot_;
    std::vector<int> slotSerial_;
    std::vector<quint32> topicMask_;  // bit t: the sentence meets topic menu item t
    std::vector<int> slotPrimaryTopic_;
    std::vector<qint64> runStartMs_;
    Filter filter_;
    std::vector<RunPoint> points_;
    std::vector<TopicShare> topicShares_;
    std::vector<Confusion> confusions_;
    std::vector<Missed> mostMissed_;
    int answersInFilter_ = 0;
};

}  // namespace progress
