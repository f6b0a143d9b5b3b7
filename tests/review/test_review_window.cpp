// The review window over a small log of failed items: Start, Next to the end and Restart, the top
// row's moves, answering again, the solution, and closing, which empties exactly the rows offered,
// all or nothing, also when the file refuses or the process dies part-way.
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include "app_fixture.h"
#include "review/review_window.h"
#include "test_database.h"
#include "text/ui_text.h"

using review::ReviewWindow;

namespace {

// Item i: "Sentence i ...", candidates "a i" to "d i", guessed "B", right letter "C"; item 3's
// right letter is stored in lower case.
struct ReviewFixture : AppFixture {
    explicit ReviewFixture(int items = 3) {
        ctx.g.DatabasePath = makeDatabase(dir, {{1, 100}});
        ctx.g.LangBase = text::English;
        addItems(1, items);
    }
    // Through a connection of its own, as a test run stores them.
    void addItems(int first, int last) {
        store::Database db(ctx.g.DatabasePath);
        store::Database::Transaction t(db);
        QSqlQuery q(db.db());
        q.prepare(QStringLiteral("INSERT INTO hiba1 VALUES ('B', ?, ?, ?, ?, ?, ?, ?)"));
        for (int i = first; i <= last; ++i) {
            q.addBindValue(QStringLiteral("Sentence %1 ...").arg(i));
            for (const char* letter : {"a", "b", "c", "d"})
                q.addBindValue(QStringLiteral("%1 %2").arg(letter).arg(i));
            q.addBindValue(QStringLiteral("Solution %1").arg(i));
            q.addBindValue(i == 3 ? QStringLiteral("c") : QStringLiteral("C"));
            QVERIFY(q.exec());
        }
        t.commit();
    }
    // The log's sentences as a fresh connection reads them, the placeholder's "-" first.
    QStringList log() const {
        store::Database db(ctx.g.DatabasePath);
        QSqlQuery q(db.db());
        q.exec(QStringLiteral("SELECT mondat FROM hiba1 ORDER BY rowid"));
        QStringList out;
        while (q.next()) out << q.value(0).toString();
        return out;
    }
    ReviewWindow& open() { return *dynamic_cast<ReviewWindow*>(windows.show(app::kReview)); }
};

QString position(const ReviewWindow& w) {
    return w.Label30.caption + QLatin1Char('/') + w.Label31.caption;
}

QStringList shownControls(const ReviewWindow& w) {
    QStringList out;
    for (const auto& c : w.controls())
        if (c->visible && (c->kind == forms::ControlKind::Label || c->kind == forms::ControlKind::Button))
            out << c->name;
    return out;
}

}  // namespace

class ReviewWindowTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnTopAndStartsOnTheFirstItem() {
        ReviewFixture f;
        f.ctx.g.LangBase = text::Hungarian;
        ReviewWindow& w = f.open();
        QCOMPARE(shownControls(w), (QStringList{"Command1", "Command6"}));
        QCOMPARE(w.caption, QStringLiteral("Plurquiz Español  ----  Téves válaszok"));
        QCOMPARE(w.TitleWord, text::uiText(66, text::Hungarian));
        // Topmost, but the OnTop item without its mark: its first use only sets the mark.
        QVERIFY(f.platform.topmost.at(app::kReview) && !w.mnuOnTop.checked);
        w.click(QStringLiteral("mnuOnTop"));
        w.click(QStringLiteral("mnuOnTop"));
        QCOMPARE(f.platform.topmostCalls, (QStringList{"Hibatst:on", "Hibatst:on", "Hibatst:off"}));

