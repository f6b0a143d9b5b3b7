// The practice window over a small fixed database: answering and its panels, the keys, Start in
// both modes, the end-of-selection restart, First/Previous/Next/Last and the position, starting
// points, the level and topic menus with their check marks and empty results, the random draw.
#include <QtTest>

#include "app_fixture.h"
#include "practice/practice_window.h"
#include "test_database.h"
#include "text/ui_text.h"

using practice::PracticeWindow;

namespace {

// Serial, sorrend2, level, kulcs1, kulcs2, right letter. In sorrend2 order: 3, 1, 4, 2, 5, 6.
const std::vector<TestRow> kRows = {
    {1, 900, 1, "1", "1", "A"},  {2, 1500, 2, "1", "2", "B"}, {3, 300, 1, "2", "0", "C"},
    {4, 1200, 2, "a", "1", "D"}, {5, 2800, 1, "3", "9", "a"}, {6, 2900, 2, "1", "9", "A"},
};

struct PracticeFixture : AppFixture {
    PracticeFixture(const std::vector<TestRow>& rows = kRows) {
        makeDatabase(dir, rows);
        ctx.g.LangBase = text::English;
        ctx.g.DatabasePath = dir.filePath(QStringLiteral("st_data.sqlite"));
    }
    PracticeWindow& open() { return *dynamic_cast<PracticeWindow*>(windows.show(app::kPractice)); }
    int shown(PracticeWindow& w) { return w.Label26.caption.toInt(); }
};

QString lastMessage(const FakePlatform& p) {
    return p.messages.empty() ? QString() : p.messages.back().text;
}

}  // namespace

class PracticeWindowTest : public QObject {
    Q_OBJECT
private slots:
    void beforeStartOnlyStartAndCloseShow() {
        PracticeFixture f;
        PracticeWindow& w = f.open();
        QVERIFY(w.Command3.visible && w.Command6.visible);
        for (forms::Control* c : {&w.Command1, &w.Command2, &w.Command10, &w.Label13, &w.Frame3D1})
            QVERIFY2(!c->visible, qPrintable(c->name));
        QCOMPARE(w.caption, QStringLiteral("Plurquiz Español  ----  Practice"));
        QCOMPARE(w.PracticeMode, 0);
    }

    void randomStartShowsTheFirstOfTheSortedSelection() {
        PracticeFixture f;
        PracticeWindow& w = f.open();
        w.click(QStringLiteral("Command3"));
        QCOMPARE(f.shown(w), 3);
        QCOMPARE(w.Label13.caption, QStringLiteral(" Sentence 3 ..."));
        QVERIFY(w.Command10.visible && !w.Command2.visible);
        QVERIFY(!w.Command5.visible && !w.Label23.visible);
        QVERIFY(!w.mnustart.enabled);
        QCOMPARE(f.ctx.g.SentenceCounter, 1);
    }

    // Choosing an answer, by mouse or key: which panel shows.
    void answersLightTheRightPanel_data() {
        QTest::addColumn<QList<int>>("serialsToReach");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("green");
        QTest::addColumn<bool>("red");
        QTest::addRow("right letter") << QList<int>{3} << "c" << true << false;
        QTest::addRow("wrong letter") << QList<int>{3} << "a" << false << true;
        QTest::addRow("wrong, then right switches the panels") << QList<int>{3} << "ac" << true << false;
        QTest::addRow("right, then wrong") << QList<int>{3} << "cd" << false << true;
        QTest::addRow("upper case does nothing") << QList<int>{3} << "C" << false << false;
        QTest::addRow("a lower-case right letter never matches") << QList<int>{5} << "a" << false << true;
    }
    void answersLightTheRightPanel() {
        QFETCH(QList<int>, serialsToReach);
        QFETCH(QString, keys);
        QFETCH(bool, green);
        QFETCH(bool, red);
        PracticeFixture f;
        PracticeWindow& w = f.open();
        w.click(QStringLiteral("mnuNivelItem"), 3);  // every level, in order
        w.click(QStringLiteral("Command3"));
        while (f.shown(w) != serialsToReach.front()) w.click(QStringLiteral("Command8"));
        for (QChar k : keys) {
            const QChar passed = w.keyPress(k);
            QCOMPARE(passed.isNull(), k >= u'a' && k <= u'd');
        }
        QCOMPARE(w.Label19.visible, green);
        QCOMPARE(w.Label20.visible, red);
    }

