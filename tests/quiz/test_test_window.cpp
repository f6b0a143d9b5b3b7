// The test window over a small fixed database, with the timer ticked by hand and a scripted
// random draw: counted and open-ended runs, scoring and the log, the evaluation and its
// percentage, starting points, timed runs, the settings menus and a failed log write.
#include <QProcess>
#include <QSqlQuery>
#include <QtTest>

#include "app_fixture.h"
#include "quiz/test_window.h"
#include "scripted_random.h"
#include "store/snapshot.h"
#include "test_database.h"
#include "text/ui_text.h"

using quiz::TestWindow;

namespace {

// Serials 1..8; sorrend2 = 100 * serial, so the natural order is the serial order. Right
// letters cycle A, B, C, D.
std::vector<TestRow> rows(int n = 8) {
    std::vector<TestRow> out;
    const char* letters[] = {"A", "B", "C", "D"};
    for (int i = 1; i <= n; ++i)
        out.push_back({i, 100 * i, 1, "1", "0", QString::fromLatin1(letters[(i - 1) % 4])});
    return out;
}

struct TestFixture {
    QTemporaryDir dir;
    FakePlatform platform;
    forms::WindowRegistry windows;
    ScriptedRandom random;
    app::Context ctx{platform, windows, random, dir.path(), dir.filePath(QStringLiteral("appdata")), {}};
    explicit TestFixture(const std::vector<TestRow>& table = rows()) {
        app::defineWindows(ctx);
        makeDatabase(dir, table);
        ctx.g.LangBase = text::English;
        ctx.g.DatabasePath = dir.filePath(QStringLiteral("st_data.sqlite"));
    }
    TestWindow& open() { return *dynamic_cast<TestWindow*>(windows.show(app::kTest)); }
    // The serial of the sentence shown ("Sentence <n> ...").
    int shown(TestWindow& w) { return w.Label13.caption.trimmed().section(u' ', 1, 1).toInt(); }
    // Queues random draws that show these serials (largest serial n).
    void draws(const QList<int>& serials, int n = 8) {
        for (int s : serials) random.queueDraw(s, n);
    }
    QList<QStringList> log() {
        store::Database db(ctx.g.DatabasePath);
        store::Snapshot s = store::Snapshot::ofTable(db, QStringLiteral("hiba1"));
        QList<QStringList> out;
        for (s.moveFirst(), s.moveNext(); !s.eof(); s.moveNext())
            out << QStringList{s.field(QStringLiteral("hiba")).toString(),
                               s.field(QStringLiteral("mondat")).toString(),
                               s.field(QStringLiteral("felelet1")).toString(),
                               s.field(QStringLiteral("felelet2")).toString()};
        return out;
    }
    // Answers the shown sentence: right, wrong, or not at all.
    enum Answer { Right, Wrong, None };
    void answer(TestWindow& w, Answer a) {
        if (a == None) return;
        const int right = QStringLiteral("ABCD").indexOf(w.Label10.caption);
        const int letter = a == Right ? right : (right + 1) % 4;
        w.keyPress(QChar(u'a' + letter));
    }
};

}  // namespace

class TestWindowTest : public QObject {
    Q_OBJECT
private slots:
    void aCountedRunEndsByItselfAfterExactlyThatMany() {
        TestFixture f;
        TestWindow& w = f.open();
        w.click(QStringLiteral("mnuNúmeroItem"), 0);  // 20
        QCOMPARE(f.ctx.g.RunLength, 20);
        QCOMPARE(w.Label25.caption, QStringLiteral("20"));
        QList<int> serials;
        for (int i = 0; i < 20; ++i) serials << (i % 8) + 1;
        f.draws(serials);
        w.click(QStringLiteral("Command3"));
        int scored = 0;
        for (int i = 0; i < 19; ++i) {
            QVERIFY(!w.Command5.visible);  // a counted run has no Evaluation button
            f.answer(w, i < 3 ? TestFixture::Wrong : TestFixture::Right);
            w.click(QStringLiteral("Command4"));
            ++scored;
            QVERIFY(w.Frame3D1.visible);
        }
        QCOMPARE(w.Label22.caption + " " + w.lblOfRun.caption, QStringLiteral("20 / 20"));
        f.answer(w, TestFixture::Right);
        w.click(QStringLiteral("Command4"));
        QCOMPARE(f.ctx.g.SentenceCounter, 20);
        QCOMPARE(w.Label18.caption, QStringLiteral("17/20"));
        QCOMPARE(w.Label21.caption, QStringLiteral("85%"));
        QVERIFY(w.Label17.visible && w.Frame3D2.visible && !w.Frame3D1.visible);
        QVERIFY(!w.Command5.visible);  // nothing left to score twice
        QCOMPARE(f.log().size(), 3);
        QCOMPARE(f.platform.beeps, 1);
        QCOMPARE(f.ctx.g.RunLength, 0);
        QVERIFY(w.settings.mnuNumeroItem[0].checked);  // the check mark stays
        QVERIFY(w.settings.mnuSettings.enabled && w.mnuStart.enabled);
        QCOMPARE(w.Command3.caption, QStringLiteral("Re&start"));
    }