        w.click(QStringLiteral("Command1"));
        QCOMPARE(position(w), QStringLiteral("1/3"));
        QCOMPARE(f.ctx.g.StepCounter, 1);
        QCOMPARE(w.Label22.caption, QStringLiteral("1"));
        QCOMPARE(w.Label13.caption, QStringLiteral("Sentence 1 ..."));
        QCOMPARE(w.Label15.caption, QStringLiteral("c 1"));
        QCOMPARE(w.Label23.caption, QStringLiteral("B"));
        QVERIFY(w.Command2.isDefault && w.Option3D5.checked && w.Frame3D1.visible);
        QCOMPARE(w.focusRequest, QStringLiteral("Command2"));
        for (const char* hidden :
             {"Command1", "Label17", "Label18", "Label19", "Label20", "Label9", "Label10"})
            QVERIFY2(!shownControls(w).contains(QLatin1String(hidden)), hidden);
        // Whatever shows can be named by a screen reader.
        w.keyPress(u'a');
        w.click(QStringLiteral("Command8"));
        for (const auto& c : w.controls())
            if (c->visible && c->kind != forms::ControlKind::Frame)
                QVERIFY2(!c->caption.isEmpty() || !c->spokenName.isEmpty(), qPrintable(c->key()));
    }

    void nextGoesToTheEndOfTheListAndRestarts() {
        ReviewFixture f;
        ReviewWindow& w = f.open();
        w.click(QStringLiteral("Command1"));
        w.click(QStringLiteral("Command4"));
        w.click(QStringLiteral("Command4"));
        QCOMPARE(position(w), QStringLiteral("3/3"));
        QCOMPARE(f.ctx.g.StepCounter, 3);
        QCOMPARE(w.Label13.caption, QStringLiteral("Sentence 3 ..."));
        QVERIFY(f.platform.messages.empty());
        w.click(QStringLiteral("Command4"));
        QCOMPARE(f.platform.messages.size(), size_t(1));
        QCOMPARE(f.platform.messages[0].text, QStringLiteral("You have reached the last item."));
        QCOMPARE(f.platform.messages[0].caption, QStringLiteral("Failed items"));
        QCOMPARE(f.platform.messages[0].icon, forms::MsgIcon::Information);
        // The whole list has been gone through: n / n stays up beside Restart and Close.
        QCOMPARE(shownControls(w), (QStringList{"Label30", "Label32", "Label31", "Command1", "Command6"}));
        QCOMPARE(position(w), QStringLiteral("3/3"));
        QCOMPARE(w.Command1.caption, QStringLiteral("Re&start"));
        QVERIFY(!w.Command2.isDefault && !w.Frame3D1.visible);
        w.click(QStringLiteral("Command1"));
        QCOMPARE(position(w), QStringLiteral("1/3"));
        QCOMPARE(f.ctx.g.StepCounter, 1);
        QCOMPARE(w.Label13.caption, QStringLiteral("Sentence 1 ..."));
    }

    // A wrong answer is showing before the last click: a move clears it, a refused move does not.
    void topRowMovesWithoutCounting_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("at");
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("moved");
        QTest::addRow("First after two Next")
            << QStringList{"Command4", "Command4", "Command2"} << "1/3" << 3 << true;
        QTest::addRow("Previous") << QStringList{"Command4", "Command3"} << "1/3" << 2 << true;
        QTest::addRow("Previous on the first item") << QStringList{"Command3"} << "1/3" << 1 << false;
        QTest::addRow("top Next") << QStringList{"Command5"} << "2/3" << 1 << true;
        QTest::addRow("top Next on the last item")
            << QStringList{"Command7", "Command5"} << "3/3" << 1 << false;
        QTest::addRow("Last") << QStringList{"Command7"} << "3/3" << 1 << true;
    }
    void topRowMovesWithoutCounting() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, at);
        QFETCH(int, steps);
        QFETCH(bool, moved);
        ReviewFixture f;
        ReviewWindow& w = f.open();
        w.click(QStringLiteral("Command1"));
        for (int i = 0; i + 1 < clicks.size(); ++i) w.click(clicks[i]);
        w.keyPress(u'a');
        w.focusRequest.clear();
        w.click(clicks.back());
        QCOMPARE(position(w), at);
        QCOMPARE(w.Label13.caption, QStringLiteral("Sentence %1 ...").arg(at.front()));
        QCOMPARE(f.ctx.g.StepCounter, steps);
        QCOMPARE(w.Label18.visible, !moved);
        QCOMPARE(w.Option3D5.checked, moved);
        QCOMPARE(w.focusRequest, moved ? QStringLiteral("Command2") : QString());
    }

    void answeringAgainWritesNothing_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("green");
        QTest::addColumn<bool>("red");
        QTest::addRow("right letter") << 1 << "c" << true << false;
        QTest::addRow("wrong letter") << 1 << "a" << false << true;
        QTest::addRow("wrong, then right") << 1 << "ac" << true << false;
        QTest::addRow("right, then wrong") << 1 << "cd" << false << true;
        QTest::addRow("upper case does nothing") << 1 << "C" << false << false;
        QTest::addRow("a lower-case right letter never matches") << 3 << "c" << false << true;
        QTest::addRow("by mouse") << 1 << "#3" << true << false;
    }
    void answeringAgainWritesNothing() {
        QFETCH(int, item);
        QFETCH(QString, keys);
        QFETCH(bool, green);
        QFETCH(bool, red);
        ReviewFixture f;
        ReviewWindow& w = f.open();
        w.click(QStringLiteral("Command1"));
        if (item == 3) w.click(QStringLiteral("Command7"));
        const QByteArray before = fileBytes(f.ctx.g.DatabasePath);
        if (keys.startsWith(u'#'))
            w.click(QStringLiteral("Option3D") + keys.mid(1));
        else
            for (QChar k : keys) QCOMPARE(w.keyPress(k).isNull(), k >= u'a' && k <= u'd');
        QCOMPARE(w.Label17.visible, green);
        QCOMPARE(w.Label18.visible, red);
        QVERIFY(!w.Label9.visible && !w.Label10.visible);
        QCOMPARE(fileBytes(f.ctx.g.DatabasePath), before);
    }

    void theSolutionStaysUntilNext() {
        ReviewFixture f;
        ReviewWindow& w = f.open();
        w.click(QStringLiteral("Command1"));
        w.click(QStringLiteral("Command8"));
        QCOMPARE(w.Label19.caption + " " + w.Label20.caption, QStringLiteral("C Solution 1"));
        QCOMPARE(w.focusRequest, QStringLiteral("Command2"));
        for (const char* move : {"Command5", "Command7", "Command3", "Command2"}) {
            w.click(QString::fromLatin1(move));
            QVERIFY2(w.Label19.visible && w.Label20.visible, move);
        }
        QCOMPARE(w.Label20.caption, QStringLiteral("Solution 1"));
        w.click(QStringLiteral("Command4"));
        QVERIFY(!w.Label19.visible && !w.Label20.visible);
    }

    void closingEmptiesTheLog_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("started");
        QTest::addColumn<bool>("testWindow");
        QTest::addRow("Close after Start, test window open") << "Close" << true << true;
        QTest::addRow("Close, never started") << "Close" << false << false;
        QTest::addRow("close box after Start") << "box" << true << true;
        QTest::addRow("unloaded by another window") << "unload" << false << true;
    }
    void closingEmptiesTheLog() {
        QFETCH(QString, how);
        QFETCH(bool, started);
        QFETCH(bool, testWindow);
        ReviewFixture f;
        if (testWindow) f.windows.show(app::kTest);
        ReviewWindow& w = f.open();
        if (started) w.click(QStringLiteral("Command1"));
        f.platform.topmostCalls.clear();
        if (how == QLatin1String("Close"))
            w.click(QStringLiteral("Command6"));
        else if (how == QLatin1String("box"))
            w.closeBox();
        else
            f.windows.unload(app::kReview);
        QVERIFY(!f.windows.isLoaded(app::kReview));
        QCOMPARE(f.log(), QStringList{"-"});
        QVERIFY(f.platform.messages.empty());
        // Only Close puts the test window back on top, and only when it is there.
        QCOMPARE(f.platform.topmostCalls.contains(QStringLiteral("Sptest:on")),
                 how == QLatin1String("Close") && testWindow);
    }

    // Rows a test stores while the review is open are deleted only once a Start has offered them.
    void rowsStoredMeanwhileWaitForTheNextReview_data() {
        QTest::addColumn<QString>("moment");
        QTest::addColumn<int>("kept");
        QTest::addRow("after opening, never started") << "open" << 2;
        QTest::addRow("before Start") << "before Start" << 0;
        QTest::addRow("after Start") << "after Start" << 2;
    }
    void rowsStoredMeanwhileWaitForTheNextReview() {
        QFETCH(QString, moment);
        QFETCH(int, kept);
        ReviewFixture f;
        ReviewWindow& w = f.open();
        if (moment != QLatin1String("after Start")) f.addItems(4, 5);
        if (moment != QLatin1String("open")) w.click(QStringLiteral("Command1"));
        if (moment == QLatin1String("after Start")) f.addItems(4, 5);
        if (moment == QLatin1String("before Start")) QCOMPARE(position(w), QStringLiteral("1/5"));
        w.click(QStringLiteral("Command6"));
        QCOMPARE(f.log().size(), 1 + kept);
        if (kept) QCOMPARE(f.log().last(), QStringLiteral("Sentence 5 ..."));
    }

    void anEmptyLogIsSaidAtStart_data() {
        QTest::addColumn<bool>("placeholder");
        QTest::addRow("the placeholder alone") << true;
        QTest::addRow("not even the placeholder") << false;
    }
    void anEmptyLogIsSaidAtStart() {
        QFETCH(bool, placeholder);
        ReviewFixture f(0);
        if (!placeholder) QSqlQuery(store::Database(f.ctx.g.DatabasePath).db()).exec("DELETE FROM hiba1");
        ReviewWindow& w = f.open();
        w.click(QStringLiteral("Command1"));
        QCOMPARE(f.platform.messages.size(), size_t(1));
        QCOMPARE(f.platform.messages[0].text, text::uiText(text::KeyReviewNothingToReview, text::English));
        QCOMPARE(shownControls(w), (QStringList{"Command1", "Command6"}));
        QCOMPARE(w.Command1.caption, QStringLiteral("&Start"));
        w.click(QStringLiteral("Command6"));
        QCOMPARE(f.platform.messages.size(), size_t(1));
        QCOMPARE(f.log().size(), placeholder ? 1 : 0);
    }

    void aDeleteTheFileRefusesKeepsEveryRow_data() {
        QTest::addColumn<QString>("kind");
        QTest::addRow("read-only file") << "read-only";
        QTest::addRow("locked by another program") << "locked";
        QTest::addRow("the last row refused") << "refused";
    }
    void aDeleteTheFileRefusesKeepsEveryRow() {
        QFETCH(QString, kind);
        ReviewFixture f;
        const QString path = f.ctx.g.DatabasePath;
        if (kind == QLatin1String("refused")) {
            QVERIFY(QSqlQuery(store::Database(path).db())
                        .exec("CREATE TRIGGER keep BEFORE DELETE ON hiba1 WHEN OLD.mondat = 'Sentence 3 ...' "
                              "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        }
        // Marked read-only for everyone, so that it holds even where the system would let a write through.
        if (kind == QLatin1String("read-only"))
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        ReviewWindow& w = f.open();
        w.click(QStringLiteral("Command1"));
        std::optional<store::Database> holder;
        if (kind == QLatin1String("locked")) {
            holder.emplace(path);
            QVERIFY(QSqlQuery(holder->db()).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        }
        w.click(QStringLiteral("Command6"));
        QVERIFY(!f.windows.isLoaded(app::kReview));
        QCOMPARE(f.platform.messages.size(), size_t(1));
        const QString said = f.platform.messages[0].text;
        QVERIFY2(said.startsWith(text::uiText(text::KeyReviewCannotEmpty, text::English).section('%', 0, 0)),
                 qPrintable(said));
        QVERIFY(said.contains(path));
        holder.reset();
        QCOMPARE(f.log().size(), 4);
    }

    void anUnreadableFileIsSaidAtLoad() {
        ReviewFixture f;
        QFile::remove(f.ctx.g.DatabasePath);
        ReviewWindow& w = f.open();
        QCOMPARE(f.platform.messages.size(), size_t(1));
        QVERIFY(f.platform.messages[0].text.contains(f.ctx.g.DatabasePath));
        QVERIFY(!w.Command1.enabled);
        w.click(QStringLiteral("Command6"));
        QVERIFY(!f.windows.isLoaded(app::kReview));
        QCOMPARE(f.platform.messages.size(), size_t(1));
    }

    void killedWhileEmptyingLeavesAllOrNothing() {
        ReviewFixture f(0);
        f.addItems(1, 20000);
        QProcess child;
        child.start(QStringLiteral(PLURQUIZ_BINARY_DIR "/tests/empty_log_child"), {f.ctx.g.DatabasePath});
        QVERIFY(child.waitForStarted());
        QVERIFY(child.waitForReadyRead(60000));
        QCOMPARE(child.readLine().trimmed(), QByteArray("started"));
        // The child takes a few seconds from here; a kill at any moment must find a sound file.
        const int delay = QRandomGenerator::global()->bounded(2500);
        QTest::qWait(delay);
        child.kill();
        child.waitForFinished();
        store::Database db(f.ctx.g.DatabasePath);
        QSqlQuery q(db.db());
        QVERIFY(q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("ok"));
        const QStringList log = f.log();
        QVERIFY2(log.size() == 20001 || log.size() == 1,
                 qPrintable(QStringLiteral("%1 rows after %2 ms").arg(log.size()).arg(delay)));
        QCOMPARE(log.front(), QStringLiteral("-"));
    }
};

QTEST_GUILESS_MAIN(ReviewWindowTest)
#include "test_review_window.moc"
