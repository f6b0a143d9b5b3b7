// Memory benchmark at a lifetime's scale: a test1 of 100,000 sentences (18 topics, three levels),
// 70,000 of them with a memory, and a log of 1,000,000 answers over ten years. It times what Today
// and every answer do: building Today's queue (on a normal day and after a year away), the
// launcher's due count, one answer written with its memory update in its transaction; and the
// replay of a test history of 500,000 answers when a file of the layout before the memory is
// upgraded. Each figure is the median of several runs; the target stands beside it. Figures:
// bench/README.md. bench_memory DIR keeps the files made in DIR and uses them again next time.
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>

#include "base/random_source.h"
#include "bench_timing.h"
#include "memory/memory_store.h"
#include "memory/today_queue.h"
#include "progress/answer_unit.h"
#include "progress/mastery.h"
#include "progress/run_history.h"
#include "store/database.h"
#include "store/schema.h"

namespace {

constexpr int kSentences = 100000;
constexpr int kSeen = 70000;
constexpr int kLogged = 1000000;
constexpr int kRuns = 10000;
constexpr int kAnswersPerRun = 50;  // 500,000 test answers to replay

void exec(QSqlDatabase& db, const QString& sql) {
    QSqlQuery q(db);
    if (!q.exec(sql)) qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
}

// A connection of its own, past the store (which would upgrade an older file on opening it).
struct RawConnection {
    explicit RawConnection(const QString& path) : name(QStringLiteral("bench-%1").arg(++count)) {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) qFatal("cannot open %s", qPrintable(path));
    }
    ~RawConnection() {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    static inline int count = 0;
    QString name;
    QSqlDatabase db;
};

// The material alone: 100,000 sentences, each with its identity (ids and serials 1-100,000).
QString makeMaterial(const QDir& dir) {
    const QString path = dir.filePath(QStringLiteral("material.sqlite"));
    if (QFileInfo::exists(path)) return path;
    RawConnection raw(path);
    store::createSchema(raw.db, false);
    const char* topics[][2] = {{"1", "1"}, {"1", "2"}, {"1", "3"}, {"1", "4"}, {"1", "6"}, {"1", "7"},
                               {"1", "8"}, {"2", "0"}, {"3", "0"}, {"4", "0"}, {"5", "0"}, {"6", "0"},
                               {"7", "0"}, {"8", "0"}, {"9", "0"}, {"a", "1"}, {"a", "2"}, {"1", "0"}};
    base::RandomSource random(1);
    exec(raw.db, QStringLiteral("BEGIN"));
    QSqlQuery q(raw.db);
    q.prepare(QStringLiteral(
        "INSERT INTO test1 VALUES (?, ?, ?, ?, ?, ?, ?, 'uno', 'dos', 'tres', 'cuatro', ?, 'A')"));
    for (int serial = 1; serial <= kSentences; ++serial) {
        const auto& topic = topics[serial % 18];
        for (const QVariant& v : std::initializer_list<QVariant>{
                 serial, serial, random.draw1ToN(3000), random.draw1ToN(3), QString::fromLatin1(topic[0]),
                 QString::fromLatin1(topic[1]),
                 QStringLiteral("Frase número %1 con su hueco ... en medio.").arg(serial),
                 QStringLiteral("Frase número %1 con su hueco uno en medio.").arg(serial)})
            q.addBindValue(v);
        if (!q.exec()) qFatal("%s", qPrintable(q.lastError().text()));
    }
    exec(raw.db, QStringLiteral("COMMIT"));
    return path;
}

// The material with a lifetime's memory: 70,000 sentences seen, each last updated some time
// within its interval (about one in ten overdue), and 1,000,000 logged answers over the ten years
// up to `today`, in every window, about four in five right.
QString makeLifetime(const QDir& dir, const QString& material, qint64 today) {
    const QString path = dir.filePath(QStringLiteral("lifetime-%1.sqlite").arg(today));
    if (QFileInfo::exists(path)) return path;
    QFile::copy(material, path);
    RawConnection raw(path);
    exec(raw.db, QStringLiteral("BEGIN"));
    const memory::Model model;
    base::RandomSource random(2);
    QSqlQuery q(raw.db);
    q.prepare(QStringLiteral("INSERT INTO memory_states VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int sentence = 1; sentence <= kSeen; ++sentence) {
        // Stability spread evenly on a log scale from half a day to 3,000 days.
        const double stability = 0.5 * std::pow(6000.0, random.next());
        const int interval = model.intervalDays(stability);
        const qint64 last = today - static_cast<qint64>(random.next() * interval * 1.1);
        const int updates = 1 + random.draw1ToN(20);
        for (const QVariant& v :
             std::initializer_list<QVariant>{sentence, stability, 1 + 9 * random.next(), last - updates * 30,
                                             last, last + interval, updates, random.draw1ToN(updates) - 1})
            q.addBindValue(v);
        if (!q.exec()) qFatal("%s", qPrintable(q.lastError().text()));
    }
    // The log in time order, its days from ten years ago up to today (a few hundred answers a day).
    exec(raw.db,
         QStringLiteral(
             "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1),"
             " a(i, d, s, c) AS (SELECT i, %2 + i * 3650 / %3, (i * 48271) % %4 + 1,"
             "  (i * 16807) % 100 < 82 FROM n)"
             " INSERT INTO answer_log (answered_at, day, sentence, serial, source, correct, grade,"
             "  updated, predicted)"
             " SELECT strftime('%Y-%m-%dT%H:%M:%SZ', d - 0.1 + (i % 500) / 5000.0), d, s, s, i % 4,"
             "  c, CASE WHEN c THEN 3 ELSE 1 END, i % 5 <> 0, CASE WHEN i % 5 <> 0 THEN 0.85 END FROM a")
             .arg(kLogged - 1)
             .arg(today - 3649)
             .arg(kLogged)
             .arg(kSeen));
    exec(raw.db, QStringLiteral("COMMIT"));
    return path;
}

// The material as the layout before the memory kept it, with a test history of 10,000 runs of 50
// answers (one run every eight hours, about seven in ten right) to replay at the upgrade.
QString makeLayout4History(const QDir& dir, const QString& material) {
    const QString path = dir.filePath(QStringLiteral("layout4.sqlite"));
    if (QFileInfo::exists(path)) return path;
    QFile::copy(material, path);
    RawConnection raw(path);
    exec(raw.db, QStringLiteral("BEGIN"));
    for (const char* sql : {"DROP TABLE memory_states", "DROP TABLE answer_log", "DROP TABLE memory_settings",
                            "DROP INDEX test1_newcomers", "PRAGMA user_version = 4"})
        exec(raw.db, QLatin1String(sql));
    QSqlQuery run(raw.db);
    run.prepare(QStringLiteral("INSERT INTO test_runs VALUES (?, ?, ?, 0, 50, 0, 50, 35)"));
    const QDateTime first(QDate(2017, 1, 1), QTime(8, 0), Qt::UTC);
    for (int r = 1; r <= kRuns; ++r) {
        const QDateTime start = first.addSecs(8 * 3600LL * r);
        for (const QVariant& v : std::initializer_list<QVariant>{r, progress::historyTime(start),
                                                                 progress::historyTime(start.addSecs(600))})
            run.addBindValue(v);
        if (!run.exec()) qFatal("%s", qPrintable(run.lastError().text()));
    }
    exec(raw.db,
         QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1),"
                        " a(i, s, c) AS (SELECT i, (i * 48271) % %2 + 1, (i * 16807) % 100 < 70 FROM n)"
                        " INSERT INTO test_answers (run_id, position, serial, sentence, chosen, right_letter,"
                        "  correct, seconds)"
                        " SELECT i / %3 + 1, i % %3 + 1, s, (SELECT id FROM sentences WHERE serial = s),"
                        "  CASE WHEN c THEN 'A' ELSE 'B' END, 'A', c, 5.5 FROM a")
             .arg(kRuns * kAnswersPerRun - 1)
             .arg(kSentences)
             .arg(kAnswersPerRun));
    exec(raw.db, QStringLiteral("COMMIT"));
    return path;
}

