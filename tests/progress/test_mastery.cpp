// The memory figures of the Progress window, read from a file: each cell of the mastery grid (its
// sentences counted as the practice window's Topic menu selects them, in its order), and the
// calibration of the model's predictions with its log loss.
#include <QSqlQuery>
#include <QtTest>
#include <cmath>

#include "progress/mastery.h"
#include "test_database.h"

using progress::Calibration;
using progress::MemoryFigures;

namespace {

constexpr qint64 kToday = 2461000;

// Recall is 90 % when the days since the last update equal the stability: a fixed point of the
// forgetting curve, so the expected means below need none of its arithmetic.
struct State {
    int serial;
    double stability;
    int daysAgo;
    int dueIn;  // days from today; 0 or less: due
};

std::vector<TestRow> rows() {
    // serial, sorrend2, level, kulcs1, kulcs2
    return {{1, 30, 1, "1", "1"}, {2, 10, 1, "1", "1"}, {3, 20, 1, "1", "1"}, {4, 5, 2, "1", "2"},
            {5, 40, 2, "2", "0"}, {6, 50, 3, "2", "0"}, {8, 70, 1, "z", "0"}};
}

const State kStates[] = {
    {1, 10, 10, 0},  // 90 %, due today
    {2, 4, 0, 4},    // 100 %, answered today
    {4, 3, 3, -1},   // 90 %, overdue
    {6, 2, 2, 1},    // 90 %, due tomorrow
    {8, 5, 5, 0},    // of no topic: in no cell
};

void addStates(store::Database& db) {
    QSqlQuery q(db.db());
    q.prepare(QStringLiteral(
        "INSERT INTO memory_states (sentence, stability, difficulty, first_day, last_day, "
        "due_day, updates, lapses) SELECT id, ?, 5, ?, ?, ?, 1, 0 FROM sentences WHERE serial = ?"));
    for (const State& s : kStates) {
        q.addBindValue(s.stability);
        q.addBindValue(kToday - s.daysAgo);
        q.addBindValue(kToday - s.daysAgo);
        q.addBindValue(kToday + s.dueIn);
        q.addBindValue(s.serial);
        QVERIFY(q.exec());
    }
}

void addLog(store::Database& db, int updated, const QVariant& predicted, int grade) {
    QSqlQuery q(db.db());
    q.prepare(
        QStringLiteral("INSERT INTO answer_log (answered_at, day, serial, source, correct, grade, updated, "
                       "predicted) VALUES ('2026-12-08T10:00:00Z', ?, 1, 1, ?, ?, ?, ?)"));
    q.addBindValue(kToday);
    q.addBindValue(grade > 1 ? 1 : 0);
    q.addBindValue(grade);
    q.addBindValue(updated);
    q.addBindValue(predicted);
    QVERIFY(q.exec());
}

}  // namespace

class MasteryTest : public QObject {
    Q_OBJECT
private slots:
    void theCellsOfAFixedHistory_data() {
        QTest::addColumn<int>("topic");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("sentences");
        QTest::addColumn<int>("seen");
        QTest::addColumn<int>("due");
        QTest::addColumn<double>("mean");
        QTest::addColumn<QList<int>>("serials");
        // Verbs (item 0) holds every verb, its subtopics too; the serials in sorrend2 order.
        QTest::newRow("verbs 1") << 0 << 1 << 3 << 2 << 1 << 0.95 << QList<int>{2, 3, 1};
        QTest::newRow("ser/estar 1") << 1 << 1 << 3 << 2 << 1 << 0.95 << QList<int>{2, 3, 1};
        QTest::newRow("verbs 2") << 0 << 2 << 1 << 1 << 1 << 0.9 << QList<int>{4};
        QTest::newRow("tenses 2") << 2 << 2 << 1 << 1 << 1 << 0.9 << QList<int>{4};
        QTest::newRow("ser/estar 2") << 1 << 2 << 0 << 0 << 0 << 0.0 << QList<int>{};
        QTest::newRow("nouns 2, not seen") << 8 << 2 << 1 << 0 << 0 << 0.0 << QList<int>{5};
        QTest::newRow("nouns 3") << 8 << 3 << 1 << 1 << 0 << 0.9 << QList<int>{6};
    }
    void theCellsOfAFixedHistory() {
        QFETCH(int, topic);
        QFETCH(int, level);
        QFETCH(int, sentences);
        QFETCH(int, seen);
        QFETCH(int, due);
        QFETCH(double, mean);
        QFETCH(QList<int>, serials);
        QTemporaryDir dir;
        store::Database db(makeDatabase(dir, rows()));
        addStates(db);
        const std::optional<MemoryFigures> figures = progress::loadMemoryFigures(db.db(), kToday);
        QVERIFY(figures && figures->mastery.anySeen());
        const progress::MasteryCell& cell = figures->mastery.cell(topic, level);
        QCOMPARE(cell.sentences, sentences);
        QCOMPARE(cell.seen, seen);
        QCOMPARE(cell.due, due);
        QVERIFY2(std::abs(cell.meanRetrievability - mean) < 1e-9,
                 qPrintable(QString::number(cell.meanRetrievability)));
        QCOMPARE(QList<int>(cell.serials.begin(), cell.serials.end()), serials);
    }