    // Evaluation of an open-ended run: score and percentage, rounded half to even.
    void theScoreAndItsPercentage_data() {
        QTest::addColumn<int>("sentences");
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("score");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<bool>("link");
        QTest::addRow("1 of 8 rounds half to even") << 8 << 1 << "1/8"
                                                    << "12%" << true;
        QTest::addRow("3 of 8 rounds half to even upwards") << 8 << 3 << "3/8"
                                                            << "38%" << true;
        QTest::addRow("2 of 3") << 3 << 2 << "2/3"
                                << "67%" << true;
        QTest::addRow("all right: no link") << 4 << 4 << "4/4"
                                            << "100%" << false;
        QTest::addRow("one sentence, wrong") << 1 << 0 << "0/1"
                                             << "0%" << true;
    }
    void theScoreAndItsPercentage() {
        QFETCH(int, sentences);
        QFETCH(int, right);
        QFETCH(QString, score);
        QFETCH(QString, percent);
        QFETCH(bool, link);
        TestFixture f;
        TestWindow& w = f.open();
        QList<int> serials;
        for (int i = 0; i < sentences; ++i) serials << i + 1;
        f.draws(serials);
        w.click(QStringLiteral("Command3"));
        for (int i = 0; i < sentences; ++i) {
            f.answer(w, i < right ? TestFixture::Right : TestFixture::Wrong);
            if (i + 1 < sentences) {
                w.click(QStringLiteral("Command4"));
                QVERIFY(w.Command5.visible);  // from the first Next on
            }
        }
        if (sentences == 1) w.Command5.visible = true;  // the learner's way to end a one-sentence run
        w.click(QStringLiteral("Command5"));
        QCOMPARE(w.Label18.caption, score);
        QCOMPARE(w.Label21.caption, percent);
        QCOMPARE(w.Label17.visible, link);
        QCOMPARE(f.log().size(), sentences - right);
    }

    void anOpenEndedRunNeverEndsByItself() {
        TestFixture f;
        TestWindow& w = f.open();
        QList<int> serials;
        for (int i = 0; i < 60; ++i) serials << (i % 8) + 1;
        f.draws(serials);
        w.click(QStringLiteral("Command3"));
        for (int i = 0; i < 59; ++i) w.click(QStringLiteral("Command4"));
        QVERIFY(w.Frame3D1.visible && w.Command5.visible);
        QCOMPARE(f.ctx.g.SentenceCounter, 60);
    }

    void noAnswerIsLoggedAsZeroWithTheTextsAsShown() {
        TestFixture f;
        TestWindow& w = f.open();
        f.draws({3, 5});
        w.click(QStringLiteral("Command3"));
        w.click(QStringLiteral("Command4"));
        QCOMPARE(f.log(), (QList<QStringList>{{"0", " Sentence 3 ...", "Solution 3", "C"}}));
        w.keyPress(u'A');  // capital letters choose nothing
        QCOMPARE(w.Label9.caption, QStringLiteral("0"));
    }

