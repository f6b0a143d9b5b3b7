// The reshuffle: new order numbers for every sentence, the stepping rule when the store refuses a
// value, all or nothing in the file, and the launcher's label.
#include <QProcess>
#include <QtTest>

#include "app/reshuffle.h"
#include "app_fixture.h"
#include "scripted_random.h"
#include "store/bound_view.h"
#include "store/snapshot.h"
#include "test_database.h"
#include "text/ui_text.h"

using namespace store;

namespace {
QMap<int, int> orderBySerial(const QString& path) {
    Database db(path);
    QSqlQuery q(db.db());
    q.exec(QStringLiteral("SELECT sorszam, sorrend2 FROM test1"));
    QMap<int, int> out;
    while (q.next()) out[q.value(0).toInt()] = q.value(1).toInt();
    return out;
}
}  // namespace

class ReshuffleTest : public QObject {
    Q_OBJECT
private slots:
    void everyRowGetsAValueFromOneTo3000() {
        QTemporaryDir dir;
        std::vector<TestRow> rows;
        for (int i = 1; i <= 2000; ++i) rows.push_back({i, 5000 + i});
        const QString path = makeDatabase(dir, rows);
        forms::RandomSource random(11);
        QCOMPARE(app::reshuffleOrder(path, random).status, app::ReshuffleOutcome::Done);
        const QMap<int, int> order = orderBySerial(path);
        QCOMPARE(order.size(), 2000);
        int low = 3000, high = 1;
        for (int v : order) {
            QVERIFY(v >= 1 && v <= 3000);
            low = qMin(low, v);
            high = qMax(high, v);
        }
        QVERIFY(low < 100 && high > 2900);  // spread over the whole range, not one tick's value
        // The practice order follows the new values.
        Database db(path);
        Snapshot s = Snapshot::ofTable(db, QStringLiteral("test1"));
        int previous = 0;
        while (!s.eof()) {
            const int v = s.field(QStringLiteral("sorrend2")).toInt();
            QVERIFY(v >= previous);
            previous = v;
            s.moveNext();
        }
    }

    void refusedValuesStepAwayFromTheMiddle_data() {
        QTest::addColumn<QList<int>>("draws");
        QTest::addColumn<QList<int>>("stored");
        QTest::addRow("clash below 1500 steps up") << QList<int>{1200, 1200} << QList<int>{1200, 1201};
        QTest::addRow("clash from 1500 steps down") << QList<int>{2000, 2000} << QList<int>{2000, 1999};
        QTest::addRow("steps on to the next free value") << QList<int>{1200, 1201, 1200} << QList<int>{1200, 1201, 1202};
        QTest::addRow("the first draw fixes the direction") << QList<int>{1500, 1499, 1500}
                                                           << QList<int>{1500, 1499, 1498};
        QTest::addRow("no clash, no step") << QList<int>{1, 3000} << QList<int>{1, 3000};
    }
    void refusedValuesStepAwayFromTheMiddle() {
        QFETCH(QList<int>, draws);
        QFETCH(QList<int>, stored);
        QTemporaryDir dir;
        std::vector<TestRow> rows;
        for (int i = 1; i <= draws.size(); ++i) rows.push_back({i, -i});  // natural order = serial order reversed
        const QString path = makeDatabase(dir, rows);
        {
            Database db(path);
            QSqlQuery q(db.db());
            QVERIFY(q.exec(QStringLiteral("CREATE UNIQUE INDEX sorrend2_once ON test1 (sorrend2)")));
        }
        ScriptedRandom random;
        for (int d : draws) random.queueDraw(d, 3000);
        QCOMPARE(app::reshuffleOrder(path, random).status, app::ReshuffleOutcome::Done);
        const QMap<int, int> order = orderBySerial(path);
        // Rows are visited in natural order: the highest serial (lowest old value) first.
        for (int i = 0; i < draws.size(); ++i) QCOMPARE(order[draws.size() - i], stored[i]);
    }

    void emptyTableChangesNothing() {
        QTemporaryDir dir;
        const QString path = makeDatabase(dir, {});
        forms::RandomSource random(1);
        QCOMPARE(app::reshuffleOrder(path, random).status, app::ReshuffleOutcome::Empty);
    }

    void aRowTheStoreNeverAcceptsLeavesTheOldOrder() {
        QTemporaryDir dir;
        const QString path = makeDatabase(dir, {{1, 10}, {2, 20}});
        {
            Database db(path);
            QSqlQuery q(db.db());
            QVERIFY(q.exec(QStringLiteral("CREATE TRIGGER never BEFORE UPDATE OF sorrend2 ON test1 WHEN NEW.sorszam = 2 "
                                          "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        }
        const QMap<int, int> before = orderBySerial(path);
        forms::RandomSource random(5);
        const app::ReshuffleOutcome outcome = app::reshuffleOrder(path, random);
        QCOMPARE(outcome.status, app::ReshuffleOutcome::Failed);
        QCOMPARE(orderBySerial(path), before);
    }

    void launcherLabelTurnsIntoTheEnglishSentence_data() {
        QTest::addColumn<QString>("button");
        QTest::addRow("Hungarian") << "Command6";
        QTest::addRow("Spanish") << "Command5";
        QTest::addRow("French") << "Command2";
        QTest::addRow("English") << "Command1";
    }
    void launcherLabelTurnsIntoTheEnglishSentence() {
        QFETCH(QString, button);
        AppFixture f;
        forms::Form& launcher = f.startInLanguage(qPrintable(button));
        const QMap<int, int> before = orderBySerial(f.ctx.g.DatabasePath);
        launcher.click(QStringLiteral("change"));
        QCOMPARE(launcher.c(QStringLiteral("change")).caption, QStringLiteral("The order of the sentences has been changed."));
        QVERIFY(orderBySerial(f.ctx.g.DatabasePath) != before);
        QVERIFY(f.platform.messages.empty());
        // Loading the launcher again puts the catalogue text back.
        launcher.click(QStringLiteral("ok"));
        f.form(app::kPractice).click(QStringLiteral("mnuPlurquiz"));
        QCOMPARE(f.form(app::kLauncher).c(QStringLiteral("change")).caption, text::uiText(74, f.ctx.g.LangBase));
    }

    void killedHalfWayLeavesTheOldOrderIntact() {
        QTemporaryDir dir;
        std::vector<TestRow> rows;
        for (int i = 1; i <= 20000; ++i) rows.push_back({i, (i * 7) % 3000 + 1});
        const QString path = makeDatabase(dir, rows);
        const QMap<int, int> before = orderBySerial(path);
        QProcess child;
        child.start(QStringLiteral(PLURQUIZ_BINARY_DIR "/tests/reshuffle_child"), {path, QStringLiteral("10000")});
        QVERIFY(child.waitForStarted());
        // The child reports when it is half-way through, then keeps writing slowly.
        QVERIFY(child.waitForReadyRead(60000));
        QCOMPARE(child.readLine().trimmed(), QByteArray("half-way"));
        child.kill();
        child.waitForFinished();
        Database db(path);
        QSqlQuery q(db.db());
        QVERIFY(q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("ok"));
        QCOMPARE(orderBySerial(path), before);
    }
};

QTEST_GUILESS_MAIN(ReshuffleTest)
#include "test_reshuffle.moc"