    void solutionShowsTheAnswerAndNextHidesIt() {
        PracticeFixture f;
        PracticeWindow& w = f.open();
        w.click(QStringLiteral("mnuNivelItem"), 3);
        w.click(QStringLiteral("Command3"));
        w.click(QStringLiteral("Option3D2"));  // A, wrong for serial 3
        w.click(QStringLiteral("Command1"));
        QVERIFY(w.Label20.visible && w.Label17.visible && w.Label18.visible);
        QCOMPARE(w.Label17.caption, QStringLiteral(" Solution 3"));
        QCOMPARE(w.Label18.caption, QStringLiteral("C"));
        QCOMPARE(w.focusRequest, QStringLiteral("Command2"));
        w.click(QStringLiteral("Command2"));
        for (forms::Control* c : {&w.Label17, &w.Label18, &w.Label19, &w.Label20}) QVERIFY(!c->visible);
        QVERIFY(w.Option3D1.checked && !w.Option3D2.checked);
        QCOMPARE(f.shown(w), 1);
    }

    void sequentialNextRestartsAfterTheLastRecord() {
        PracticeFixture f;
        PracticeWindow& w = f.open();
        w.click(QStringLiteral("mnuNivelItem"), 0);  // level 1: serials 3, 1, 5
        w.click(QStringLiteral("Command3"));
        QVERIFY(w.Command2.isDefault);
        w.click(QStringLiteral("Command2"));
        w.click(QStringLiteral("Command2"));
        QCOMPARE(f.shown(w), 5);
        QCOMPARE(f.ctx.g.SentenceCounter, 3);
        QCOMPARE(w.Label30.caption, QStringLiteral("3"));
        w.click(QStringLiteral("Command2"));
        QCOMPARE(lastMessage(f.platform), text::uiText(80, text::English));
        QCOMPARE(f.platform.messages.back().caption, QStringLiteral("Practice"));
        QCOMPARE(f.platform.messages.back().icon, forms::MsgIcon::Critical);
        QCOMPARE(f.shown(w), 3);
        QCOMPARE(f.ctx.g.SentenceCounter, 3);  // the restart is not a new sentence
        QCOMPARE(w.Label30.caption + "/" + w.Label31.caption, QStringLiteral("1/3"));
    }

    void navigationKeepsThePositionRule() {
        PracticeFixture f;
        PracticeWindow& w = f.open();
        w.click(QStringLiteral("mnuNivelItem"), 0);  // 3, 1, 5
        w.click(QStringLiteral("Command3"));
        auto at = [&] { return QStringLiteral("%1@%2").arg(f.shown(w)).arg(w.Label30.caption); };
        w.click(QStringLiteral("Command7"));  // before the first
        QCOMPARE(lastMessage(f.platform), text::uiText(78, text::English));
        QCOMPARE(at(), QStringLiteral("3@1"));
        w.click(QStringLiteral("Command8"));
        QCOMPARE(at(), QStringLiteral("3@1"));
        w.click(QStringLiteral("Command8"));
        QCOMPARE(at(), QStringLiteral("1@2"));
        w.click(QStringLiteral("Command9"));
        QCOMPARE(at(), QStringLiteral("5@3"));
        const size_t messages = f.platform.messages.size();
        w.click(QStringLiteral("Command8"));  // after the last
        QCOMPARE(lastMessage(f.platform), text::uiText(77, text::English));
        QCOMPARE(f.platform.messages.size(), messages + 1);
        QCOMPARE(at(), QStringLiteral("5@3"));
        w.click(QStringLiteral("Command7"));
        QCOMPARE(at(), QStringLiteral("5@3"));
        w.click(QStringLiteral("Command5"));
        QCOMPARE(at(), QStringLiteral("3@1"));
        QCOMPARE(f.ctx.g.SentenceCounter, 1);  // navigation never counts
    }