    // Written answers in a test: right counts; almost right (a capital letter) counts wrong and is
    // logged "0"; another option typed is logged with its letter; the history keeps text and verdict.
    void writtenAnswersAreScoredStrictly() {
        TestFixture f;
        TestWindow& w = f.open();
        w.click(QStringLiteral("mnuWrite"));
        QVERIFY(w.written.menu.checked);
        f.draws({1, 2, 3, 4});
        w.click(QStringLiteral("Command3"));
        QVERIFY(!w.Frame3D1.visible && w.written.box.visible && w.Command4.isDefault);
        for (const char* typed : {"uno", "Dos", "cuatro"}) {  // right A, B, C: right, almost, option D
            QVERIFY(w.keyPress(u'a') == QChar(u'a'));         // letters go to the box, not to the options
            w.written.box.caption = QString::fromUtf8(typed);
            w.click(QStringLiteral("Command4"));
        }
        QCOMPARE(f.ctx.g.CorrectCount, 1);
        const QList<QStringList> log = f.log();
        QCOMPARE(log.size(), 2);
        QCOMPARE(log[0][0] + log[1][0], QStringLiteral("0D"));
        store::Database db(f.ctx.g.DatabasePath);
        QSqlQuery q(db.db());
        q.exec(QStringLiteral(
            "SELECT group_concat(typed || verdict, ' ') FROM (SELECT * FROM answer_log ORDER BY id)"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("uno0 Dos1 cuatro2"));
    }

    void twoRunsWithoutAReviewKeepBothRunsFailures() {
        TestFixture f;
        TestWindow& w = f.open();
        f.draws({1, 2, 3, 4});
        w.click(QStringLiteral("Command3"));
        w.click(QStringLiteral("Command4"));
        w.click(QStringLiteral("Command5"));
        w.click(QStringLiteral("Command3"));
        w.click(QStringLiteral("Command4"));
        w.click(QStringLiteral("Command5"));
        QCOMPARE(f.log().size(), 4);
    }

    // Where a run in order starts after a starting point, and how it steps.
    void startingPoints_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QList<int>>("shown");
        QTest::addRow("&1 starts on the second row") << 0 << QList<int>{2, 3, 4};
        QTest::addRow("&51: first sorrend2 above 280") << 1 << QList<int>{3, 4, 5};
        QTest::addRow("past the last row it wraps to the first") << 2 << QList<int>{6, 7, 8, 1, 2};
        QTest::addRow("&501 with no row above 2750 stays on the first") << 10 << QList<int>{1, 2};
    }
    void startingPoints() {
        QFETCH(int, item);
        QFETCH(QList<int>, shown);
        TestFixture f;
        TestWindow& w = f.open();
        w.click(QStringLiteral("beg"), item);
        QCOMPARE(f.ctx.g.TestMode, 1);
        QVERIFY(w.beg[0].checked && (item == 0 || !w.beg[item].checked));
        w.click(QStringLiteral("Command3"));
        QVERIFY(w.Command2.visible && !w.Command4.visible);
        QList<int> seen;
        for (int i = 0; i < shown.size(); ++i) {
            seen << f.shown(w);
            QCOMPARE(w.Label22.caption, QString::number(i + 1));
            w.click(QStringLiteral("Command2"));
        }
        QCOMPARE(seen, shown);
        QCOMPARE(f.log().first()[1], QStringLiteral("Sentence %1 ...").arg(shown[0]));  // as stored
        w.click(QStringLiteral("Command5"));
        QCOMPARE(f.ctx.g.TestMode, 0);
    }

    void aStartingPointOutlivesClosingTheWindow() {
        TestFixture f;
        f.open().click(QStringLiteral("beg"), 4);  // sorrend2 > 1120: none; stays on the first
        f.open().click(QStringLiteral("beg"), 1);  // sorrend2 > 280: serial 3
        f.windows.find(app::kTest)->click(QStringLiteral("Command6"));
        TestWindow& w = f.open();
        w.click(QStringLiteral("Command3"));
        QCOMPARE(f.shown(w), 3);
    }

