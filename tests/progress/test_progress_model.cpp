// The figures of the Progress window over a small fixed history: the chart's points and their
// moving average, the filters by level and topic, the shares by topic, the mix-ups, the most missed
// sentences and their order, and an empty history.
#include <QtTest>

#include "progress/progress_model.h"

using namespace progress;

namespace {

const QDateTime kStart(QDate(2026, 11, 2), QTime(9, 0), Qt::UTC);

SentenceInfo sentence(int serial, int level, const char* kulcs1, const char* kulcs2,
                      std::array<const char*, 4> fillers) {
    SentenceInfo s;
    s.serial = serial;
    s.level = level;
    s.kulcs1 = QString::fromLatin1(kulcs1);
    if (kulcs2) s.kulcs2 = QString::fromLatin1(kulcs2);
    s.sentence = QStringLiteral("Sentence %1 ...").arg(serial);
    for (size_t i = 0; i < 4; ++i) s.fillers[i] = QString::fromUtf8(fillers[i]);
    return s;
}

// Serial, the letter chosen (0 for none) and the right letter.
struct Given {
    int serial;
    char chosen;
    char right;
};

struct HistoryBuilder {
    History history;
    // A run starting `hours` after kStart; its counts are those of its answers.
    HistoryBuilder& run(int hours, bool evaluated, std::initializer_list<Given> answers) {
        RunRecord r;
        r.id = static_cast<qint64>(history.runs.size()) + 1;
        r.started = kStart.addSecs(3600LL * hours);
        if (evaluated) r.ended = r.started.addSecs(300);
        const int index = static_cast<int>(history.runs.size());
        for (const Given& g : answers) {
            AnswerRecord a;
            a.run = index;
            a.serial = g.serial;
            a.chosen = static_cast<qint8>(g.chosen ? g.chosen - 'A' : -1);
            a.right = static_cast<qint8>(g.right - 'A');
            a.correct = g.chosen == g.right;
            history.answers.push_back(a);
            ++r.presented;
            r.correct += a.correct;
        }
        history.runs.push_back(r);
        return *this;
    }
};

// Five sentences: two of ser/estar (levels 1 and 3), one of tenses (level 1), one noun (level 2),
// one of no topic (level 2). The history also answers serial 99, which the table no longer holds.
std::vector<SentenceInfo> sentences() {
    return {
        sentence(1, 1, "1", "1", {"es", "está", "son", "ser"}),          // right B
        sentence(2, 1, "1", "2", {"fue", "era", "iba", "será"}),         // right A
        sentence(3, 2, "2", nullptr, {"el", "la", "los", "las"}),        // right B
        sentence(4, 3, "1", "1", {"hay", "está", "es", "son"}),          // right A
        sentence(5, 2, "z", nullptr, {"uno", "dos", "tres", "cuatro"}),  // right C
    };
}

History fixedHistory() {
    HistoryBuilder b;
    b.run(0, true, {{1, 'A', 'B'}, {2, 'A', 'A'}, {3, 0, 'B'}, {4, 'A', 'A'}})       // 2/4
        .run(1, true, {{1, 'A', 'B'}, {1, 'B', 'B'}, {4, 'C', 'A'}, {5, 'C', 'C'}})  // 2/4
        .run(2, false, {{2, 'B', 'A'}, {3, 'B', 'B'}})                               // left unevaluated
        .run(3, true, {{1, 'B', 'B'}, {2, 'A', 'A'}, {3, 'B', 'B'}, {4, 'A', 'A'}, {5, 'A', 'C'}})  // 4/5
        .run(26, true, {{1, 'A', 'B'}, {2, 'C', 'A'}, {99, 'B', 'A'}});                             // 0/3
    return b.history;
}

QList<int> percents(const ProgressModel& m) {
    QList<int> out;
    for (const RunPoint& p : m.points()) out << qRound(p.percent);
    return out;
}

// The serials the list of the most missed shows, deleted sentences included.
QList<int> missedSerials(const ProgressModel& m) {
    QList<int> out;
    for (const Missed& s : m.mostMissed()) out << s.serial;
    return out;
}

}  // namespace

class ProgressModelTest : public QObject {
    Q_OBJECT
private slots:
    void everyEvaluatedRunIsAPointWithItsEvaluation() {
        ProgressModel m(fixedHistory(), sentences());
        QVERIFY(!m.empty());
        QCOMPARE(percents(m), (QList<int>{50, 50, 80, 0}));  // the run left unevaluated is no point
        QCOMPARE(m.points()[2].correct, 4);
        QCOMPARE(m.points()[2].answered, 5);
        QCOMPARE(m.points()[3].when, kStart.addSecs(26 * 3600));
        QCOMPARE(m.answersInFilter(), 18);  // its answers still count
    }

