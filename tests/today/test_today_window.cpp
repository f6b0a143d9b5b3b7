// The Today window over a small database and a moved clock: the day's queue, what each answer
// writes (the answer log and the memory, never the failed-item log), the solution making an
// answer count as forgotten, the line of what is left, the end of the session, the settings and
// the launcher's count.
#include <QtTest>

#include "app/launcher.h"
#include "app_fixture.h"
#include "memory/memory_store.h"
#include "test_database.h"
#include "text/ui_text.h"
#include "today/today_window.h"

using today::TodayWindow;

namespace {

// Serial, sorrend2, level, kulcs1: new ones go level 1 (topic '1' before '2'), then level 2.
const std::vector<TestRow> kRows = {
    {1, 40, 2, "1"}, {2, 30, 1, "2"}, {3, 20, 1, "1"}, {4, 10, 1, "1"}, {5, 50, 3, "1"},
};

struct TodayFixture : AppFixture {
    TodayFixture() {
        makeDatabase(dir, kRows);
        ctx.g.LangBase = text::English;
        ctx.g.DatabasePath = dir.filePath(QStringLiteral("st_data.sqlite"));
        platform.clock = QDateTime(QDate(2026, 12, 8), QTime(9, 0));
    }
    TodayWindow& open() { return *dynamic_cast<TodayWindow*>(windows.show(app::kToday)); }
    void reopen() {
        windows.unload(app::kToday);
        open();
    }
    int rows(const QString& sql) {
        store::Database db(ctx.g.DatabasePath);
        QSqlQuery q(db.db());
        return q.exec(sql) && q.next() ? q.value(0).toInt() : -1;
    }
};

}  // namespace

class TodayWindowTest : public QObject {
    Q_OBJECT
private slots:
    // A first day: new sentences in level and topic order; answers by key, one of them after the
    // solution; what the file then holds; the next day brings the wrong ones back first.
    void aDayOfAnswersAndTheNextDay() {
        TodayFixture f;
        TodayWindow& w = f.open();
        QCOMPARE(w.queuedSerials(), (std::vector<int>{4, 3, 2, 1, 5}));
        QCOMPARE(w.lblLeft.caption, QStringLiteral("0 due · 5 new · 0 done"));
        QCOMPARE(w.caption, QStringLiteral("Plurquiz Español  ----  Today"));

        auto press = [&](QChar key) { w.keyPress(key); };
        press(u'a');  // 4: right (A)
        QVERIFY(w.Label19.visible && !w.Label20.visible);
        QCOMPARE(w.lblLeft.caption, QStringLiteral("0 due · 4 new · 1 done"));
        press(u'b');  // a second try is shown, not counted
        w.click(QStringLiteral("Command2"));
        press(u'b');  // 3: wrong
        w.click(QStringLiteral("Command2"));
        w.click(QStringLiteral("Command1"));  // 2: the solution first, then right
        press(u'a');
        for (int i = 0; i < 3; ++i)
            w.click(QStringLiteral("Command2"));  // 1 and 5 passed over: they come round again
        QCOMPARE(w.queuedSerials(), (std::vector<int>{1, 5}));
        press(u'a');
        w.click(QStringLiteral("Command2"));
        press(u'b');
        w.click(QStringLiteral("Command2"));
        QVERIFY(w.lblEnd.visible && !w.Frame3D1.visible);
        QVERIFY(w.lblEnd.caption.contains(QStringLiteral("Next: ")));

        QCOMPARE(f.rows(QStringLiteral("SELECT count(*) FROM answer_log WHERE source = 3")), 5);
        QCOMPARE(f.rows(QStringLiteral(
                     "SELECT group_concat(grade, '') FROM (SELECT grade FROM answer_log ORDER BY id)")),
                 31131);
        QCOMPARE(f.rows(QStringLiteral("SELECT count(*) FROM memory_states")), 5);
        QCOMPARE(f.rows(QStringLiteral("SELECT count(*) FROM hiba1")), 1);  // its placeholder row only

        // Reopened the same day: the sentences answered are not offered again.
        f.reopen();
        TodayWindow& again = *dynamic_cast<TodayWindow*>(f.windows.find(app::kToday));
        QVERIFY(again.queuedSerials().empty() && again.lblEnd.visible);
        QCOMPARE(again.lblLeft.caption, QStringLiteral("0 due · 0 new · 5 done"));

        // The next day: the three forgotten ones (one answered after its solution) are due.
        f.platform.clock = f.platform.clock.addDays(1);
        f.reopen();
        TodayWindow& next = *dynamic_cast<TodayWindow*>(f.windows.find(app::kToday));
        QCOMPARE(next.queuedSerials(), (std::vector<int>{2, 3, 5}));
        QCOMPARE(next.lblLeft.caption, QStringLiteral("3 due · 0 new · 0 done"));
        f.windows.unload(app::kToday);
        auto& launcher = dynamic_cast<app::Launcher&>(f.startInLanguage("Command1"));
        QCOMPARE(launcher.lblToday.caption, QStringLiteral("3 sentences to review today"));
    }

    // A written answer in Today: its grade, what the log keeps, the letter it counts as.
    void writtenAnswersAreGraded_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("logged");  // grade, verdict, letter
        QTest::newRow("right") << "uno"
                               << "3 0 A";
        QTest::newRow("a capital letter: almost, Hard") << " Uno "
                                                        << "2 1 0";
        QTest::newRow("another option") << "dos"
                                        << "1 2 B";
        QTest::newRow("nothing typed") << ""
                                       << "1 2 0";
    }
    void writtenAnswersAreGraded() {
        QFETCH(QString, typed);
        QFETCH(QString, logged);
        TodayFixture f;
        TodayWindow& w = f.open();
        w.click(QStringLiteral("mnuWrite"));
        QVERIFY(w.written.box.visible && !w.Frame3D1.visible && w.written.check.isDefault);
        w.written.box.caption = typed;
        w.click(QStringLiteral("cmdCheck"));
        QCOMPARE(w.written.verdict.visible, true);
        store::Database db(f.ctx.g.DatabasePath);
        QSqlQuery q(db.db());
        q.exec(QStringLiteral("SELECT grade || ' ' || verdict FROM answer_log"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString() + QLatin1Char(' ') + w.Label9.caption, logged);
    }

    // The settings: new sentences a day (a bad entry refused), their level, the retention; kept in
    // the file and applied to the queue at once.
    void settingsShapeTheQueue() {
        TodayFixture f;
        TodayWindow& w = f.open();
        f.platform.inputAnswers = {QStringLiteral("x"), QStringLiteral("2")};
        w.click(QStringLiteral("mnuNewPerDay"));
        QCOMPARE(f.platform.messages.back().text, text::uiText(text::KeyTodayNewInvalid, text::English));
        w.click(QStringLiteral("mnuNewPerDay"));
        QCOMPARE(w.queuedSerials(), (std::vector<int>{4, 3}));
        w.click(QStringLiteral("mnuNewLevelItem"), 1);
        QCOMPARE(w.queuedSerials(), (std::vector<int>{1}));
        QVERIFY(w.mnuNewLevelItem[1].checked && !w.mnuNewLevelItem[3].checked);
        w.click(QStringLiteral("mnuRetentionItem"), 3);
        store::Database db(f.ctx.g.DatabasePath);
        const memory::MemorySettings s = memory::loadSettings(db.db());
        QCOMPARE(s.newPerDay, 2);
        QCOMPARE(s.newLevel, 2);
        QCOMPARE(s.retention, 0.95);
    }
};

QTEST_GUILESS_MAIN(TodayWindowTest)
#include "test_today_window.moc"
