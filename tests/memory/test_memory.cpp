// The memory model against vectors worked out independently from its published formulas, and the
// memory in the file: one update per sentence and day, the update written with its answer or not
// at all, a replayed history equal to answering live, and the order of Today's queue.
#include <QtTest>

#include "memory/fsrs.h"
#include "memory/memory_store.h"
#include "memory/today_queue.h"
#include "progress/answer_unit.h"
#include "progress/run_history.h"
#include "store/schema.h"
#include "test_database.h"

using namespace memory;

namespace {

const QDate kDayZero(2026, 3, 2);

QDateTime at(int day, int hour = 10) {
    return QDateTime(kDayZero.addDays(day), QTime(hour, 0));
}

// "3@0 1@5": grade 3 on day 0, grade 1 on day 5.
std::vector<std::pair<Grade, int>> answersOf(const QString& text) {
    std::vector<std::pair<Grade, int>> out;
    for (const QString& part : text.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList p = part.split(u'@');
        out.emplace_back(static_cast<Grade>(p[0].toInt()), p[1].toInt());
    }
    return out;
}

int answer(store::Database& db, int serial, Grade grade, const QDateTime& when,
           Source source = Source::Today) {
    store::Database::Transaction t(db);
    const bool updated =
        recordAnswer(db.db(), std::nullopt, serial, {source, grade, grade != Grade::Again, when},
                     loadSettings(db.db()).model());
    t.commit();
    return updated;
}

int count(store::Database& db, const QString& sql) {
    QSqlQuery q(db.db());
    return q.exec(sql) && q.next() ? q.value(0).toInt() : -1;
}

}  // namespace

class TestMemory : public QObject {
    Q_OBJECT

private slots:
    // Stability, difficulty and due day after a sequence of answers, from a separate computation
    // of the published formulas (the same day's second answer leaves the state alone).
    void modelFollowsThePublishedFormulas_data() {
        QTest::addColumn<double>("retention");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<double>("stability");
        QTest::addColumn<double>("difficulty");
        QTest::addColumn<int>("due");
        auto row = [](const char* name, double r, const char* answers, double s, double d, int due) {
            QTest::newRow(name) << r << QString::fromLatin1(answers) << s << d << due;
        };
        row("first Good", 0.9, "3@0", 2.3065, 2.118103970459015, 2);
        row("first Again", 0.9, "1@0", 0.212, 6.4133, 1);
        row("first Hard", 0.9, "2@0", 1.2931, 5.112170705601055, 1);
        row("first Easy: difficulty at its floor", 0.9, "4@0", 8.2956, 1, 8);
        row("three Goods", 0.9, "3@0 3@2 3@12", 43.93166918404132, 2.1043313908464474, 56);
        row("a lapse and its recovery", 0.9, "3@0 3@3 1@20 3@21 3@25", 9.945744121638075, 7.3679225585405215,
            35);
        row("same day twice: the second is ignored", 0.9, "3@0 1@0 3@2 1@2", 10.964332335820703,
            2.1112142357853942, 13);
        row("a long gap", 0.9, "3@0 3@3 3@3003", 305.38198250040887, 2.1043313908464474, 3308);
        row("Agains towards the difficulty ceiling", 0.9, "1@0 1@1 1@2 1@3 1@4 1@5 1@6 1@7",
            0.008668657012314358, 9.976518106116687, 8);
        row("Easy streak past the longest interval", 0.9, "4@0 4@30 4@400 4@5000 4@40000 4@90000",
            140170.87123206782, 1, 126500);
        row("Hard after a gap", 0.9, "3@0 2@9 3@30", 56.01815211016307, 4.743333999340862, 86);
        row("lower retention, longer intervals", 0.8, "3@0 3@2 3@12", 43.93166918404132, 2.1043313908464474,
            158);
        row("higher retention, shorter intervals", 0.95, "3@0 3@2 3@12 1@40 3@41", 4.775226659631604,
            7.377814181523433, 43);
    }
    void modelFollowsThePublishedFormulas() {
        QFETCH(double, retention);
        QFETCH(QString, answers);
        const Model model(retention);
        std::optional<SentenceMemory> m;
        for (const auto& [grade, day] : answersOf(answers)) m = stepFor(model, m, day, grade).after;
        QFETCH(double, stability);
        QFETCH(double, difficulty);
        QFETCH(int, due);
        QVERIFY2(qAbs(m->state.stability - stability) < 1e-6,
                 qPrintable(QString::number(m->state.stability, 'g', 17)));
        QVERIFY2(qAbs(m->state.difficulty - difficulty) < 1e-6,
                 qPrintable(QString::number(m->state.difficulty, 'g', 17)));
        QCOMPARE(m->dueDay, due);
        QVERIFY(qAbs(model.retrievability(m->state.stability, m->state.stability) - 0.9) < 1e-12);
    }

