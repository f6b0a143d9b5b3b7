// The reshuffle: new order numbers for every sentence, the stepping rule when the store refuses a
// value, all or nothing in the file, and the launcher's label and messages.
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
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
std::vector<TestRow> manyRows() {
    std::vector<TestRow> rows;
    for (int i = 1; i <= 20000; ++i) rows.push_back({i, (i * 7) % 3000 + 1});
    return rows;
}

bool isWhole(const QString& path) {
    Database db(path);
    QSqlQuery q(db.db());
    return q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next() && q.value(0).toString() == "ok";
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
        base::RandomSource random(11);
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
        QTest::addRow("steps on to the next free value")
            << QList<int>{1200, 1201, 1200} << QList<int>{1200, 1201, 1202};
        QTest::addRow("the first draw fixes the direction")
            << QList<int>{1500, 1499, 1500} << QList<int>{1500, 1499, 1498};
        QTest::addRow("no clash, no step") << QList<int>{1, 3000} << QList<int>{1, 3000};
    }
    void refusedValuesStepAwayFromTheMiddle() {
        QFETCH(QList<int>, draws);
        QFETCH(QList<int>, stored);
        QTemporaryDir dir;
        std::vector<TestRow> rows;
        for (int i = 1; i <= draws.size(); ++i)
            rows.push_back({i, -i});  // natural order = serial order reversed
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
        base::RandomSource random(1);
        QCOMPARE(app::reshuffleOrder(path, random).status, app::ReshuffleOutcome::Empty);
    }

    void aRowTheStoreNeverAcceptsLeavesTheOldOrder() {
        QTemporaryDir dir;
        const QString path = makeDatabase(dir, {{1, 10}, {2, 20}});
        {
            Database db(path);
            QSqlQuery q(db.db());
            QVERIFY(q.exec(
                QStringLiteral("CREATE TRIGGER never BEFORE UPDATE OF sorrend2 ON test1 WHEN NEW.sorszam = 2 "
                               "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        }
        const QMap<int, int> before = orderBySerial(path);
        base::RandomSource random(5);
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
        QCOMPARE(launcher.c(QStringLiteral("change")).caption,
                 QStringLiteral("The order of the sentences has been changed."));
        QVERIFY(orderBySerial(f.ctx.g.DatabasePath) != before);
        QVERIFY(f.platform.messages.empty());
        // Loading the launcher again puts the catalogue text back.
        launcher.click(QStringLiteral("ok"));
        f.form(app::kPractice).click(QStringLiteral("mnuPlurquiz"));
        QCOMPARE(f.form(app::kLauncher).c(QStringLiteral("change")).caption,
                 text::uiText(74, f.ctx.g.LangBase));
    }

    // Whatever start-up found wrong, the reshuffle says it again in the working language and leaves
    // the file as it is, instead of trying and showing the engine's words.
    void launcherReshuffleOfAnUnusableFileSaysWhy_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("messagesAtStart");
        QTest::addRow("read-only file") << "read-only" << int(text::KeyReadOnly) << 1;
        QTest::addRow("read-only folder") << "read-only-folder" << int(text::KeyFolderReadOnly) << 1;
        QTest::addRow("damaged file") << "damaged" << int(text::KeyDamaged) << 1;
        QTest::addRow("file of no bytes") << "empty" << int(text::KeyEmptyFile) << 1;
        QTest::addRow("locked file") << "locked" << int(text::KeyLocked) << 1;
        QTest::addRow("old file not taken over") << "no-importer" << int(text::KeyNoImporter) << 1;
        QTest::addRow("file removed after start") << "removed" << int(text::KeyFileGone) << 0;
        QTest::addRow("every write refused") << "refused" << int(text::KeyReorderFailed) << 0;
    }
    void launcherReshuffleOfAnUnusableFileSaysWhy() {
        QFETCH(QString, kind);
        QFETCH(int, key);
        QFETCH(int, messagesAtStart);
        AppFixture f;
        const QString path = app::AppFolder(f.dir.path()) + QStringLiteral("st_data.sqlite");
        const QString mdb = app::AppFolder(f.dir.path()) + QStringLiteral("st_data.mdb");
        const auto readAndEnter = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                  QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
        std::optional<Database> holder;
        if (kind == QLatin1String("no-importer")) {
            QFile file(mdb);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (kind != QLatin1String("removed")) {
            makeDatabase(f.dir, {{1, 10}, {2, 20}});
        }
        if (kind == QLatin1String("read-only")) {
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        } else if (kind == QLatin1String("read-only-folder")) {
            QFile::setPermissions(f.dir.path(), readAndEnter);
        } else if (kind == QLatin1String("damaged")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.write("NOT SQLITE AT ALL");
        } else if (kind == QLatin1String("empty")) {
            QFile(path).resize(0);
        } else if (kind == QLatin1String("locked")) {
            holder.emplace(path);
            QSqlQuery q(holder->db());
            QVERIFY(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        } else if (kind == QLatin1String("refused")) {
            Database db(path);
            QSqlQuery q(db.db());
            // Named as the program names its own, so that the start-up look lets it pass.
            QVERIFY(
                q.exec(QStringLiteral("CREATE TRIGGER plurquiz_never BEFORE UPDATE OF sorrend2 ON test1 "
                                      "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        }
        forms::Form& launcher = f.startInLanguage("Command5");
        QCOMPARE(f.ctx.g.DatabasePath, path);
        QCOMPARE(int(f.platform.messages.size()), messagesAtStart);
        if (kind == QLatin1String("removed")) QVERIFY(QFile::remove(path));
        const QByteArray before = fileBytes(path);

        launcher.click(QStringLiteral("change"));
        QCOMPARE(int(f.platform.messages.size()), messagesAtStart + 1);
        const QString named = kind == QLatin1String("no-importer") ? mdb : path;
        QCOMPARE(f.platform.messages.back().text, text::uiText(key, text::Spanish).arg(named));
        if (messagesAtStart) QCOMPARE(f.platform.messages.back().text, f.platform.messages.front().text);
        QCOMPARE(fileBytes(path), before);
        QCOMPARE(launcher.c(QStringLiteral("change")).caption, text::uiText(74, text::Spanish));
        QFile::setPermissions(f.dir.path(), readAndEnter | QFileDevice::WriteOwner);
    }

    // Killed in the middle of its writes (the file holding pages not yet committed, with the
    // journal to undo them beside it), the reshuffle leaves the old order, and the next start
    // finds the file sound rather than damaged.
    void killedHalfWayLeavesTheOldOrderIntact() {
        QTemporaryDir dir;
        const QString path = makeDatabase(dir, manyRows());
        const QMap<int, int> before = orderBySerial(path);
        QProcess child;
        child.start(QStringLiteral(PLURQUIZ_BINARY_DIR "/tests/reshuffle_child"),
                    {path, QStringLiteral("10000"), QStringLiteral("spill")});
        QVERIFY(child.waitForStarted());
        // The child reports when it is half-way through, then keeps writing slowly.
        QVERIFY(child.waitForReadyRead(60000));
        QCOMPARE(child.readLine().trimmed(), QByteArray("half-way"));
        child.kill();
        child.waitForFinished();
        QVERIFY(QFileInfo::exists(path + QStringLiteral("-journal")));
        // A file that may not be written cannot be rolled back: read-only, not damaged.
        const auto permissions = QFile::permissions(path);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        QCOMPARE(int(Database::check(path).problem), int(Problem::ReadOnly));
        QFile::setPermissions(path, permissions);
        QCOMPARE(int(Database::check(path).problem), int(Problem::None));
        QVERIFY(isWhole(path));
        QCOMPARE(orderBySerial(path), before);
    }

    // Killed at random moments while it commits one reshuffle after another (a power cut), the
    // file is found sound at every next start and holds one whole order.
    void killedWhileCommittingOpensNormallyNextTime() {
        QTemporaryDir dir;
        const QString path = makeDatabase(dir, manyRows());
        QRandomGenerator moments(19);
        for (int kill = 0; kill < 12; ++kill) {
            QProcess child;
            child.start(QStringLiteral(PLURQUIZ_BINARY_DIR "/tests/reshuffle_child"),
                        {path, QStringLiteral("1"), QStringLiteral("loop")});
            QVERIFY(child.waitForStarted());
            QVERIFY(child.waitForReadyRead(60000));
            QThread::msleep(moments.bounded(20, 400));
            child.kill();
            child.waitForFinished();
            const FileStatus status = Database::check(path);
            QVERIFY2(status.ok(), qPrintable(QStringLiteral("kill %1: %2").arg(kill).arg(status.detail)));
            QVERIFY(isWhole(path));
            QCOMPARE(orderBySerial(path).size(), 20000);
        }
    }
};

QTEST_GUILESS_MAIN(ReshuffleTest)
#include "test_reshuffle.moc"
