// Files made with older layouts: upgraded in place when opened, rows untouched, ending with the
// layout of a new file (a history of layout 3 mapped to sentence identities); left exactly as they
// were wherever they may not change.
#include <QSqlError>
#include <QSqlRecord>
#include <QtTest>

#include "progress/history_csv.h"
#include "progress/progress_model.h"
#include "store/schema.h"
#include "store/snapshot.h"
#include "test_database.h"

using namespace store;

namespace {

// A connection of its own, past the store (which would upgrade the file on opening it).
struct RawConnection {
    explicit RawConnection(const QString& path, bool readOnly = false) {
        static int count = 0;
        name = QStringLiteral("raw-%1").arg(++count);
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (readOnly) db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        db.open();
    }
    ~RawConnection() {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    void exec(const QString& sql) {
        QSqlQuery q(db);
        if (!q.exec(sql)) qFatal("%s", qPrintable(q.lastError().text()));
    }
    QString name;
    QSqlDatabase db;
};

// A file as version 1 of the program wrote it, with a few rows.
QString makeVersion1File(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("old.sqlite"));
    RawConnection raw(path);
    // clang-format off
    for (const char* sql : {
             "PRAGMA application_id = 1347503443",
             "PRAGMA user_version = 1",
             "CREATE TABLE test1 ("
             " sorszam INTEGER NOT NULL CHECK (typeof(sorszam) = 'integer' AND sorszam >= 1 AND sorszam <= 32767),"
             " sorrend INTEGER,"
             " sorrend2 INTEGER CHECK (sorrend2 IS NULL OR (typeof(sorrend2) = 'integer'"
             "   AND sorrend2 BETWEEN -32768 AND 32767)),"
             " szint INTEGER CHECK (szint IS NULL OR (typeof(szint) = 'integer' AND szint BETWEEN 1 AND 3)),"
             " kulcs1 TEXT, kulcs2 TEXT, mondat TEXT, a TEXT, b TEXT, c TEXT, d TEXT,"
             " felelet1 TEXT, felelet2 TEXT)",
             "CREATE UNIQUE INDEX sorszam ON test1 (sorszam)",
             "CREATE INDEX sorrend ON test1 (sorrend)",
             "CREATE TABLE hiba1 (hiba TEXT, mondat TEXT, a TEXT, b TEXT, c TEXT, d TEXT, felelet1 TEXT,"
             " felelet2 TEXT)",
             "INSERT INTO hiba1 VALUES ('0', '-', '-', '-', '-', '-', '-', '-')",
             "INSERT INTO hiba1 VALUES ('B', 'Él ... médico.', 'es', 'está', 'son', 'ser', 'Él es médico.', 'A')",
             "INSERT INTO test1 VALUES (1, 1, 1500, 2, '1', '2', 'Él ... médico.', 'es', 'está', 'son', 'ser',"
             " 'Él es médico.', 'A')",
             "INSERT INTO test1 VALUES (2, 2, 700, 1, 'Á', NULL, 'Ellos ... aquí.', 'están', 'son', 'es', 'está',"
             " 'Ellos están aquí.', 'A')",
             "INSERT INTO test1 (sorszam, sorrend2, szint) VALUES (5, 700, 2)",
             "DELETE FROM test1 WHERE sorszam = 1",  // a gap in the row ids
             "INSERT INTO test1 (sorszam, sorrend2, kulcs2) VALUES (7, NULL, '9')"})
        raw.exec(QLatin1String(sql));
    // clang-format on
    return path;
}

// A file as version 2 of the program wrote it: version 1 with the indexes of the selections.
QString makeVersion2File(const QTemporaryDir& dir) {
    const QString path = makeVersion1File(dir);
    RawConnection raw(path);
    for (const char* sql :
         {"CREATE INDEX test1_order ON test1 (sorrend2, sorszam)",
          "CREATE INDEX test1_level ON test1 (szint)", "CREATE INDEX test1_group ON test1 (kulcs2)",
          "CREATE INDEX test1_topic ON test1 (kulcs1, kulcs2)", "PRAGMA user_version = 2"})
        raw.exec(QLatin1String(sql));
    return path;
}

// A file as version 3 of the program wrote it: version 2 with the history, whose answers name
// serials 2 and 7 (in the table today), 1 (deleted before the upgrade) and 9 (never in this file).
QString makeVersion3File(const QTemporaryDir& dir) {
    const QString path = makeVersion2File(dir);
    RawConnection raw(path);
    for (const char* sql :
         {"CREATE TABLE test_runs ( id INTEGER PRIMARY KEY, started_at TEXT NOT NULL, ended_at TEXT,"
          " mode INTEGER NOT NULL CHECK (mode IN (0, 1)), run_length INTEGER NOT NULL,"
          " delay_seconds INTEGER NOT NULL, presented INTEGER NOT NULL DEFAULT 0,"
          " correct INTEGER NOT NULL DEFAULT 0)",
          "CREATE TABLE test_answers ( run_id INTEGER NOT NULL REFERENCES test_runs (id),"
          " position INTEGER NOT NULL, serial INTEGER NOT NULL,"
          " chosen TEXT CHECK (chosen IS NULL OR chosen IN ('A', 'B', 'C', 'D')), right_letter TEXT,"
          " correct INTEGER NOT NULL CHECK (correct IN (0, 1)), seconds REAL,"
          " PRIMARY KEY (run_id, position)) WITHOUT ROWID",
          "INSERT INTO test_runs VALUES (1, '2026-11-02T09:00:00Z', NULL, 0, 0, 0, 5, 1)",
          "INSERT INTO test_answers VALUES (1, 1, 7, 'A', 'B', 0, 2.0), (1, 2, 1, 'B', 'B', 1, 3.0),"
          " (1, 3, 9, NULL, 'C', 0, 10.0), (1, 4, 1, 'A', 'B', 0, 4.0), (1, 5, 2, 'A', 'D', 0, 1.5)",
          "PRAGMA user_version = 3"})
        raw.exec(QLatin1String(sql));
    return path;
}

// Everything a file holds that the upgrade must keep or must reach, read without changing it.
struct Contents {
    QStringList rows, layout;
    int version = 0;
};

Contents contents(const QString& path) {
    Contents out;
    RawConnection raw(path, true);
    QSqlQuery q(raw.db);
    for (const char* table : {"test1", "hiba1"}) {
        q.exec(QStringLiteral("SELECT rowid, * FROM %1 ORDER BY rowid").arg(QLatin1String(table)));
        while (q.next()) {
            QStringList fields;
            for (int i = 0; i < q.record().count(); ++i)
                fields << (q.isNull(i) ? QStringLiteral("NULL") : q.value(i).toString());
            out.rows << QLatin1String(table) + QLatin1Char(':') + fields.join(QLatin1Char('|'));
        }
    }
    q.exec(
        QStringLiteral("SELECT type || '|' || name || '|' || tbl_name || '|' || ifnull(sql, '') "
                       "FROM sqlite_master ORDER BY type, name"));
    while (q.next()) out.layout << q.value(0).toString();
    q.exec(QStringLiteral("PRAGMA user_version"));
    q.next();
    out.version = q.value(0).toInt();
    return out;
}

}  // namespace

