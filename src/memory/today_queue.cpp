// Building Today's queue from the memory and the table of sentences.
#include "today_queue.h"

#include <QSqlQuery>
#include <algorithm>
#include <functional>

#include "store/database.h"
#include "store/native_rows.h"
#include "store/store_error.h"

namespace memory {

namespace {

void run(QSqlQuery& q) {
    if (!q.exec()) store::throwQueryError(q);
}

// New sentences already taken today: those whose first update fell today. Each such update is
// the one answer of the day logged as an update without a prediction (a sentence seen before
// always has one), found through the log's index on the day; memory_states.first_day holds the
// same, but without an index a count there reads all of it (2-7 ms at 70,000 sentences).
int freshTakenToday(QSqlDatabase& db, qint64 today) {
    QSqlQuery q(db);
    q.prepare(
        QStringLiteral("SELECT count(*) FROM answer_log WHERE day = ? AND updated = 1"
                       " AND predicted IS NULL AND sentence IS NOT NULL"));
    q.addBindValue(today);
    run(q);
    return q.next() ? q.value(0).toInt() : 0;
}

std::vector<QueueItem> freshSentences(QSqlDatabase& db, int limit, int level) {
    std::vector<QueueItem> items;
    if (limit <= 0) return items;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    // The index on (szint, kulcs1, kulcs2, sorrend2) gives the order; the walk stops at the limit.
    q.prepare(
        QStringLiteral("SELECT s.id, t.sorszam FROM test1 t JOIN sentences s ON s.serial = t.sorszam"
                       " WHERE t.szint BETWEEN ? AND ?"
                       " AND NOT EXISTS (SELECT 1 FROM memory_states m WHERE m.sentence = s.id)"
                       " ORDER BY t.szint, t.kulcs1, t.kulcs2, t.sorrend2 LIMIT ?"));
    q.addBindValue(level == 0 ? -2147483647 : level);
    q.addBindValue(level == 0 ? 2147483647 : level);
    q.addBindValue(limit);
    run(q);
    while (q.next()) items.push_back({q.value(0).toLongLong(), q.value(1).toInt(), true, 1.0});
    return items;
}

// The sentences due on `today` or earlier, each handed to `take` (sentence, serial, stability,
// last day). After a long break they are tens of thousands: read as fast rows (the driver's values
// took a third of the queue's time).
const char* const kDue =
    "SELECT m.sentence, s.serial, m.stability, m.last_day FROM memory_states m"
    " JOIN sentences s ON s.id = m.sentence WHERE m.due_day <= ? AND s.serial IS NOT NULL";

void readDue(QSqlDatabase& db, qint64 today, const std::function<void(qint64, int, double, qint64)>& take) {
    store::NativeRows rows(db, kDue, {today});
    while (rows.next())
        take(rows.integer(0), static_cast<int>(rows.integer(1)), rows.real(2), rows.integer(3));
}

}  // namespace

std::vector<int> TodayQueue::serials() const {
    std::vector<int> out;
    out.reserve(due.size() + fresh.size());
    for (const auto* list : {&due, &fresh})
        for (const QueueItem& i : *list) out.push_back(i.serial);
    return out;
}

TodayQueue buildTodayQueue(QSqlDatabase& db, qint64 today, const MemorySettings& settings) {
    TodayQueue queue;
    const Model model = settings.model();
    readDue(db, today, [&](qint64 sentence, int serial, double stability, qint64 lastDay) {
        queue.due.push_back(
            {sentence, serial, false, model.retrievability(double(today - lastDay), stability)});
    });
    // The least likely to be remembered first; equal chances by serial, so the order is stable.
    std::sort(queue.due.begin(), queue.due.end(), [](const QueueItem& a, const QueueItem& b) {
        return a.retrievability != b.retrievability ? a.retrievability < b.retrievability
                                                    : a.serial < b.serial;
    });
    queue.fresh = freshSentences(db, settings.newPerDay - freshTakenToday(db, today), settings.newLevel);

    QSqlQuery done(db);
    done.prepare(QStringLiteral(
        "SELECT count(DISTINCT sentence) FROM answer_log WHERE day = ? AND source = ? AND updated = 1"));
    done.addBindValue(today);
    done.addBindValue(static_cast<int>(Source::Today));
    run(done);
    if (done.next()) queue.doneToday = done.value(0).toInt();
    return queue;
}

int dueCount(QSqlDatabase& db, qint64 today) {
    QSqlQuery q(db);
    q.prepare(
        QStringLiteral("SELECT count(*) FROM memory_states m JOIN sentences s ON s.id = m.sentence"
                       " WHERE m.due_day <= ? AND s.serial IS NOT NULL"));
    q.addBindValue(today);
    run(q);
    return q.next() ? q.value(0).toInt() : 0;
}

int freshLeft(QSqlDatabase& db, qint64 today, const MemorySettings& settings) {
    const int allowed = settings.newPerDay - freshTakenToday(db, today);
    if (allowed <= 0) return 0;
    if (settings.newLevel != 0)
        return static_cast<int>(freshSentences(db, allowed, settings.newLevel).size());
    // Of any level: every sentence of the table has a memory or is new, so the new ones are
    // counted rather than looked for (a walk in search of the last few unseen reads the whole table).
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT (SELECT count(*) FROM test1) - (SELECT count(*) FROM memory_states m"
                               " JOIN sentences s ON s.id = m.sentence WHERE s.serial IS NOT NULL)")) ||
        !q.next())
        store::throwQueryError(q);
    return static_cast<int>(std::clamp<qint64>(q.value(0).toLongLong(), 0, allowed));
}

std::optional<NextDue> nextDue(QSqlDatabase& db, qint64 today) {
    QSqlQuery q(db);
    q.prepare(QStringLiteral(
        "SELECT m.due_day, count(*) FROM memory_states m JOIN sentences s ON s.id = m.sentence"
        " WHERE m.due_day = (SELECT min(n.due_day) FROM memory_states n JOIN sentences o ON o.id = n.sentence"
        " WHERE n.due_day > ? AND o.serial IS NOT NULL)"
        " AND s.serial IS NOT NULL GROUP BY m.due_day"));
    q.addBindValue(today);
    run(q);
    if (!q.next()) return std::nullopt;
    return NextDue{q.value(0).toLongLong(), q.value(1).toInt()};
}

}  // namespace memory