    void aTimedRunDrawsAtRandomAndTheTimerMovesOn() {
        TestFixture f;
        TestWindow& w = f.open();
        w.click(QStringLiteral("beg"), 3);
        w.click(QStringLiteral("mnuTiempoItem"), 1);
        QCOMPARE(f.ctx.g.DelayMs, 20000);
        QCOMPARE(w.Label23.caption, QStringLiteral("20 s"));
        f.draws({5, 6, 7});
        w.click(QStringLiteral("Command3"));
        QVERIFY(w.Command4.visible && !w.Command2.visible);
        QCOMPARE(f.shown(w), 5);
        QVERIFY(w.Timer1.running());
        QCOMPARE(w.Timer1.interval(), 20000);
        QCOMPARE(w.lblSecondsLeft.caption, QStringLiteral("20 s left"));
        w.timer(QStringLiteral("Timer2"));
        QCOMPARE(w.lblSecondsLeft.caption, QStringLiteral("19 s left"));
        w.timer(QStringLiteral("Timer1"));  // no answer: beep, logged, next sentence
        QCOMPARE(f.platform.beeps, 1);
        QCOMPARE(f.shown(w), 6);
        QCOMPARE(f.log().size(), 1);
        QCOMPARE(w.lblSecondsLeft.caption, QStringLiteral("20 s left"));
        // An answer with Next restarts the full delay.
        const unsigned restarts = w.Timer1.restarts();
        f.answer(w, TestFixture::Right);
        w.click(QStringLiteral("Command4"));
        QCOMPARE(w.Timer1.restarts(), restarts + 1);
        QVERIFY(w.Timer1.running());
    }

    void afterAnEvaluationTheSettingsAreBackToPlain() {
        TestFixture f;
        TestWindow& w = f.open();
        w.click(QStringLiteral("mnuNúmeroItem"), 2);
        w.click(QStringLiteral("mnuTiempoItem"), 2);
        w.click(QStringLiteral("beg"), 0);
        QVERIFY(w.Label25.visible && w.Label19.visible && w.Label23.visible && w.Label20.visible);
        f.draws({1});
        w.click(QStringLiteral("Command3"));
        QVERIFY(!w.settings.mnuSettings.enabled);
        w.Command5.visible = true;
        w.click(QStringLiteral("Command5"));
        QCOMPARE(f.ctx.g.RunLength, 0);
        QCOMPARE(f.ctx.g.DelayMs, 0);
        QCOMPARE(f.ctx.g.TestMode, 0);
        QVERIFY(w.settings.mnuNumeroItem[2].checked && w.settings.mnuTiempoItem[2].checked);
        QVERIFY(!w.Label25.visible && w.Label25.caption.isEmpty());
        QVERIFY(!w.Timer1.running());
        // A Restart without new choices is open-ended, untimed and random.
        f.draws({4});
        w.click(QStringLiteral("Command3"));
        QVERIFY(w.Command4.visible && !w.Timer1.running());
        QCOMPARE(f.shown(w), 4);
    }

    // A refused write of a wrong answer stores neither its failed item nor its history row; the run
    // stays on the sentence, and a timed run stops its delay until the Next that stores it.
    void aFailedLogWriteIsToldAndTheRunStays_data() {
        QTest::addColumn<bool>("timed");
        QTest::addRow("untimed") << false;
        QTest::addRow("timed: the delay runs out") << true;
    }
    void aFailedLogWriteIsToldAndTheRunStays() {
        QFETCH(bool, timed);
        TestFixture f;
        TestWindow& w = f.open();
        if (timed) w.click(QStringLiteral("mnuTiempoItem"), 0);
        f.draws({2, 3});
        w.click(QStringLiteral("Command3"));
        auto sql = [&](const QString& statement) {
            store::Database db(f.ctx.g.DatabasePath);
            QSqlQuery q(db.db());
            QVERIFY(q.exec(statement));
        };
        auto stored = [&] {
            store::Database db(f.ctx.g.DatabasePath);
            QSqlQuery q(db.db());
            q.exec(QStringLiteral(
                "SELECT (SELECT count(*) - 1 FROM hiba1) * 10 + (SELECT count(*) FROM test_answers)"));
            return q.next() ? q.value(0).toInt() : -1;
        };
        sql(
            QStringLiteral("CREATE TRIGGER plurquiz_refuse BEFORE INSERT ON hiba1 BEGIN SELECT RAISE(ABORT, "
                           "'refused'); END"));
        f.answer(w, TestFixture::Wrong);
        if (timed)
            w.timer(QStringLiteral("Timer1"));
        else
            w.click(QStringLiteral("Command4"));
        QCOMPARE(f.platform.messages.size(), size_t(1));
        QVERIFY(f.platform.messages.back().text.startsWith(
            text::uiText(text::KeyLogWriteFailed, text::English).section(u':', 0, 0)));
        QCOMPARE(f.shown(w), 2);  // still the same sentence, with its answer
        QVERIFY(w.Label9.caption != QStringLiteral("0"));
        QCOMPARE(stored(), 0);  // neither the failed item nor the history row
        QVERIFY(!w.Timer1.running() && !w.Timer2.running());
        const unsigned restarts = w.Timer1.restarts();
        sql(QStringLiteral("DROP TRIGGER plurquiz_refuse"));
        w.click(QStringLiteral("Command4"));  // the learner tries again
        QCOMPARE(f.shown(w), 3);
        QCOMPARE(f.log().size(), 1);
        QCOMPARE(stored(), 11);
        QCOMPARE(f.platform.messages.size(), size_t(1));
        QCOMPARE(w.Timer1.running(), timed);  // the full delay again for the next sentence
        QCOMPARE(w.Timer2.running(), timed);
        if (timed) QCOMPARE(w.Timer1.restarts(), restarts + 1);
    }