    void startingPointsSearchForwardFromTheCurrentRecord() {
        PracticeFixture f;
        PracticeWindow& w = f.open();
        w.click(QStringLiteral("beg"), 4);  // sorrend2 > 1120: serial 4 (1200)
        QCOMPARE(w.PracticeMode, 1);
        QCOMPARE(w.StartFilter, QStringLiteral("sorrend2 > 1120"));
        QCOMPARE(f.shown(w), 4);
        QVERIFY(!w.Label30.visible && !w.Label31.visible);
        w.click(QStringLiteral("beg"), 0);  // only the next record
        QCOMPARE(f.shown(w), 2);
        w.click(QStringLiteral("beg"), 10);  // sorrend2 > 2750: serial 5
        QCOMPARE(f.shown(w), 5);
        w.click(QStringLiteral("beg"), 10);
        QCOMPARE(f.shown(w), 6);
        w.click(QStringLiteral("beg"), 10);  // nothing further: stays
        QCOMPARE(f.shown(w), 6);
        w.click(QStringLiteral("Command3"));
        QVERIFY(w.Command2.visible && w.Command5.visible && !w.Command10.visible);
    }

    void theFirstStartingPointShowsTheSecondRecord() {
        PracticeFixture f;
        PracticeWindow& w = f.open();
        w.click(QStringLiteral("beg"), 0);
        QCOMPARE(f.shown(w), 1);
    }

    void levelAndTopicMenusKeepTheirOwnCheckMarks() {
        PracticeFixture f;
        PracticeWindow& w = f.open();
        QVERIFY(w.mnuNivelItem[0].checked && w.mnuTopicItem[0].checked);
        w.click(QStringLiteral("mnuNivelItem"), 1);
        QVERIFY(w.mnuNivelItem[1].checked && !w.mnuNivelItem[0].checked);
        QCOMPARE(w.Label27.caption, QStringLiteral("2"));
        w.click(QStringLiteral("mnuNivelItem"), 3);
        for (int i = 0; i < 4; ++i) QVERIFY(!w.mnuNivelItem[i].checked);
        QCOMPARE(w.Label27.caption, QStringLiteral("1-3"));
        QCOMPARE(w.Selection->recordCount(), 6);
        w.click(QStringLiteral("mnuTopicItem"), 17);
        w.click(QStringLiteral("mnuTopicItem"), 8);
        for (int i = 0; i < 18; ++i) QCOMPARE(w.mnuTopicItem[i].checked, i == 8);
        QCOMPARE(w.Label21.caption, QStringLiteral("&Nouns"));
        QVERIFY(w.Label21.visible && !w.Label27.visible);
        QCOMPARE(f.shown(w), 3);
        QCOMPARE(w.Label31.caption, QStringLiteral("1"));
    }

    void theVerbsTopicTakesEverySubtopic() {
        PracticeFixture f;
        PracticeWindow& w = f.open();
        w.click(QStringLiteral("mnuTopicItem"), 0);
        QCOMPARE(w.Selection->recordCount(), 3);  // 1, 2 and 6 (kulcs2 '9')
    }