    void movingAverageOfTheLastFive_data() {
        QTest::addColumn<QList<int>>("right");  // of four answers, per run
        QTest::addColumn<QList<double>>("averages");
        QTest::addRow("fewer than five: all so far") << QList<int>{4, 0, 2} << QList<double>{100, 50, 50};
        QTest::addRow("the sixth drops the first")
            << QList<int>{4, 0, 2, 2, 4, 0, 1} << QList<double>{100, 50, 50, 50, 60, 40, 45};
    }
    void movingAverageOfTheLastFive() {
        QFETCH(QList<int>, right);
        QFETCH(QList<double>, averages);
        HistoryBuilder b;
        for (int i = 0; i < right.size(); ++i) {
            std::vector<Given> answers;
            for (int k = 0; k < 4; ++k) answers.push_back({1, k < right[i] ? 'B' : 'A', 'B'});
            b.run(i, true, {answers[0], answers[1], answers[2], answers[3]});
        }
        ProgressModel m(b.history, sentences());
        QList<double> got;
        for (const RunPoint& p : m.points()) got << p.average;
        QCOMPARE(got, averages);
    }

    void pointsFollowTheTimeTheRunsStarted() {
        HistoryBuilder b;
        b.run(5, true, {{1, 'B', 'B'}}).run(1, true, {{1, 'A', 'B'}}).run(3, true, {{1, 'B', 'B'}});
        ProgressModel m(b.history, sentences());
        QCOMPARE(percents(m), (QList<int>{0, 100, 100}));
        QCOMPARE(m.points().back().average, 200.0 / 3);
    }

