// plurquiz-import's CSV commands and arguments: the material survives a round trip unchanged,
// bad rows are all named before anything is written, the memory's exports say what the file holds
// and agree with each other, and misuse gets the usage text.
#include <QTemporaryDir>
#include <QtTest>
#include <map>

#include "import_tool.h"
#include "memory/memory_store.h"
#include "test_database.h"

namespace {

const QByteArray kHeader = "sorszam,szint,kulcs1,kulcs2,mondat,a,b,c,d,felelet1,felelet2\n";

// The lines of a CSV file without quoted fields, each split at its commas.
std::vector<QStringList> csvRows(const QString& path) {
    std::vector<QStringList> rows;
    for (const QByteArray& line : readAll(path).split('\n'))
        if (!line.isEmpty()) rows.push_back(QString::fromUtf8(line).split(u','));
    return rows;
}

qlonglong test1Count(const QString& path) {
    store::Database db(path);
    const auto rows = tableRows(db, QStringLiteral("SELECT count(*) FROM test1"));
    return rows.empty() ? -1 : rows[0][0].toLongLong();
}

}  // namespace

class MaterialToolTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString path(const QString& name) const { return dir.filePath(name); }
    QString csvFile(const QString& name, const QByteArray& body) const {
        const QString file = path(name);
        writeAll(file, kHeader + body);
        return file;
    }