    void aFileWithoutAMemoryHasNoFigures() {
        QTemporaryDir dir;
        store::Database db(makeDatabase(dir, rows()));
        QVERIFY(!progress::loadMemoryFigures(db.db(), kToday)->mastery.anySeen());
        QSqlQuery(db.db()).exec(QStringLiteral("DROP TABLE memory_states"));
        QVERIFY(!progress::loadMemoryFigures(db.db(), kToday));
    }

    void calibrationBinsAndLogLoss_data() {
        QTest::addColumn<QList<double>>("predicted");
        QTest::addColumn<QList<bool>>("recalled");
        QTest::addColumn<QList<int>>("counts");  // pairs: bin, answers in it
        QTest::addColumn<double>("topMean");     // of the highest bin with answers
        QTest::addColumn<double>("topShare");
        QTest::addColumn<double>("logLoss");  // NaN: not checked
        QTest::addColumn<double>("baseLogLoss");
        // A coin toss scores ln 2 whatever happens, as does the base guess at half remembered.
        QTest::newRow("coin") << QList<double>{0.5, 0.5, 0.5, 0.5} << QList<bool>{true, false, true, false}
                              << QList<int>{5, 4} << 0.5 << 0.5 << std::log(2.0) << std::log(2.0);
        QTest::newRow("sure and right")
            << QList<double>{0.95, 0.95, 0.05, 0.05} << QList<bool>{true, true, false, false}
            << QList<int>{9, 2, 0, 2} << 0.95 << 1.0 << -std::log(0.95) << std::log(2.0);
        // A bin runs from its lower edge up to the next; 100 % falls in the last.
        QTest::newRow("edges") << QList<double>{0.1, 0.0999, 1.0, 0.9, 0.3}
                               << QList<bool>{true, true, true, true, true}
                               << QList<int>{0, 1, 1, 1, 3, 1, 9, 2} << 0.95 << 1.0 << qQNaN() << 0.0;
        // Sure and wrong costs much, not infinitely much.
        QTest::newRow("sure and wrong") << QList<double>{1.0} << QList<bool>{false} << QList<int>{9, 1} << 1.0
                                        << 0.0 << -std::log(1e-6) << 0.0;
    }
    void calibrationBinsAndLogLoss() {
        QFETCH(QList<double>, predicted);
        QFETCH(QList<bool>, recalled);
        QFETCH(QList<int>, counts);
        QFETCH(double, topMean);
        QFETCH(double, topShare);
        QFETCH(double, logLoss);
        QFETCH(double, baseLogLoss);
        std::vector<progress::Prediction> all;
        for (int i = 0; i < predicted.size(); ++i) all.push_back({predicted[i], recalled[i]});
        const Calibration c = progress::calibrationOf(all);
        QCOMPARE(c.updates, int(predicted.size()));
        std::array<int, Calibration::kBins> expected{};
        for (int i = 0; i < counts.size(); i += 2) expected[size_t(counts[i])] = counts[i + 1];
        int top = 0;
        for (int b = 0; b < Calibration::kBins; ++b) {
            QCOMPARE(c.bins[size_t(b)].count, expected[size_t(b)]);
            if (expected[size_t(b)] > 0) top = b;
        }
        QVERIFY(std::abs(c.bins[size_t(top)].meanPredicted - topMean) < 1e-12);
        QCOMPARE(c.bins[size_t(top)].shareRecalled, topShare);
        if (!std::isnan(logLoss))
            QVERIFY2(std::abs(c.logLoss - logLoss) < 1e-9, qPrintable(QString::number(c.logLoss)));
        QVERIFY(std::abs(c.baseLogLoss - baseLogLoss) < 1e-9);
    }

    // Only the updates of sentences seen before carry a prediction to check; a grade above Again
    // is remembered, whatever the letter (an answer after the solution was shown is Again).
    void theCalibrationReadsThePredictedUpdatesOnly() {
        QTemporaryDir dir;
        store::Database db(makeDatabase(dir, rows()));
        addLog(db, 1, 0.85, 3);
        addLog(db, 1, 0.85, 1);
        addLog(db, 1, 0.45, 3);
        addLog(db, 0, QVariant(QMetaType(QMetaType::Double)), 3);  // a second answer of the day
        addLog(db, 1, QVariant(QMetaType(QMetaType::Double)), 3);  // a first answer ever
        const Calibration c = progress::loadMemoryFigures(db.db(), kToday)->calibration;
        QCOMPARE(c.updates, 3);
        QCOMPARE(c.bins[8].count, 2);
        QCOMPARE(c.bins[8].shareRecalled, 0.5);
        QCOMPARE(c.bins[4].count, 1);
        QVERIFY(!c.ready());
        QCOMPARE(c.missing(), Calibration::kLeastUpdates - 3);
    }
};

QTEST_GUILESS_MAIN(MasteryTest)
#include "test_mastery.moc"
