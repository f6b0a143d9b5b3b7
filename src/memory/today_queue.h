// What Today presents: the sentences due today or earlier, the least likely to be remembered
// first, then sentences never seen, in level, topic and shuffled order, as many as the day still
// allows; and what the launcher and the end of a session say about it.
#pragma once

#include <QSqlDatabase>
#include <optional>
#include <vector>

#include "memory_store.h"

namespace memory {

struct QueueItem {
    qint64 sentence = 0;
    int serial = 0;
    bool fresh = false;           // never seen before
    double retrievability = 1.0;  // of a due sentence, today
};

struct TodayQueue {
    std::vector<QueueItem> due;
    std::vector<QueueItem> fresh;
    int doneToday = 0;  // sentences Today has already taken today
    std::vector<int> serials() const;
};

// Throws StoreError when the file cannot be read.
TodayQueue buildTodayQueue(QSqlDatabase& db, qint64 today, const MemorySettings& settings);

// Sentences due today or earlier (of sentences that still exist).
int dueCount(QSqlDatabase& db, qint64 today);
// How many never-seen sentences Today would still offer today.
int freshLeft(QSqlDatabase& db, qint64 today, const MemorySettings& settings);

// The first day after `today` on which sentences fall due, and how many do.
struct NextDue {
    qint64 day = 0;
    int count = 0;
};
std::optional<NextDue> nextDue(QSqlDatabase& db, qint64 today);

}  // namespace memory