    void anEmptyTableIsExplainedAtLoad() {
        TestFixture f(std::vector<TestRow>{});
        TestWindow& w = f.open();
        QCOMPARE(f.platform.messages.back().text, text::uiText(text::KeyTestNothingToTest, text::English));
        QVERIFY(!w.Command3.enabled);
    }

    // A failure shown as logged survives the process being killed at any moment of a run, the
    // file stays whole, and the failed items and the history agree.
    void aKilledRunLosesNoLoggedFailure_data() {
        QTest::addColumn<int>("after");
        for (int after : {1, 17, 18, 19, 150}) QTest::addRow("killed after %d answers", after) << after;
    }
    void aKilledRunLosesNoLoggedFailure() {
        QFETCH(int, after);
        QTemporaryDir dir;
        const QString path = makeDatabase(dir, rows(40));
        QProcess child;
        child.start(QStringLiteral(PLURQUIZ_BINARY_DIR "/tests/test_run_child"), {path});
        QVERIFY(child.waitForStarted());
        long logged = 0;
        while (logged < after) {
            if (!child.canReadLine() && !child.waitForReadyRead(10000)) QFAIL("the child stopped logging");
            while (child.canReadLine()) logged = child.readLine().trimmed().toLong();
        }
        child.kill();
        child.waitForFinished();
        while (child.canReadLine()) logged = qMax(logged, child.readLine().trimmed().toLong());
        store::Database db(path);
        QSqlQuery q(db.db());
        QVERIFY(q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("ok"));
        QVERIFY(q.exec(QStringLiteral("SELECT count(*) - 1 FROM hiba1")) && q.next());
        const qint64 failedItems = q.value(0).toLongLong();
        QVERIFY2(failedItems >= logged, qPrintable(QStringLiteral("%1 < %2").arg(failedItems).arg(logged)));
        // Every failed item has its answer in the history, and the run's count agrees: written
        // together, they were cut off together.
        QVERIFY(q.exec(QStringLiteral("SELECT (SELECT count(*) FROM test_answers WHERE correct = 0),"
                                      " (SELECT sum(presented) FROM test_runs)")) &&
                q.next());
        QCOMPARE(q.value(0).toLongLong(), failedItems);
        QCOMPARE(q.value(1).toLongLong(), failedItems);
    }