    // In the file: the first answer of a day updates, later ones are logged only; the log and the
    // state agree; a write refused by the file leaves neither row.
    void answersReachTheMemoryOncePerDay() {
        QTemporaryDir dir;
        store::Database db(makeDatabase(dir, {{1, 10}, {2, 20}}));
        QCOMPARE(answer(db, 1, Grade::Good, at(0, 9)), 1);
        QCOMPARE(answer(db, 1, Grade::Again, at(0, 23)), 0);
        QCOMPARE(answer(db, 1, Grade::Good, at(2, 1)), 1);
        QCOMPARE(answer(db, 7, Grade::Good, at(2, 1)), 0);  // no such sentence: logged only
        const auto m = loadMemory(db.db(), 1);
        QCOMPARE(m->updates, 2);
        QCOMPARE(m->lastDay, dayOf(at(2)));
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM answer_log")), 4);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM answer_log WHERE updated = 1")), 2);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM answer_log WHERE predicted IS NOT NULL")), 1);

        // A rule of the file refuses the log row: the state must not move either.
        QSqlQuery(db.db()).exec(
            QStringLiteral("CREATE TRIGGER plurquiz_refuse BEFORE INSERT ON answer_log BEGIN SELECT "
                           "RAISE(ABORT, 'no'); END"));
        {
            store::Database::Transaction t(db);
            QVERIFY_THROWS_EXCEPTION(
                store::StoreError,
                recordAnswer(db.db(), std::nullopt, 2, {Source::Today, Grade::Good, true, at(3)}, Model()));
        }
        QVERIFY(!loadMemory(db.db(), 2));
        QCOMPARE(loadMemory(db.db(), 1)->updates, 2);
    }

    // A file with a history of test runs from before the memory: the upgrade replays it, and the
    // states equal those of the same answers given live.
    void replayedHistoryEqualsAnsweringLive() {
        QTemporaryDir dir;
        const QString oldPath = makeDatabase(dir, {{1, 10}, {2, 20}, {3, 30}}, QStringLiteral("old.sqlite"));
        const QString livePath =
            makeDatabase(dir, {{1, 10}, {2, 20}, {3, 30}}, QStringLiteral("live.sqlite"));
        // runs on days 0, 0 (evening), 3 and 9: serial, right
        const std::vector<std::pair<int, std::vector<std::pair<int, bool>>>> runs = {
            {0, {{1, true}, {2, false}}},
            {0, {{1, false}, {3, true}}},
            {3, {{1, true}, {2, true}}},
            {9, {{2, false}, {1, true}}}};
        {
            store::Database db(oldPath);
            progress::RunRecorder recorder;
            for (size_t r = 0; r < runs.size(); ++r) {
                recorder.begin(at(runs[r].first, 8 + int(r)), {});
                for (const auto& [serial, right] : runs[r].second)
                    QVERIFY(recorder.answer(
                        db, progress::AnswerUnit({serial, right ? "A" : "B", "A", right, 1.0})));
                recorder.settle(&db);
            }
            // Back to the layout before the memory, keeping the history.
            QSqlQuery q(db.db());
            for (const char* s :
                 {"DROP TABLE memory_states", "DROP TABLE answer_log", "DROP TABLE memory_settings",
                  "DROP INDEX test1_newcomers", "PRAGMA user_version = 4"})
                QVERIFY(q.exec(QString::fromLatin1(s)));
        }
        store::Database live(livePath);
        for (size_t r = 0; r < runs.size(); ++r)
            for (const auto& [serial, right] : runs[r].second)
                answer(live, serial, right ? Grade::Good : Grade::Again, at(runs[r].first, 8 + int(r)),
                       Source::Test);

        store::Database upgraded(oldPath);  // opening upgrades, and the upgrade replays
        QCOMPARE(count(upgraded, QStringLiteral("SELECT count(*) FROM answer_log")), 8);
        for (int serial = 1; serial <= 3; ++serial) {
            const auto a = loadMemory(upgraded.db(), serial);
            const auto b = loadMemory(live.db(), serial);
            QVERIFY(a && b);
            QCOMPARE(a->state.stability, b->state.stability);
            QCOMPARE(a->state.difficulty, b->state.difficulty);
            QCOMPARE(a->dueDay, b->dueDay);
            QCOMPARE(a->updates, b->updates);
            QCOMPARE(a->lapses, b->lapses);
        }
    }

    // Today: overdue sentences by their chance of recall, lowest first; then never-seen ones by
    // level, topic and shuffled order, no more a day than the setting, of the chosen level only.
    void todaysQueueOrder() {
        QTemporaryDir dir;
        store::Database db(makeDatabase(dir, {{1, 50, 2},
                                              {2, 40, 1, "2"},
                                              {3, 30, 1, "1"},
                                              {4, 20, 1, "1"},
                                              {5, 10, 3},
                                              {6, 60, 1},
                                              {7, 70, 1},
                                              {8, 80, 2}}));
        answer(db, 6, Grade::Good, at(0));   // due day 2
        answer(db, 7, Grade::Again, at(0));  // due day 1
        answer(db, 8, Grade::Good, at(1));   // due day 3
        MemorySettings settings;
        settings.newPerDay = 3;
        TodayQueue q = buildTodayQueue(db.db(), dayOf(at(5)), settings);
        QCOMPARE(q.serials(), (std::vector<int>{7, 6, 8, 4, 3, 2}));
        QCOMPARE(dueCount(db.db(), dayOf(at(2))), 2);

        answer(db, 4, Grade::Good, at(5));  // one new one taken today: two left
        q = buildTodayQueue(db.db(), dayOf(at(5)), settings);
        QCOMPARE(q.serials(), (std::vector<int>{7, 6, 8, 3, 2}));
        QCOMPARE(q.doneToday, 1);
        settings.newLevel = 2;
        QCOMPARE(buildTodayQueue(db.db(), dayOf(at(5)), settings).fresh.size(), size_t(1));
        const auto next = nextDue(db.db(), dayOf(at(5)));
        QVERIFY(next);
        QCOMPARE(next->day, loadMemory(db.db(), 4)->dueDay);
    }
};

QTEST_GUILESS_MAIN(TestMemory)
#include "test_memory.moc"