class SchemaUpgradeTest : public QObject {
    Q_OBJECT

private slots:
    void anOlderFileIsUpgradedInPlaceAndKeepsItsRows_data() {
        QTest::addColumn<int>("from");
        QTest::addRow("version 1") << 1;
        QTest::addRow("version 2, before the history") << 2;
        QTest::addRow("version 3, before the sentence identities") << 3;
    }
    void anOlderFileIsUpgradedInPlaceAndKeepsItsRows() {
        QFETCH(int, from);
        QTemporaryDir dir;
        const QString path = from == 1   ? makeVersion1File(dir)
                             : from == 2 ? makeVersion2File(dir)
                                         : makeVersion3File(dir);
        const Contents before = contents(path);
        QCOMPARE(before.version, from);
        {
            Database db(path);
            // Still the same rows in the same order, now through the new indexes.
            Snapshot s = Snapshot::ofTable(db, QStringLiteral("test1"), QStringLiteral("sorrend2 >= 700"));
            QCOMPARE(s.recordCount(), 2);
            QCOMPARE(s.field(QStringLiteral("sorszam")).toInt(), 2);
        }
        const Contents after = contents(path);
        QCOMPARE(after.version, kSchemaVersion);
        QCOMPARE(after.rows, before.rows);

        // The upgraded file has the layout of a file made new.
        Database::create(dir.filePath(QStringLiteral("new.sqlite")));
        QCOMPARE(after.layout, contents(dir.filePath(QStringLiteral("new.sqlite"))).layout);
        QVERIFY(after.layout.size() > before.layout.size());
        // The history is there, empty, ready for the first run.
        if (from < 3) {
            RawConnection raw(path, true);
            QSqlQuery q(raw.db);
            QVERIFY(q.exec(QStringLiteral("SELECT (SELECT count(*) FROM test_runs) + (SELECT count(*) FROM "
                                          "test_answers)")) &&
                    q.next());
            QCOMPARE(q.value(0).toInt(), 0);
        }

        // Opened again, it is not touched.
        const QByteArray bytes = fileBytes(path);
        { Database again(path); }
        QCOMPARE(fileBytes(path), bytes);
    }

