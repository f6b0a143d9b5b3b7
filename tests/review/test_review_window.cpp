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

// Item i: "Sentence i ...", guessed "B", right letter "C", except item 3's, stored as "c".
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
        q.prepare(QStringLiteral("INSERT INTO hiba1 VALUES ('B', ?, 'a', 'b', 'c', 'd', ?, ?)"));
        for (int i = first; i <= last; ++i) {
            q.addBindValue(QStringLiteral("Sentence %1 ...").arg(i));
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
    ReviewWindow& started() {
        ReviewWindow& w = open();
        w.click(QStringLiteral("Command1"));
        return w;
    }
    QString said(size_t i = 0) const {
        return i < platform.messages.size() ? platform.messages[i].text : QString();
    }
};

void press(ReviewWindow& w, const QStringList& buttons) {
    for (const QString& b : buttons) w.click(b);
}

// Position, sentence number and StepCounter: "1/3 #1 step 1".
QString where(const ReviewFixture& f, const ReviewWindow& w) {
    return QStringLiteral("%1/%2 #%3 step %4")
        .arg(w.Label30.caption, w.Label31.caption, w.Label13.caption.section(' ', 1, 1))
        .arg(f.ctx.g.StepCounter);
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
        press(w, {"mnuOnTop", "mnuOnTop"});
        QCOMPARE(f.platform.topmostCalls, (QStringList{"Hibatst:on", "Hibatst:on", "Hibatst:off"}));

        w.click(QStringLiteral("Command1"));
        QCOMPARE(where(f, w), QStringLiteral("1/3 #1 step 1"));
        QCOMPARE(w.Label22.caption + w.Label11.caption + w.Label23.caption, QStringLiteral("1.B"));
        QVERIFY(w.Command2.isDefault && w.Option3D5.checked && w.Frame3D1.visible && !w.Command1.visible);
        QCOMPARE(w.focusRequest, QStringLiteral("Command2"));
        for (forms::Control* c : {&w.Label17, &w.Label18, &w.Label19, &w.Label20, &w.Label9, &w.Label10})
            QVERIFY2(!c->visible, qPrintable(c->name));
        // Whatever shows can be named by a screen reader.
        w.keyPress(u'a');
        w.click(QStringLiteral("Command8"));
        for (const auto& c : w.controls())
            if (c->visible && c->kind != forms::ControlKind::Frame)
                QVERIFY2(!c->caption.isEmpty() || !c->spokenName.isEmpty(), qPrintable(c->key()));
    }

    void nextGoesToTheEndOfTheListAndRestarts() {
        ReviewFixture f;
        ReviewWindow& w = f.started();
        press(w, {"Command4", "Command4"});
        QCOMPARE(where(f, w), QStringLiteral("3/3 #3 step 3"));
        QVERIFY(f.platform.messages.empty());
        w.click(QStringLiteral("Command4"));
        QCOMPARE(f.said(), QStringLiteral("You have reached the last item."));
        QCOMPARE(f.platform.messages[0].caption, QStringLiteral("Failed items"));
        QCOMPARE(f.platform.messages[0].icon, forms::MsgIcon::Information);
        // The whole list has been gone through: n / n stays up beside Restart and Close.
        QCOMPARE(shownControls(w), (QStringList{"Label30", "Label32", "Label31", "Command1", "Command6"}));
        QCOMPARE(w.Label30.caption, QStringLiteral("3"));
        QCOMPARE(w.Command1.caption, QStringLiteral("Re&start"));
        QVERIFY(!w.Command2.isDefault && !w.Frame3D1.visible);
        w.click(QStringLiteral("Command1"));
        QCOMPARE(where(f, w), QStringLiteral("1/3 #1 step 1"));
    }

    // A wrong answer is showing before the last click: a move clears it, a refused move does not.
    void topRowMovesWithoutCounting_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("at");
        QTest::addColumn<bool>("moved");
        QTest::addRow("First after two Next")
            << QStringList{"Command4", "Command4", "Command2"} << "1/3 #1 step 3" << true;
        QTest::addRow("Previous") << QStringList{"Command4", "Command3"} << "1/3 #1 step 2" << true;
        QTest::addRow("Previous on the first item") << QStringList{"Command3"} << "1/3 #1 step 1" << false;
        QTest::addRow("top Next") << QStringList{"Command5"} << "2/3 #2 step 1" << true;
        QTest::addRow("top Next on the last item")
            << QStringList{"Command7", "Command5"} << "3/3 #3 step 1" << false;
    }
    void topRowMovesWithoutCounting() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, at);
        QFETCH(bool, moved);
        ReviewFixture f;
        ReviewWindow& w = f.started();
        press(w, clicks.mid(0, clicks.size() - 1));
        w.keyPress(u'a');
        w.focusRequest.clear();
        w.click(clicks.back());
        QCOMPARE(where(f, w), at);
        QCOMPARE(w.Label18.visible, !moved);
        QCOMPARE(w.Option3D5.checked, moved);
        QCOMPARE(w.focusRequest, moved ? QStringLiteral("Command2") : QString());
    }

    void answeringAgainLeavesTheLogAlone_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("bars");
        QTest::addRow("right letter") << 1 << "c"
                                      << "green";
        QTest::addRow("wrong, then right") << 1 << "ac"
                                           << "green";
        QTest::addRow("right, then wrong") << 1 << "cd"
                                           << "red";
        QTest::addRow("upper case does nothing") << 1 << "C"
                                                 << "";
        QTest::addRow("a lower-case right letter never matches") << 3 << "c"
                                                                 << "red";
        QTest::addRow("by mouse") << 1 << "Option3D3"
                                  << "green";
    }
    void answeringAgainLeavesTheLogAlone() {
        QFETCH(int, item);
        QFETCH(QString, keys);
        QFETCH(QString, bars);
        ReviewFixture f;
        ReviewWindow& w = f.started();
        if (item == 3) w.click(QStringLiteral("Command7"));
        // The log keeps the first guess: the answer goes to the learner's memory only.
        auto failedLog = [&] {
            store::Database db(f.ctx.g.DatabasePath);
            QSqlQuery q(db.db());
            q.exec(QStringLiteral("SELECT group_concat(hiba || mondat || felelet2, '|') FROM hiba1"));
            return q.next() ? q.value(0).toString() : QString();
        };
        const QString before = failedLog();
        if (keys.size() > 2)
            w.click(keys);
        else
            for (QChar k : keys) QCOMPARE(w.keyPress(k).isNull(), k >= u'a' && k <= u'd');
        QCOMPARE(QString(w.Label17.visible ? "green" : "") + (w.Label18.visible ? "red" : ""), bars);
        QCOMPARE(failedLog(), before);
    }

    void theSolutionStaysUntilNext() {
        ReviewFixture f;
        ReviewWindow& w = f.started();
        w.click(QStringLiteral("Command8"));
        QCOMPARE(w.Label19.caption + " " + w.Label20.caption, QStringLiteral("C Solution 1"));
        QCOMPARE(w.focusRequest, QStringLiteral("Command2"));
        for (const char* move : {"Command5", "Command7", "Command3", "Command2"}) {
            w.click(QString::fromLatin1(move));
            QVERIFY2(w.Label19.visible && w.Label20.visible, move);
        }
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
        ReviewWindow& w = started ? f.started() : f.open();
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
        if (moment == QLatin1String("before Start")) QCOMPARE(w.Label31.caption, QStringLiteral("5"));
        w.click(QStringLiteral("Command6"));
        QCOMPARE(f.log().size(), 1 + kept);
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
        ReviewWindow& w = f.started();
        QCOMPARE(f.said(), text::uiText(text::KeyReviewNothingToReview, text::English));
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
        if (kind == QLatin1String("refused"))
            QVERIFY(QSqlQuery(store::Database(path).db())
                        .exec("CREATE TRIGGER keep BEFORE DELETE ON hiba1 WHEN OLD.mondat = 'Sentence 3 ...' "
                              "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        // Marked read-only for everyone, so that it holds even where the system would let a write through.
        if (kind == QLatin1String("read-only"))
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        ReviewWindow& w = f.started();
        std::optional<store::Database> holder;
        if (kind == QLatin1String("locked")) {
            holder.emplace(path);
            QVERIFY(QSqlQuery(holder->db()).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        }
        w.click(QStringLiteral("Command6"));
        QVERIFY(!f.windows.isLoaded(app::kReview));
        QCOMPARE(f.platform.messages.size(), size_t(1));
        const QString cannot = text::uiText(text::KeyReviewCannotEmpty, text::English).section('%', 0, 0);
        QVERIFY2(f.said().startsWith(cannot) && f.said().contains(path), qPrintable(f.said()));
        holder.reset();
        QCOMPARE(f.log().size(), 4);
    }

    void anUnreadableFileIsSaidAtLoad() {
        ReviewFixture f;
        QFile::remove(f.ctx.g.DatabasePath);
        ReviewWindow& w = f.open();
        QVERIFY(f.said().contains(f.ctx.g.DatabasePath));
        QVERIFY(!w.Command1.enabled);
        w.click(QStringLiteral("Command6"));
        QVERIFY(!f.windows.isLoaded(app::kReview));
        QCOMPARE(f.platform.messages.size(), size_t(1));
    }

    void killedWhileEmptyingLeavesAllOrNothing() {
        ReviewFixture f(20000);
        QProcess child;
        child.start(QStringLiteral(PLURQUIZ_BINARY_DIR "/tests/empty_log_child"), {f.ctx.g.DatabasePath});
        QVERIFY(child.waitForStarted());
        QVERIFY(child.waitForReadyRead(60000));
        QCOMPARE(child.readLine().trimmed(), QByteArray("started"));
        // The child needs a few seconds from here; a kill at any moment must find a sound file.
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