void report(const char* what, double ms, const char* target) {
    std::printf("%-62s %9.2f ms  (target %s)\n", what, ms, target);
}

long sink = 0;

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTemporaryDir temporary;
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path());
    const qint64 today = memory::dayOf(QDateTime::currentDateTime());
    QElapsedTimer made;
    made.start();
    const QString material = makeMaterial(dir);
    const QString lifetime = makeLifetime(dir, material, today);
    const QString layout4 = makeLayout4History(dir, material);
    std::printf(
        "%d sentences, %d with a memory, %d logged answers; %d test answers to replay (made in %.1f s)\n",
        kSentences, kSeen, kLogged, kRuns * kAnswersPerRun, made.elapsed() / 1000.0);

    const memory::MemorySettings settings;
    {
        store::Database db(lifetime);
        const memory::TodayQueue queue = memory::buildTodayQueue(db.db(), today, settings);
        const memory::TodayQueue away = memory::buildTodayQueue(db.db(), today + 365, settings);
        std::printf("Today's queue: %zu due and %zu new today; %zu due and %zu new after a year away\n",
                    queue.due.size(), queue.fresh.size(), away.due.size(), away.fresh.size());
        report("Today's queue (a new connection, then the queue)",
               medianMs(11,
                        [&] {
                            store::Database own(lifetime);
                            sink += static_cast<long>(
                                memory::buildTodayQueue(own.db(), today, settings).due.size());
                        }),
               "< 50 ms");
        report("Today's queue (the connection open)",
               medianMs(21,
                        [&] {
                            sink += static_cast<long>(
                                memory::buildTodayQueue(db.db(), today, settings).due.size());
                        }),
               "< 50 ms");
        report("Today's queue after a year away (the connection open)",
               medianMs(11,
                        [&] {
                            sink += static_cast<long>(
                                memory::buildTodayQueue(db.db(), today + 365, settings).due.size());
                        }),
               "< 50 ms");
        report("the mastery map",
               medianMs(11, [&] { sink += progress::loadMasteryMap(db.db(), today).cell(0, 1).seen; }),
               "< 100 ms");
        report("the memory page: mastery map and calibration (1,000,000 answers)",
               medianMs(11,
                        [&] {
                            sink += static_cast<long>(
                                progress::loadMemoryFigures(db.db(), today)->calibration.updates);
                        }),
               "none");
        report("the launcher's figures (due count, new left)",
               medianMs(21,
                        [&] {
                            sink += memory::dueCount(db.db(), today) +
                                    memory::freshLeft(db.db(), today, settings);
                        }),
               "none");
    }

    {
        // A test answer as the test writes it: its history row, its failed item when wrong, and
        // the memory update, in one committed transaction; each the first of the day to a
        // sentence seen before.
        store::Database db(lifetime);
        exec(db.db(),
             QStringLiteral("INSERT INTO test_runs VALUES ((SELECT max(id) + 1 FROM test_runs), '%1',"
                            " NULL, 0, 0, 0, 0, 0)")
                 .arg(progress::historyTime(QDateTime::currentDateTimeUtc())));
        QSqlQuery last(db.db());
        last.exec(QStringLiteral("SELECT max(id) FROM test_runs"));
        last.next();
        const qint64 run = last.value(0).toLongLong();
        int position = 0;
        report("one test answer: history row, log row, memory update (commit)",
               medianMs(201,
                        [&] {
                            ++position;
                            const int serial = 1 + (position * 331) % kSeen;
                            const bool right = position % 3 != 0;
                            progress::AnswerUnit unit(
                                {serial, right ? QStringLiteral("A") : QStringLiteral("B"),
                                 QStringLiteral("A"), right, 4.2},
                                right ? std::nullopt
                                      : std::optional<progress::FailedItem>(progress::FailedItem{
                                            QStringLiteral("B"), QStringLiteral("Frase ..."),
                                            QStringLiteral("uno"), QStringLiteral("dos"),
                                            QStringLiteral("tres"), QStringLiteral("cuatro"),
                                            QStringLiteral("Frase uno."), QStringLiteral("A")}),
                                memory::AnswerEvent{memory::Source::Test,
                                                    right ? memory::Grade::Good : memory::Grade::Again, right,
                                                    QDateTime::currentDateTime()});
                            const progress::HistoryPlace place{run, position};
                            store::Database::Transaction t(db);
                            progress::writeAnswerUnit(db, unit, &place);
                            t.commit();
                            ++sink;
                        }),
               "< 5 ms");
    }

    {
        // Each run upgrades a fresh copy of the file of the layout before the memory, opened as the
        // program opens it (the store's connection, with its page cache, upgrades it).
        constexpr int kUpgrades = 3;
        for (int copy = 1; copy <= kUpgrades; ++copy) {
            const QString path = dir.filePath(QStringLiteral("upgrade%1.sqlite").arg(copy));
            QFile::remove(path);
            QFile::copy(layout4, path);
        }
        int copy = 0;
        int replayed = 0;
        report("upgrade with the replay of 500,000 test answers",
               medianMs(kUpgrades,
                        [&] {
                            const QString path = dir.filePath(QStringLiteral("upgrade%1.sqlite").arg(++copy));
                            memory::setReplayProgress([&](int done, int) { replayed = done; });
                            // As the program opens it: the store upgrades the file on opening it.
                            store::Database db(path);
                            QSqlQuery q(db.db());
                            if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next() ||
                                q.value(0).toInt() != store::kSchemaVersion)
                                qFatal("the file was not upgraded");
                            ++sink;
                        }),
               "< 10000 ms");
        std::printf("(replayed %d answers)\n", replayed);
        for (int i = 1; i <= kUpgrades; ++i)
            QFile::remove(dir.filePath(QStringLiteral("upgrade%1.sqlite").arg(i)));
    }
    std::printf("(checksum %ld)\n", sink);
    return 0;
}