    void emptyChoicesSayWhy_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("key");
        QTest::addRow("a topic without sentences") << "mnuTopicItem" << 12 << 82;
        QTest::addRow("a level without sentences") << "mnuNivelItem" << 2 << int(text::KeyEmptyLevel);
    }
    void emptyChoicesSayWhy() {
        QFETCH(QString, menu);
        QFETCH(int, item);
        QFETCH(int, key);
        PracticeFixture f;
        PracticeWindow& w = f.open();
        w.click(QStringLiteral("Command3"));
        w.click(menu, item);
        QCOMPARE(lastMessage(f.platform), text::uiText(key, text::English));
        QCOMPARE(f.platform.messages.back().caption, QStringLiteral("Practice"));
        QVERIFY(!w.Label19.visible && !w.Label20.visible);
        QCOMPARE(w.Selection->recordCount(), 0);
        QVERIFY(w.c(menu, item).checked);
        // Nothing to step through: the buttons do nothing and say nothing.
        const size_t messages = f.platform.messages.size();
        for (const char* b : {"Command2", "Command5", "Command7", "Command8", "Command9"})
            w.click(QString::fromLatin1(b));
        QCOMPARE(f.platform.messages.size(), messages);
    }

    void aTopicAfterARandomStartShowsOnlyTheSequentialNext() {
        PracticeFixture f;
        PracticeWindow& w = f.open();
        w.click(QStringLiteral("Command3"));
        w.click(QStringLiteral("Option3D2"));
        w.click(QStringLiteral("Command1"));
        w.click(QStringLiteral("mnuTopicItem"), 15);  // comparison: none
        w.click(QStringLiteral("mnuTopicItem"), 17);  // word order: serial 4
        QVERIFY(w.Command2.visible && !w.Command10.visible && !w.Command5.visible);
        QCOMPARE(f.shown(w), 4);
        for (forms::Control* c : {&w.Label17, &w.Label18, &w.Label19, &w.Label20}) QVERIFY(!c->visible);
    }

    void theLevelShortcutLoadsTheSpecialGroup() {
        PracticeFixture f;
        PracticeWindow& w = f.open();
        w.click(QStringLiteral("mnuNivelItem"), 1);
        w.click(QStringLiteral("Label28"));
        QCOMPARE(w.Selection->recordCount(), 2);
        QCOMPARE(f.shown(w), 5);
    }

    void anEmptySpecialGroupKeepsTheSelection() {
        PracticeFixture f({{1, 100}, {2, 200}});
        PracticeWindow& w = f.open();
        w.click(QStringLiteral("mnuNivelItem"), 0);
        w.click(QStringLiteral("Label28"));
        QCOMPARE(lastMessage(f.platform), text::uiText(text::KeyEmptySpecialGroup, text::English));
        QCOMPARE(w.Selection->recordCount(), 2);
    }

    void randomNextDrawsBySerialNumber() {
        PracticeFixture f({{1, 10}, {2, 20}, {5, 30}});
        PracticeWindow& w = f.open();
        w.click(QStringLiteral("Command3"));
        w.click(QStringLiteral("Option3D3"));
        w.click(QStringLiteral("Command10"));
        QVERIFY(w.Option3D1.checked);
        QVERIFY(!w.Label19.visible && !w.Label20.visible);
        QCOMPARE(w.LargestSerial, 5);
        QCOMPARE(f.ctx.g.SentenceCounter, 2);
        // Every existing serial equally often (fixed seed), never a missing one.
        QMap<int, int> drawn;
        for (int i = 0; i < 3000; ++i) {
            w.click(QStringLiteral("Command10"));
            ++drawn[f.shown(w)];
        }
        QCOMPARE(drawn.keys(), (QList<int>{1, 2, 5}));
        for (int n : drawn) QVERIFY2(qAbs(n - 1000) < 100, qPrintable(QString::number(n)));
    }

    void anEmptyTableIsExplainedAtLoad() {
        PracticeFixture f(std::vector<TestRow>{});
        PracticeWindow& w = f.open();
        QCOMPARE(lastMessage(f.platform), text::uiText(text::KeyPracticeNothingToPractise, text::English));
        QVERIFY(!w.Command3.enabled);
        w.click(QStringLiteral("Command6"));
        QVERIFY(f.windows.isVisible(app::kLauncher));
    }

    void anUnreadableFileIsExplainedAtLoad() {
        PracticeFixture f;
        QFile::remove(f.ctx.g.DatabasePath);
        PracticeWindow& w = f.open();
        QVERIFY(lastMessage(f.platform).contains(f.ctx.g.DatabasePath));
        QVERIFY(!w.Command3.enabled);
    }
};

QTEST_GUILESS_MAIN(PracticeWindowTest)
#include "test_practice_window.moc"