    // A filter keeps the answers of sentences of that level and topic; a run without any is no point.
    void filters_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("topic");
        QTest::addColumn<QList<int>>("points");
        QTest::addColumn<QList<int>>("missed");
        QTest::addColumn<int>("answers");
        QTest::addRow("everything") << 0 << -1 << QList<int>{50, 50, 80, 0} << QList<int>{1, 2, 99, 5, 4, 3}
                                    << 18;
        QTest::addRow("level 1") << 1 << -1 << QList<int>{50, 50, 100, 0} << QList<int>{1, 2} << 9;
        QTest::addRow("every verb") << 0 << 0 << QList<int>{67, 33, 100, 0} << QList<int>{1, 2, 4} << 12;
        QTest::addRow("ser/estar at level 3") << 3 << 1 << QList<int>{100, 0, 100} << QList<int>{4} << 3;
        QTest::addRow("nouns") << 0 << 8 << QList<int>{0, 100} << QList<int>{3} << 3;
        QTest::addRow("tenses at level 2: nothing") << 2 << 2 << QList<int>{} << QList<int>{} << 0;
    }
    void filters() {
        QFETCH(int, level);
        QFETCH(int, topic);
        QFETCH(QList<int>, points);
        QFETCH(QList<int>, missed);
        QFETCH(int, answers);
        ProgressModel m(fixedHistory(), sentences());
        m.setFilter({level, topic});
        QCOMPARE(percents(m), points);
        QCOMPARE(missedSerials(m), missed);
        QCOMPARE(m.answersInFilter(), answers);
        // Back to everything gives the first figures again.
        m.setFilter({});
        QCOMPARE(percents(m), (QList<int>{50, 50, 80, 0}));
    }

    void sharesOfRightAnswersByTopicWeakestFirst() {
        ProgressModel m(fixedHistory(), sentences());
        QList<QList<int>> got;  // topic, answered, correct
        for (const TopicShare& s : m.topicShares()) got << QList<int>{s.topic, s.answered, s.correct};
        // No topic (5 and 99): 1 of 3; ser/estar 4 of 8 and tenses 2 of 4 tie, in menu order; nouns 2 of 3.
        QCOMPARE(got, (QList<QList<int>>{{-1, 3, 1}, {1, 8, 4}, {2, 4, 2}, {8, 3, 2}}));
        QCOMPARE(qRound(m.topicShares()[3].percent), 67);
    }

    void mixUpsNameTheFillersAndCountThem() {
        ProgressModel m(fixedHistory(), sentences());
        QStringList got;
        for (const Confusion& c : m.confusions())
            got << QStringLiteral("%1 %2>%3 %4").arg(c.topic).arg(c.chosen, c.right).arg(c.count);
        // Most frequent first, then by topic, chosen and right filler. No answer and a sentence no
        // longer in the table are no mix-up.
        QCOMPARE(got,
                 (QStringList{"1 es>está 3", "1 es>hay 1", "2 era>fue 1", "2 iba>fue 1", "-1 uno>tres 1"}));
    }

    void mixUpsOfTwoSentencesWithTheSameFillersAddUp() {
        std::vector<SentenceInfo> two = {sentence(1, 1, "1", "1", {"es", "está", "son", "ser"}),
                                         sentence(2, 1, "1", "1", {"está", " es ", "ser", "son"})};
        HistoryBuilder b;
        b.run(0, true, {{1, 'A', 'B'}, {2, 'B', 'A'}, {2, 'C', 'A'}});
        ProgressModel m(b.history, two);
        QCOMPARE(m.confusions().size(), size_t(2));
        QCOMPARE(m.confusions()[0].chosen, QStringLiteral("es"));  // trimmed, so both are one mix-up
        QCOMPARE(m.confusions()[0].count, 2);
    }

    void mostMissedTiesGoToTheMoreRecentThenTheLowerSerial() {
        HistoryBuilder b;
        b.run(0, true, {{5, 'A', 'C'}, {4, 'B', 'A'}, {3, 'A', 'B'}})
            .run(1, true, {{2, 'B', 'A'}, {1, 'A', 'B'}});
        ProgressModel m(b.history, sentences());
        QCOMPARE(missedSerials(m), (QList<int>{1, 2, 3, 4, 5}));
        QCOMPARE(m.mostMissed()[0].last, kStart.addSecs(3600));
        QCOMPARE(m.mostMissed()[0].sentence, QStringLiteral("Sentence 1 ..."));
    }

    void mostMissedStopsAtTwentyAndKeepsASentenceNoLongerInTheTable() {
        HistoryBuilder b;
        std::vector<SentenceInfo> many;
        for (int serial = 1; serial <= 30; ++serial)
            many.push_back(sentence(serial, 1, "2", nullptr, {"a", "b", "c", "d"}));
        for (int serial = 1; serial <= 30; ++serial)
            b.run(serial, true, {{serial, 'A', 'B'}, {99, 'A', 'B'}});
        ProgressModel m(b.history, many);
        QCOMPARE(int(m.mostMissed().size()), ProgressModel::kMostMissed);
        QCOMPARE(m.mostMissed()[0].serial, 99);
        QCOMPARE(m.mostMissed()[0].wrong, 30);
        QVERIFY(m.mostMissed()[0].sentence.isEmpty());
        QCOMPARE(m.mostMissed()[1].serial, 30);  // the most recent of the ones missed once
        QCOMPARE(m.mostMissed().back().serial, 12);
    }

    // Answers belong to a sentence's identity: a sentence renumbered keeps them under its serial
    // today, and a deleted one keeps them under its last serial without lending them to a sentence
    // that took that serial later. Practice is offered on sentences still in the table only.
    void answersFollowTheSentencesIdentity() {
        std::vector<SentenceInfo> table = sentences();
        table[0].id = 11;  // serial 1, once serial 7
        table[1].id = 12;  // serial 2, added after identity 3 (serial 2 then) was deleted
        HistoryBuilder b;
        b.run(0, true, {{7, 'A', 'B'}, {2, 'A', 'B'}, {2, 'C', 'B'}})
            .run(1, true, {{1, 'A', 'B'}, {2, 'A', 'A'}});
        const qint64 identities[] = {11, 3, 3, 11, 12};
        for (size_t i = 0; i < b.history.answers.size(); ++i) b.history.answers[i].sentence = identities[i];
        b.history.goneSerials = {{3, 2}};
        ProgressModel m(b.history, table);
        QCOMPARE(missedSerials(m), (QList<int>{1, 2}));  // the same count: the most recent first
        QCOMPARE(m.mostMissed()[0].wrong, 2);            // both answers of identity 11, under serials 7 and 1
        QCOMPARE(m.mostMissed()[0].sentence, QStringLiteral("Sentence 1 ..."));
        QCOMPARE(m.mostMissed()[1].wrong, 2);
        QVERIFY(!m.mostMissed()[1].present && m.mostMissed()[1].sentence.isEmpty());
        QCOMPARE(m.mostMissedSerials(), std::vector<int>{1});  // serial 2 is another sentence now
    }

    void anEmptyHistoryHasNothingToShow() {
        ProgressModel m(History{}, sentences());
        QVERIFY(m.empty());
        QVERIFY(m.points().empty() && m.topicShares().empty() && m.confusions().empty() &&
                m.mostMissed().empty());
        m.setFilter({1, 0});
        QCOMPARE(m.answersInFilter(), 0);
    }

    void theTopicASentenceCountsUnder_data() {
        QTest::addColumn<QString>("kulcs1");
        QTest::addColumn<QString>("kulcs2");
        QTest::addColumn<int>("primary");
        QTest::addRow("a verb subtopic before every verb") << "1"
                                                           << "2" << 2;
        QTest::addRow("a verb of no subtopic") << "1"
                                               << "0" << 0;
        QTest::addRow("word order") << "a"
                                    << "1" << 17;
        QTest::addRow("comparison, letter case ignored") << "A"
                                                         << "2" << 15;
        QTest::addRow("nothing") << ""
                                 << "" << -1;
    }
    void theTopicASentenceCountsUnder() {
        QFETCH(QString, kulcs1);
        QFETCH(QString, kulcs2);
        QFETCH(int, primary);
        SentenceInfo s;
        s.serial = 1;
        s.kulcs1 = kulcs1;
        s.kulcs2 = kulcs2;
        QCOMPARE(primaryTopic(s), primary);
        if (primary >= 0) QVERIFY(inTopic(s, primary));
    }
};

QTEST_GUILESS_MAIN(ProgressModelTest)
#include "test_progress_model.moc"