    // Every scored sentence goes into the history with its run, in each kind of run.
    void everyAnswerGoesIntoTheHistory_data() {
        QTest::addColumn<QString>("kind");
        QTest::addRow("counted, at random") << "random";
        QTest::addRow("open-ended, in order from a starting point") << "in order";
        QTest::addRow("timed: the timer moves on without an answer") << "timed";
    }
    void everyAnswerGoesIntoTheHistory() {
        QFETCH(QString, kind);
        TestFixture f;
        TestWindow& w = f.open();
        const QDateTime start = f.platform.clock;
        if (kind == QLatin1String("random")) w.click(QStringLiteral("mnuNúmeroItem"), 0);  // 20
        if (kind == QLatin1String("in order")) w.click(QStringLiteral("beg"), 0);          // from serial 2
        if (kind == QLatin1String("timed")) w.click(QStringLiteral("mnuTiempoItem"), 0);   // 10 s
        const int count = kind == QLatin1String("random") ? 20 : 5;
        QList<int> serials;
        for (int i = 0; i < count; ++i) serials << (i * 3) % 8 + 1;
        if (kind != QLatin1String("in order")) f.draws(serials);
        if (kind == QLatin1String("in order")) serials = {2, 3, 4, 5, 6};
        w.click(QStringLiteral("Command3"));
        for (int i = 0; i < count; ++i) {
            QCOMPARE(f.shown(w), serials[i]);
            f.platform.clock = f.platform.clock.addSecs(i + 1);  // the i-th answer takes i + 1 seconds
            const auto answer = i % 3 == 0   ? TestFixture::Right
                                : i % 3 == 1 ? TestFixture::Wrong
                                             : TestFixture::None;
            if (kind != QLatin1String("timed")) f.answer(w, answer);
            // An open-ended run ends with Evaluation on its last sentence.
            if (i == count - 1 && kind != QLatin1String("random"))
                w.click(QStringLiteral("Command5"));
            else if (kind == QLatin1String("timed"))
                w.timer(QStringLiteral("Timer1"));
            else
                w.click(kind == QLatin1String("in order") ? QStringLiteral("Command2")
                                                          : QStringLiteral("Command4"));
        }
        QVERIFY(w.Frame3D2.visible);
        QVERIFY(f.platform.messages.empty());

        store::Database db(f.ctx.g.DatabasePath);
        QSqlQuery q(db.db());
        QVERIFY(
            q.exec(QStringLiteral("SELECT started_at, ended_at IS NOT NULL, mode, run_length, delay_seconds, "
                                  "presented, correct FROM test_runs")) &&
            q.next());
        QCOMPARE(q.value(0).toString(), start.toUTC().toString(Qt::ISODate));
        QVERIFY(q.value(1).toBool());
        QCOMPARE(q.value(2).toInt(), kind == QLatin1String("in order") ? 1 : 0);
        QCOMPARE(q.value(3).toInt(), kind == QLatin1String("random") ? 20 : 0);
        QCOMPARE(q.value(4).toInt(), kind == QLatin1String("timed") ? 10 : 0);
        QCOMPARE(q.value(5).toInt(), f.ctx.g.SentenceCounter);
        QCOMPARE(q.value(6).toInt(), f.ctx.g.CorrectCount);
        QVERIFY(!q.next());  // one run
        QVERIFY(q.exec(
            QStringLiteral("SELECT position, serial, ifnull(chosen, '-'), right_letter, correct, seconds "
                           "FROM test_answers ORDER BY position")));
        const char* letters = "ABCD";
        for (int i = 0; i < count; ++i) {
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toInt(), i + 1);
            QCOMPARE(q.value(1).toInt(), serials[i]);
            const QString right = QString(QChar(letters[(serials[i] - 1) % 4]));
            QCOMPARE(q.value(3).toString(), right);
            const bool timed = kind == QLatin1String("timed");
            const QString chosen = timed || i % 3 == 2 ? QStringLiteral("-")
                                   : i % 3 == 0        ? right
                                                       : QString(QChar(letters[serials[i] % 4]));
            QCOMPARE(q.value(2).toString(), chosen);
            QCOMPARE(q.value(4).toInt(), !timed && i % 3 == 0 ? 1 : 0);
            QCOMPARE(q.value(5).toDouble(), double(i + 1));
        }
        QVERIFY(!q.next());
    }

    // The history refusing answers stops nothing: they are kept and written with the first write
    // the file takes again, the learner told once per run; what is never written is counted when
    // the window closes.
    void aRefusedHistoryWriteIsToldOnceAndTheAnswersAreKept() {
        TestFixture f;
        TestWindow& w = f.open();
        w.click(QStringLiteral("mnuNúmeroItem"), 0);
        QList<int> serials;
        for (int i = 0; i < 20; ++i) serials << i % 8 + 1;
        f.draws(serials);
        w.click(QStringLiteral("Command3"));
        auto sql = [&](const QString& statement) {
            store::Database db(f.ctx.g.DatabasePath);
            QSqlQuery q(db.db());
            QVERIFY(q.exec(statement));
        };
        sql(
            QStringLiteral("CREATE TRIGGER plurquiz_refuse BEFORE INSERT ON test_answers BEGIN "
                           "SELECT RAISE(ABORT, 'refused'); END"));
        for (int i = 0; i < 20; ++i) {
            QCOMPARE(f.shown(w), serials[i]);  // every Next moves on
            if (i == 15) sql(QStringLiteral("DROP TRIGGER plurquiz_refuse"));
            f.answer(w, i < 15 ? TestFixture::Right : TestFixture::Wrong);
            w.click(QStringLiteral("Command4"));
        }
        QCOMPARE(f.platform.messages.size(), size_t(1));
        const QString told = f.platform.messages[0].text;
        QVERIFY(
            told.startsWith(text::uiText(text::KeyHistoryWriteFailed, text::English).section(u':', 0, 0)));
        QVERIFY(told.contains(f.ctx.g.DatabasePath) && told.contains(QStringLiteral("refused")));
        QCOMPARE(f.platform.messages[0].caption, QStringLiteral("Test"));
        // The score and the failed-item log are as ever; every answer and the evaluation are in
        // the history.
        QCOMPARE(w.Label18.caption, QStringLiteral("15/20"));
        QCOMPARE(f.log().size(), 5);
        {
            store::Database db(f.ctx.g.DatabasePath);
            QSqlQuery q(db.db());
            QVERIFY(q.exec(QStringLiteral(
                        "SELECT presented, correct, (SELECT count(*) FROM test_answers) FROM test_runs")) &&
                    q.next());
            QCOMPARE(q.value(0).toInt() * 1000 + q.value(1).toInt() * 10 + q.value(2).toInt(), 20170);
        }

        // The next run is told again, once; closing the window counts what was never written.
        sql(
            QStringLiteral("CREATE TRIGGER plurquiz_refuse BEFORE INSERT ON test_answers BEGIN "
                           "SELECT RAISE(ABORT, 'refused'); END"));
        f.draws({1, 2, 3});
        w.click(QStringLiteral("Command3"));
        for (int i = 0; i < 2; ++i) {
            f.answer(w, TestFixture::Right);
            w.click(QStringLiteral("Command4"));
        }
        QCOMPARE(f.platform.messages.size(), size_t(2));
        w.click(QStringLiteral("Command6"));
        QCOMPARE(f.platform.messages.size(), size_t(3));
        const QString lost = f.platform.messages.back().text;
        QCOMPARE(lost.section(u'\n', 0, 0), text::uiText(text::KeyHistoryAnswersLost, text::English)
                                                .arg(QString(), QString())
                                                .arg(2)
                                                .section(u'\n', 0, 0));
        QVERIFY(lost.contains(f.ctx.g.DatabasePath) && lost.contains(QStringLiteral("refused")));
    }

    void aRunLeftBeforeItsEvaluationKeepsItsAnswers() {
        TestFixture f;
        TestWindow& w = f.open();
        f.draws({4, 5, 6});
        w.click(QStringLiteral("Command3"));
        w.click(QStringLiteral("Command4"));
        w.click(QStringLiteral("Command4"));
        w.click(QStringLiteral("Command6"));  // closed in the middle of the third sentence
        store::Database db(f.ctx.g.DatabasePath);
        QSqlQuery q(db.db());
        QVERIFY(q.exec(QStringLiteral("SELECT ended_at IS NULL, presented, (SELECT group_concat(serial) FROM "
                                      "test_answers) FROM test_runs")) &&
                q.next());
        QVERIFY(q.value(0).toBool());
        QCOMPARE(q.value(1).toInt(), 2);
        QCOMPARE(q.value(2).toString(), QStringLiteral("4,5"));
    }

    void closeUnloadsTheReviewAndClearsTheSettings() {
        TestFixture f;
        TestWindow& w = f.open();
        w.click(QStringLiteral("mnuNúmeroItem"), 1);
        w.click(QStringLiteral("Command6"));
        QVERIFY(!f.windows.isLoaded(app::kTest));
        QVERIFY(!f.windows.isLoaded(app::kReview));
        QVERIFY(f.windows.isVisible(app::kLauncher));
        QCOMPARE(f.ctx.g.RunLength, 0);
    }
};

QTEST_GUILESS_MAIN(TestWindowTest)
#include "test_test_window.moc"