private slots:
    void initTestCase() { QVERIFY2(QFileInfo(toolPath()).isExecutable(), qPrintable(toolPath())); }

    // Quotes, commas, line breaks, accents, gaps in the numbers and empty fields, exported,
    // read into an empty database and exported again.
    void roundTripGivesTheSameFile() {
        const QByteArray canonical =
            kHeader +
            "1,1,1,0,\"Dijo: \"\"¿Vienes ...?\"\"\",sí,no,ya,\"o, u\",\"Dijo: \"\"¿Vienes sí?\"\"\",A\n"
            "2,1,7,0,\"Línea uno\nlínea ... dos\",a,b,c,d,\"Línea uno\nlínea b dos — con nota\",B\n"
            "7,3,a,2,Ñu ... pingüino.,el,la,lo,los,Ñu los pingüino.,D\n"
            "32767,2,9,9,  blancos ... ,a,b,c,d,  blancos c ,C\n";
        const QString source = path(QStringLiteral("canonical.csv"));
        QVERIFY(writeAll(source, canonical));
        const QString first = path(QStringLiteral("first.sqlite")),
                      second = path(QStringLiteral("second.sqlite"));
        QCOMPARE(runTool({QStringLiteral("--csv-in"), source, first}).code, 0);
        const QString once = path(QStringLiteral("once.csv")), twice = path(QStringLiteral("twice.csv"));
        QCOMPARE(runTool({QStringLiteral("--csv-out"), first, once}).code, 0);
        QCOMPARE(readAll(once), canonical);
        store::Database::create(second);
        const ToolRun in = runTool({QStringLiteral("--csv-in"), once, second});
        QVERIFY2(in.code == 0, in.err.constData());
        QCOMPARE(runTool({QStringLiteral("--csv-out"), second, twice}).code, 0);
        QCOMPARE(readAll(twice), readAll(once));
        for (const QString& file : {first, second}) {
            store::Database db(file);
            QCOMPARE(sentencesWithoutIdentity(db), 0);
        }
    }

    void importedSampleExportsInTheMaterialLayout() {
        const QString db = path(QStringLiteral("sample.sqlite")), csv = path(QStringLiteral("sample.csv"));
        SKIP_WITHOUT_SAMPLE();
        QCOMPARE(runTool({sampleMdb(), db}).code, 0);
        QCOMPARE(runTool({QStringLiteral("--csv-out"), db, csv}).code, 0);
        const QList<QByteArray> lines = readAll(csv).split('\n');
        QCOMPARE(lines.size(), 42);  // header, 40 rows, and the empty rest after the last line break
        QCOMPARE(lines[0] + '\n', kHeader);
        QCOMPARE(lines[3], QByteArray("3,2,1,1,¿Dónde ... las llaves del coche?,son,hay,estás,están,"
                                      "¿Dónde están las llaves del coche?,D"));
    }

    void everyBadRowIsNamedAndNothingWritten() {
        const QString csv =
            csvFile(QStringLiteral("bad.csv"),
                    QByteArray("1,1,1,0,a ...,a,b,c,d,a a,A\n"
                               "2,5,1,0,b ...,a,b,c,d,b a,A\n"
                               "0,1,1,0,c ...,a,b,c,d,c a,A\n"
                               "4,1,12,0,d ...,a,b,c,d,d a,A\n"
                               "1,1,1,0,e ...,a,b,c,d,e a,A\n"
                               "6,1,1,0,too few fields\n"
                               "7,1,1,0,g ...,a,b,c,d,g b,b\n"
                               "8,1,1,0,no gap,a,b,c,d,no gap,A\n"
                               "9,1,1,0,i ... and ...,a,b,c,d,i a and a,A\n"
                               "10,1,1,0,j ...,a,a,a,a,j a,A\n"
                               "11,1,1,0,k ...,,b,c,d,,A\n") +
                        // Over the limits every way in keeps.
                        "12,1,1,0,l ..." + QByteArray(996, 'x') + ",a,b,c,d,l a" + QByteArray(996, 'x') +
                        ",A\n" + "13,1,1,0,m ...,a," + QByteArray(201, 'y') + ",c,d,m a,A\n" +
                        "14,1,1,0,n ...,a,b,c,d,n a — " + QByteArray(2000, 'z') + ",A\n");
        const QStringList expected = {
            "line 3, field szint",
            "line 4, field sorszam",
            "line 5, field kulcs1",
            "line 6, field sorszam",
            "line 7:",
            "line 8, field felelet2",
            "line 9, field mondat",
            "line 10, field mondat",
            "line 11, field b",
            "line 11, field c",
            "line 11, field d",
            "line 12, field a",
            "line 13, field mondat: is 1001 characters long; it may hold at most 1000",
            "line 14, field b: is 201 characters long",
            "line 15, field felelet1: is 2006 characters long",
            "nothing has been written"};
        const QString fresh = path(QStringLiteral("never.sqlite"));
        const QString empty = path(QStringLiteral("empty.sqlite"));
        store::Database::create(empty);
        for (const QString& target : {fresh, empty}) {
            const ToolRun run = runTool({QStringLiteral("--csv-in"), csv, target});
            QCOMPARE(run.code, 1);
            const QStringList lines = run.errText().trimmed().split(u'\n');
            QCOMPARE(lines.size(), expected.size());
            for (int i = 0; i < lines.size(); ++i) {
                QVERIFY2(lines[i].startsWith(csv + QStringLiteral(": ")), qPrintable(lines[i]));
                QVERIFY2(lines[i].contains(expected[i]), qPrintable(lines[i]));
            }
        }
        QVERIFY(!QFileInfo::exists(fresh));
        QCOMPARE(test1Count(empty), 0);
        QCOMPARE(filesIn(dir.path()).filter(QStringLiteral("never")), QStringList());
    }

    void tableWithRowsIsNotAddedTo() {
        const QString csv = csvFile(QStringLiteral("one.csv"), "9,1,1,0,a ...,a,b,c,d,a a,A\n");
        const QString db = path(QStringLiteral("full.sqlite"));
        QCOMPARE(runTool({QStringLiteral("--csv-in"), csv, db}).code, 0);
        const QString more = csvFile(QStringLiteral("more.csv"), "10,1,1,0,b ...,a,b,c,d,b a,A\n");
        const ToolRun run = runTool({QStringLiteral("--csv-in"), more, db});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.errText().startsWith(db) && run.errText().contains(QStringLiteral("1 rows")),
                 run.err.constData());
        QCOMPARE(test1Count(db), 1);
    }

    void existingCsvIsReplacedOnlyWhenForced() {
        const QString db = path(QStringLiteral("export.sqlite"));
        QCOMPARE(runTool({QStringLiteral("--csv-in"),
                          csvFile(QStringLiteral("export-in.csv"), "1,1,1,0,a ...,a,b,c,d,a a,A\n"), db})
                     .code,
                 0);
        const QString csv = path(QStringLiteral("edited.csv"));
        QVERIFY(writeAll(csv, "the learner's edits"));
        const ToolRun refused = runTool({QStringLiteral("--csv-out"), db, csv});
        QCOMPARE(refused.code, 1);
        QVERIFY2(refused.errText().startsWith(csv) && refused.errText().contains(QStringLiteral("--force")),
                 refused.err.constData());
        QCOMPARE(readAll(csv), QByteArray("the learner's edits"));
        const ToolRun forced = runTool({QStringLiteral("--csv-out"), QStringLiteral("--force"), db, csv});
        QVERIFY2(forced.code == 0, forced.err.constData());
        QCOMPARE(readAll(csv), kHeader + "1,1,1,0,a ...,a,b,c,d,a a,A\n");
    }

    // A small memory: a second answer on the same day that leaves the state alone, a lapse three
    // days later, a right answer after the solution (Again), a deleted sentence and a renumbered one.
    void memoryExportsAgreeWithTheMemoryAndEachOther() {
        QTemporaryDir own;
        const QString db = makeDatabase(own, {{1, 10}, {2, 20}, {3, 30}});
        const QDate monday(2026, 2, 2), thursday(2026, 2, 5);
        struct Answer {
            QDate day;
            QTime time;
            int serial;
            bool correct;
            memory::Grade grade;
            memory::Source source;
        };
        using G = memory::Grade;
        using S = memory::Source;
        const Answer answers[] = {{monday, {10, 0}, 1, true, G::Good, S::Test},
                                  {monday, {10, 5}, 1, false, G::Again, S::Practice},
                                  {monday, {11, 0}, 2, false, G::Again, S::Review},
                                  {thursday, {9, 30}, 1, false, G::Again, S::Today},
                                  {thursday, {9, 31}, 3, true, G::Again, S::Today}};
        std::map<qint64, memory::SentenceMemory> kept;
        {
            store::Database database(db);
            store::Database::Transaction t(database);
            for (const Answer& a : answers)
                memory::recordAnswer(database.db(), std::nullopt, a.serial,
                                     {a.source, a.grade, a.correct, QDateTime(a.day, a.time)},
                                     memory::Model());
            QSqlQuery q(database.db());
            QVERIFY(q.exec(QStringLiteral("DELETE FROM test1 WHERE sorszam = 2")));
            QVERIFY(q.exec(QStringLiteral("UPDATE test1 SET sorszam = 33 WHERE sorszam = 3")));
            t.commit();
            for (qint64 id : {1, 2, 3}) kept[id] = *memory::loadMemory(database.db(), id);
        }
        const QString states = path(QStringLiteral("memory.csv")), log = path(QStringLiteral("answers.csv"));
        for (const auto& [option, out] :
             {std::pair{"--memory-out", states}, std::pair{"--answers-out", log}}) {
            const ToolRun run = runTool({QString::fromLatin1(option), db, out});
            QVERIFY2(run.code == 0 && run.err.isEmpty(), run.err.constData());
        }

        // Local times as given, today's serial (33 for 3, the last one for the deleted 2).
        QCOMPARE(readAll(log), QByteArray("answered_at,serial,sentence_id,verdict,grade,source,updated\n"
                                          "2026-02-02 10:00:00,1,1,right,3,test,1\n"
                                          "2026-02-02 10:05:00,1,1,wrong,1,practice,0\n"
                                          "2026-02-02 11:00:00,2,2,wrong,1,review,1\n"
                                          "2026-02-05 09:30:00,1,1,wrong,1,today,1\n"
                                          "2026-02-05 09:31:00,33,3,right,1,today,1\n"));
        const std::vector<QStringList> rows = csvRows(states);
        QCOMPARE(rows.size(), size_t(4));
        QCOMPARE(
            rows[0].join(u','),
            QStringLiteral("serial,sentence_id,deleted,stability,difficulty,last_update,due,updates,lapses"));
        // The live sentences by serial, then the deleted one.
        const QStringList expected[] = {{"1", "1", "0", "2026-02-05", "2", "1"},
                                        {"33", "3", "0", "2026-02-05", "1", "0"},
                                        {"2", "2", "1", "2026-02-02", "1", "0"}};
        const std::vector<QStringList> log_ = csvRows(log);
        for (int i = 0; i < 3; ++i) {
            const QStringList& row = rows[size_t(i + 1)];
            QCOMPARE(row.size(), 9);
            QCOMPARE((QStringList{row[0], row[1], row[2], row[5], row[7], row[8]}), expected[i]);
            // Every digit kept: the numbers read back as exactly the stored ones.
            const memory::SentenceMemory& m = kept[row[1].toLongLong()];
            QCOMPARE(row[3].toDouble(), m.state.stability);
            QCOMPARE(row[4].toDouble(), m.state.difficulty);
            QVERIFY2(!row[3].contains(u'e') && !row[4].contains(u'e'), qPrintable(row.join(u',')));
            QCOMPARE(row[6], QDate::fromJulianDay(m.dueDay).toString(Qt::ISODate));
            // The log's updates of the sentence are its count, its Again ones after the first its lapses.
            int updates = 0, lapses = 0;
            for (const QStringList& answer : log_)
                if (answer[2] == row[1] && answer[6] == QLatin1String("1"))
                    lapses += updates++ > 0 && answer[4] == QLatin1String("1");
            QCOMPARE(QString::number(updates), row[7]);
            QCOMPARE(QString::number(lapses), row[8]);
        }
    }

    void unusableInputsAreRefused_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("reason");
        const QString latin1 = path(QStringLiteral("latin1.csv"));
        writeAll(latin1, kHeader +
                             "1,1,1,0,Espa\xf1"
                             "a ...,a,b,c,d,x,A\n");
        const QString notOurs = path(QStringLiteral("notours.sqlite"));
        writeAll(notOurs, "just some text, not a database at all, long enough to be read as one");
        const QString good = csvFile(QStringLiteral("good.csv"), "1,1,1,0,a ...,a,b,c,d,a a,A\n");
        const QString missing = path(QStringLiteral("missing.sqlite"));
        const QString headerOnly = csvFile(QStringLiteral("header.csv"), "");
        const QString noBytes = path(QStringLiteral("nobytes.sqlite"));
        writeAll(noBytes, {});
        QTest::addRow("CSV not in UTF-8")
            << QStringList{"--csv-in", latin1, path("l.sqlite")} << latin1 << "UTF-8";
        const QString nul =
            csvFile(QStringLiteral("nul.csv"), QByteArray("1,1,1,0,a ...,a,b,c,d,a a,A\n2,1,1,0,b ") +
                                                   QByteArray(1, '\0') + " ...,a,b,c,d,b a,A\n");
        QTest::addRow("CSV with a NUL byte")
            << QStringList{"--csv-in", nul, path("nul.sqlite")} << nul << "line 3: the file holds a NUL byte";
        QTest::addRow("CSV with the header only")
            << QStringList{"--csv-in", headerOnly, path("h.sqlite")} << headerOnly << "no sentences";
        QTest::addRow("CSV file missing") << QStringList{"--csv-in", path("none.csv"), path("n.sqlite")}
                                          << path("none.csv") << "cannot be read";
        QTest::addRow("import into a file not ours")
            << QStringList{"--csv-in", good, notOurs} << notOurs << "damaged";
        QTest::addRow("export of a file not ours")
            << QStringList{"--csv-out", notOurs, path("x.csv")} << notOurs << "damaged";
        QTest::addRow("export of a file of no bytes")
            << QStringList{"--csv-out", noBytes, path("z.csv")} << noBytes << "is empty";
        QTest::addRow("import into a file of no bytes")
            << QStringList{"--csv-in", good, noBytes} << noBytes << "is empty";
        QTest::addRow("export of a missing database")
            << QStringList{"--csv-out", missing, path("y.csv")} << missing << "does not exist";
        QTest::addRow("memory of a file not ours")
            << QStringList{"--memory-out", notOurs, path("m.csv")} << notOurs << "damaged";
        QTest::addRow("answers of a missing database")
            << QStringList{"--answers-out", missing, path("a.csv")} << missing << "does not exist";
        // A file of the layout before the memory, which the tool only reads and leaves so.
        const QString older = path(QStringLiteral("older.sqlite"));
        if (!QFileInfo::exists(older)) {
            store::Database::create(older);
            store::Database db(older);
            QSqlQuery q(db.db());
            for (const char* sql :
                 {"DROP TABLE memory_states", "DROP TABLE answer_log", "DROP TABLE memory_settings",
                  "DROP INDEX test1_newcomers", "PRAGMA user_version = 4"})
                QVERIFY(q.exec(QLatin1String(sql)));
        }
        for (const char* option : {"--memory-out", "--answers-out"})
            QTest::addRow("%s of a file without a memory", option)
                << QStringList{option, older, path("o.csv")} << older << "no memory of the sentences yet";
    }
    void unusableInputsAreRefused() {
        QFETCH(QStringList, args);
        QFETCH(QString, named);
        QFETCH(QString, reason);
        const QStringList before = filesIn(dir.path());
        const QByteArray notOurs = readAll(path(QStringLiteral("notours.sqlite")));
        const QByteArray namedBefore = readAll(named);
        const ToolRun run = runTool(args);
        QVERIFY(!run.crashed());
        QCOMPARE(run.code, 1);
        QVERIFY2(run.errText().startsWith(named) && run.errText().contains(reason), run.err.constData());
        QCOMPARE(filesIn(dir.path()), before);
        QCOMPARE(readAll(path(QStringLiteral("notours.sqlite"))), notOurs);
        QCOMPARE(readAll(named), namedBefore);
        QCOMPARE(QFileInfo(path(QStringLiteral("nobytes.sqlite"))).size(), 0);
    }

    void wrongArgumentsGiveTheUsage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addRow("none") << QStringList{};
        QTest::addRow("three paths") << QStringList{"a.mdb", "b.sqlite", "c"};
        QTest::addRow("unknown option") << QStringList{"--csv", "a.sqlite", "b.csv"};
        QTest::addRow("option without its files") << QStringList{"--csv-in", "a.csv"};
        QTest::addRow("help with more") << QStringList{"--help", "a.mdb"};
        QTest::addRow("force with --csv-in") << QStringList{"--csv-in", "--force", "a.csv", "b.sqlite"};
        QTest::addRow("force with an old file") << QStringList{"--force", "a.mdb", "b.sqlite"};
        QTest::addRow("force twice") << QStringList{"--csv-out", "--force", "a.sqlite", "b.csv", "--force"};
    }
    void wrongArgumentsGiveTheUsage() {
        QFETCH(QStringList, args);
        const QStringList before = filesIn(QDir::currentPath());
        const ToolRun run = runTool(args);
        QCOMPARE(run.code, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.errText().contains(QStringLiteral("Usage:")), run.err.constData());
        QCOMPARE(filesIn(QDir::currentPath()), before);
    }

    void helpExplainsTheThreeUses() {
        const ToolRun run = runTool({QStringLiteral("--help")});
        QCOMPARE(run.code, 0);
        QVERIFY(run.err.isEmpty());
        for (const char* use : {"SOURCE.mdb TARGET.sqlite", "--csv-out [--force] DB.sqlite FILE.csv",
                                "--csv-in FILE.csv DB.sqlite"})
            QVERIFY2(run.out.contains(use), use);
    }
};

QTEST_GUILESS_MAIN(MaterialToolTest)
#include "test_material_tool.moc"