    // Every sentence gets an identity; an answer goes to the sentence holding its serial at the
    // upgrade, and the answers of a serial no sentence holds to a deleted sentence of their own.
    void theUpgradeGivesIdentitiesToSentencesAndAnswers() {
        QTemporaryDir dir;
        const QString path = makeVersion3File(dir);
        { Database db(path); }
        RawConnection raw(path, true);
        QSqlQuery q(raw.db);
        auto column = [&](const QString& sql) {
            QStringList out;
            if (!q.exec(sql)) return QStringList{q.lastError().text()};
            while (q.next()) out << q.value(0).toString();
            return out;
        };
        QCOMPARE(
            column(QStringLiteral("SELECT sorszam || '=' || (SELECT id FROM sentences WHERE serial = sorszam)"
                                  " FROM test1 ORDER BY sorszam")),
            (QStringList{"2=1", "5=2", "7=3"}));
        QCOMPARE(
            column(QStringLiteral("SELECT id || ':' || last_serial FROM sentences WHERE serial IS NULL")),
            (QStringList{"4:1", "5:9"}));
        QCOMPARE(column(QStringLiteral("SELECT position || ':' || serial || '>' || sentence || ' ' || "
                                       "ifnull(chosen, '-') || right_letter || correct FROM test_answers")),
                 (QStringList{"1:7>3 AB0", "2:1>4 BB1", "3:9>5 -C0", "4:1>4 AB0", "5:2>1 AD0"}));
        // The triggers of the file are the program's own list.
        QStringList own = ownTriggers();
        own.sort();
        QCOMPARE(
            column(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'trigger' ORDER BY name")),
            own);
        for (const QString& name : own) QVERIFY(name.startsWith(QLatin1String(kOwnTriggerPrefix)));
    }

    // A file of layout 3 that may not be upgraded still shows its history, by serial.
    void aReadOnlyLayout3FileShowsItsHistoryBySerial() {
        QTemporaryDir dir;
        const QString path = makeVersion3File(dir);
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        const QByteArray before = fileBytes(path);
        {
            Database db(path);
            QVERIFY(!hasSentenceIdentities(db.db()));
            const progress::ProgressModel m = progress::ProgressModel::load(db);
            QStringList missed;
            for (const progress::Missed& s : m.mostMissed())
                missed << QStringLiteral("%1:%2").arg(s.serial).arg(s.present ? 1 : 0);
            QCOMPARE(missed, (QStringList{"1:0", "2:1", "7:1", "9:0"}));
            const QString csv = dir.filePath(QStringLiteral("history.csv"));
            QCOMPARE(progress::exportHistoryCsv(db, csv, [](int) { return QString(); }), 5);
        }
        QCOMPARE(fileBytes(path), before);
    }

    void filesThatMayNotChangeAreLeftAsTheyWere_data() {
        QTest::addColumn<QString>("kind");
        QTest::addRow("read-only file") << "read-only file";
        QTest::addRow("read-only connection") << "read-only connection";
        QTest::addRow("health check") << "health check";
        QTest::addRow("another program's file") << "foreign";
        QTest::addRow("a later layout") << "later";
        QTest::addRow("locked by a writer") << "locked";
        QTest::addRow("the upgrade fails half-way") << "fails";
    }
    void filesThatMayNotChangeAreLeftAsTheyWere() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = makeVersion1File(dir);
        {
            RawConnection raw(path);
            if (kind == QLatin1String("foreign")) raw.exec(QStringLiteral("PRAGMA application_id = 0"));
            if (kind == QLatin1String("later"))
                raw.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion + 1));
            // A table by the name of the last index makes the step fail after the others have run.
            if (kind == QLatin1String("fails")) raw.exec(QStringLiteral("CREATE TABLE test1_topic (x)"));
        }
        if (kind == QLatin1String("read-only file")) QFile::setPermissions(path, QFileDevice::ReadOwner);
        const QByteArray before = fileBytes(path);
        {
            std::optional<RawConnection> writer;
            if (kind == QLatin1String("locked")) {
                writer.emplace(path);
                writer->exec(QStringLiteral("BEGIN IMMEDIATE"));
            }
            if (kind == QLatin1String("health check")) {
                QVERIFY(Database::check(path).ok());
            } else {
                Database db(path, kind == QLatin1String("read-only connection"));
                // The file is used as it is.
                Snapshot level = Snapshot::ofTable(db, QStringLiteral("test1"), QStringLiteral("szint = 2"));
                QCOMPARE(level.recordCount(), 1);
                QCOMPARE(level.field(QStringLiteral("sorszam")).toInt(), 5);
            }
            if (writer) writer->exec(QStringLiteral("ROLLBACK"));
        }
        QCOMPARE(fileBytes(path), before);
        if (kind == QLatin1String("locked")) {
            // Once the writer is gone, the next opening upgrades it.
            { Database db(path); }
            QCOMPARE(contents(path).version, kSchemaVersion);
        }
    }
};

QTEST_GUILESS_MAIN(SchemaUpgradeTest)
#include "test_schema_upgrade.moc"
