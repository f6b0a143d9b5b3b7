// The history in the database file: a run written answer by answer and read back as it was
// written, an answer's history row and failed item written together, refused writes kept and
// written later (told once per run, without stopping it), a file without the history, sentence
// identities, and the export to CSV.
#include <QSqlQuery>
#include <QtTest>

#include "progress/history_csv.h"
#include "progress/progress_model.h"
#include "progress/run_history.h"
#include "store/csv.h"
#include "test_database.h"

using namespace progress;

namespace {

const QDateTime kStart(QDate(2026, 12, 1), QTime(18, 30), Qt::UTC);

QVariant scalar(store::Database& db, const QString& sql) {
    QSqlQuery q(db.db());
    if (!q.exec(sql) || !q.next()) return QStringLiteral("<no row>");
    return q.value(0);
}

void exec(store::Database& db, const QString& sql) {
    QSqlQuery q(db.db());
    if (!q.exec(sql)) store::throwQueryError(q);
}

void refuseAnswers(store::Database& db) {
    exec(db, QStringLiteral("CREATE TRIGGER plurquiz_refuse BEFORE INSERT ON test_answers BEGIN "
                            "SELECT RAISE(ABORT, 'refused'); END"));
}

struct HistoryFile {
    QTemporaryDir dir;
    QString path = makeDatabase(dir, {{1, 100, 1, "1", "1", "B"}, {2, 200, 2, "2", "0", "A"}});
};

}  // namespace

class RunHistoryTest : public QObject {
    Q_OBJECT
private slots:
    void aRunIsWrittenAsItGoesAndReadBackAsWritten() {
        HistoryFile f;
        store::Database db(f.path);
        RunRecorder r;
        r.begin(kStart, {true, 20, 10});
        QCOMPARE(scalar(db, QStringLiteral("SELECT count(*) FROM test_runs")).toInt(),
                 0);  // not before an answer
        QVERIFY(r.answer(db, {{1, QStringLiteral("B"), QStringLiteral("B"), true, 4.26}}));
        QCOMPARE(
            scalar(db, QStringLiteral("SELECT presented || '/' || correct || ' ' || ifnull(ended_at, '-') "
                                      "FROM test_runs")),
            QVariant(QStringLiteral("1/1 -")));
        QVERIFY(r.answer(db, {{2, QStringLiteral("0"), QStringLiteral("A"), false, 10}}));
        QVERIFY(r.finish(db, kStart.addSecs(95), 2, 1));

        const History h = loadHistory(db);
        QCOMPARE(h.runs.size(), size_t(1));
        const RunRecord& run = h.runs[0];
        QCOMPARE(run.started, kStart);
        QCOMPARE(run.ended, kStart.addSecs(95));
        QVERIFY(run.inOrder);
        QCOMPARE(run.runLength, 20);
        QCOMPARE(run.delaySeconds, 10);
        QCOMPARE(run.presented, 2);
        QCOMPARE(run.correct, 1);
        QCOMPARE(h.answers.size(), size_t(2));
        QCOMPARE(h.answers[0].serial, 1);
        QCOMPARE(h.answers[0].chosen, qint8(1));
        QVERIFY(h.answers[0].correct);
        QCOMPARE(h.answers[1].chosen, qint8(-1));  // no letter chosen
        QCOMPARE(scalar(db, QStringLiteral("SELECT typeof(chosen) || ' ' || seconds FROM test_answers "
                                           "WHERE position = 2")),
                 QVariant(QStringLiteral("null 10.0")));
        QCOMPARE(scalar(db, QStringLiteral("SELECT seconds FROM test_answers WHERE position = 1")).toDouble(),
                 4.3);
        QCOMPARE(scalar(db, QStringLiteral("SELECT started_at FROM test_runs")).toString(),
                 QStringLiteral("2026-12-01T18:30:00Z"));
    }

    // Letters go in and come out exactly as the test compared them.
    void lettersAsStored_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("right");
        QTest::addColumn<int>("chosenIndex");
        QTest::addColumn<int>("rightIndex");
        QTest::addRow("D of D") << "D"
                                << "D" << 3 << 3;
        QTest::addRow("none where C") << "0"
                                      << "C" << -1 << 2;
        QTest::addRow("a lower-case right letter is none of A-D") << "B"
                                                                  << "b" << 1 << -1;
        QTest::addRow("an empty right letter") << "A"
                                               << "" << 0 << -1;
        QTest::addRow("two letters") << "A"
                                     << "AB" << 0 << -1;
    }
    void lettersAsStored() {
        QFETCH(QString, chosen);
        QFETCH(QString, right);
        QFETCH(int, chosenIndex);
        QFETCH(int, rightIndex);
        HistoryFile f;
        store::Database db(f.path);
        RunRecorder r;
        r.begin(kStart, {});
        QVERIFY(r.answer(db, {{32767, chosen, right, false, 1}}));
        const History h = loadHistory(db);
        QCOMPARE(h.answers.size(), size_t(1));
        QCOMPARE(int(h.answers[0].chosen), chosenIndex);
        QCOMPARE(int(h.answers[0].right), rightIndex);
        QCOMPARE(h.answers[0].serial, 32767);
    }

    void runsAndTheirAnswersStayApart() {
        HistoryFile f;
        store::Database db(f.path);
        for (int run = 0; run < 3; ++run) {
            RunRecorder r;
            r.begin(kStart.addDays(run), {});
            for (int i = 0; i <= run; ++i)
                r.answer(db, {{run + 1, QStringLiteral("A"), QStringLiteral("A"), true, 1}});
            if (run != 1) r.finish(db, kStart.addDays(run).addSecs(60), run + 1, run + 1);
        }
        const History h = loadHistory(db);
        QCOMPARE(h.runs.size(), size_t(3));
        QVERIFY(!h.runs[1].evaluated());  // left before its evaluation
        QList<int> runOfAnswer;
        for (const AnswerRecord& a : h.answers) runOfAnswer << a.run * 10 + a.serial;
        QCOMPARE(runOfAnswer, (QList<int>{1, 12, 12, 23, 23, 23}));
    }

    // A refused write keeps its answers (with their failed items) and writes them with the next
    // write that succeeds; the learner is told once per run, and a run left with answers still
    // kept says how many.
    void refusedAnswersAreKeptUntilAWriteSucceeds_data() {
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<bool>("freedBeforeTheEnd");
        QTest::addColumn<QString>("written");  // positions in the history
        QTest::addColumn<int>("failedItems");
        QTest::addColumn<int>("unwritten");  // counted when the run is left
        QTest::addRow("a lock, freed: all written") << "lock" << true << "1,2,3,4" << 3 << 0;
        QTest::addRow("a lock to the end: counted") << "lock" << false << "1" << 1 << 3;
        QTest::addRow("a rule of the file, lifted") << "rule" << true << "1,2,3,4" << 3 << 0;
    }
    void refusedAnswersAreKeptUntilAWriteSucceeds() {
        QFETCH(QString, refusal);
        QFETCH(bool, freedBeforeTheEnd);
        QFETCH(QString, written);
        QFETCH(int, failedItems);
        QFETCH(int, unwritten);
        HistoryFile f;
        store::Database db(f.path);
        store::Database other(f.path);
        auto wrong = [](int serial) {
            FailedItem item;
            item.chosen = QStringLiteral("A");
            item.sentence = QStringLiteral("Sentence %1 ...").arg(serial);
            item.right = QStringLiteral("B");
            return AnswerUnit({serial, QStringLiteral("A"), QStringLiteral("B"), false, 2}, item);
        };
        auto failedItemCount = [&] {
            return scalar(db, QStringLiteral("SELECT count(*) - 1 FROM hiba1")).toInt();
        };
        RunRecorder r;
        r.begin(kStart, {});
        QVERIFY(r.answer(db, wrong(1)));
        if (refusal == QLatin1String("lock"))
            exec(other, QStringLiteral("BEGIN IMMEDIATE"));  // another program writing
        else
            refuseAnswers(db);
        QVERIFY(!r.answer(db, wrong(2)));  // neither its history row nor its failed item
        QCOMPARE(failedItemCount(), 1);
        QVERIFY(r.takeFailureNotice());
        QVERIFY(!r.answer(db, {{1, QStringLiteral("B"), QStringLiteral("B"), true, 2}}));
        QVERIFY(!r.takeFailureNotice());  // told already in this run
        QCOMPARE(r.unwritten(), 2);
        if (freedBeforeTheEnd) {
            if (refusal == QLatin1String("lock"))
                exec(other, QStringLiteral("ROLLBACK"));
            else
                exec(db, QStringLiteral("DROP TRIGGER plurquiz_refuse"));
            QVERIFY(r.answer(db, wrong(2)));
            QCOMPARE(r.unwritten(), 0);
        } else {
            QVERIFY(!r.answer(db, wrong(2)));
        }
        QCOMPARE(r.finish(db, kStart.addSecs(60), 4, 1), freedBeforeTheEnd);
        QCOMPARE(r.settle(&db), unwritten);
        if (!freedBeforeTheEnd) exec(other, QStringLiteral("ROLLBACK"));
        QCOMPARE(scalar(db, QStringLiteral("SELECT group_concat(position) FROM "
                                           "(SELECT position FROM test_answers ORDER BY position)"))
                     .toString(),
                 written);
        QCOMPARE(failedItemCount(), failedItems);
        if (freedBeforeTheEnd)
            QCOMPARE(
                scalar(db, QStringLiteral("SELECT presented || '/' || correct || ' ' || (ended_at IS NOT "
                                          "NULL) FROM test_runs"))
                    .toString(),
                QStringLiteral("4/1 1"));

        // The next run is told again.
        r.begin(kStart.addDays(1), {});
        refuseAnswers(other);
        QVERIFY(!r.answer(db, {{1, QStringLiteral("B"), QStringLiteral("B"), true, 2}}));
        QVERIFY(r.takeFailureNotice());
    }

    // The failed item and the history row of one answer are stored together or not at all,
    // whichever of the two the file refuses.
    void anAnswersTwoRowsAreWrittenTogether_data() {
        QTest::addColumn<QString>("refusedTable");
        QTest::addRow("the history refused") << "test_answers";
        QTest::addRow("the failed item refused") << "hiba1";
    }
    void anAnswersTwoRowsAreWrittenTogether() {
        QFETCH(QString, refusedTable);
        HistoryFile f;
        store::Database db(f.path);
        exec(db,
             QStringLiteral(
                 "CREATE TRIGGER plurquiz_refuse BEFORE INSERT ON %1 BEGIN SELECT RAISE(ABORT, 'refused'); "
                 "END")
                 .arg(refusedTable));
        RunRecorder r;
        r.begin(kStart, {});
        const AnswerUnit unit({1, QStringLiteral("0"), QStringLiteral("B"), false, 2}, FailedItem{});
        QVERIFY_THROWS_EXCEPTION(store::StoreError, r.answer(db, unit, RunRecorder::IfRefused::Throw));
        QCOMPARE(r.unwritten(), 0);  // the caller offers it again
        QVERIFY(!r.answer(db, unit));
        QCOMPARE(r.unwritten(), 1);
        QCOMPARE(scalar(db, QStringLiteral("SELECT (SELECT count(*) FROM hiba1) || '/' || "
                                           "(SELECT count(*) FROM test_answers) || '/' || "
                                           "(SELECT count(*) FROM test_runs)"))
                     .toString(),
                 QStringLiteral("1/0/0"));  // the placeholder alone
        exec(db, QStringLiteral("DROP TRIGGER plurquiz_refuse"));
        QVERIFY(r.answer(db, unit));
        QCOMPARE(scalar(db, QStringLiteral("SELECT (SELECT count(*) FROM hiba1) || '/' || "
                                           "(SELECT group_concat(position) FROM test_answers)"))
                     .toString(),
                 QStringLiteral("3/1,2"));
    }

    void aRunWhoseEveryAnswerWasRefusedStillGetsItsEvaluation() {
        HistoryFile f;
        store::Database db(f.path);
        refuseAnswers(db);
        RunRecorder r;
        r.begin(kStart, {false, 20, 0});
        QVERIFY(!r.answer(db, {{1, QStringLiteral("B"), QStringLiteral("B"), true, 2}}));
        QCOMPARE(scalar(db, QStringLiteral("SELECT count(*) FROM test_runs")).toInt(),
                 0);  // rolled back with it
        QVERIFY(r.finish(db, kStart.addSecs(30), 1, 1));
        const History h = loadHistory(db);
        QCOMPARE(h.runs.size(), size_t(1));
        QVERIFY(h.runs[0].evaluated());
        QCOMPARE(h.runs[0].presented, 1);
        QVERIFY(h.answers.empty());
    }

    void aFileWithoutTheHistoryTablesHasAnEmptyHistory() {
        HistoryFile f;
        {
            store::Database db(f.path);
            exec(db, QStringLiteral("DROP TABLE test_answers"));
        }
        store::Database db(f.path, true);
        QVERIFY(loadHistory(db).empty());
        RunRecorder r;
        r.begin(kStart, {});
        QVERIFY(
            !r.answer(db, {{1, QStringLiteral("B"), QStringLiteral("B"), true, 2}}));  // refused, not thrown
        QVERIFY(r.takeFailureNotice());
    }

    // The history knows a sentence by its identity: an edit of its serial or its text keeps its
    // answers with it; a sentence added under the serial of a deleted one starts afresh, and the
    // deleted one keeps its answers under its last serial.
    void answersFollowTheSentenceNotItsSerial_data() {
        QTest::addColumn<QString>("change");  // statements, one by one
        QTest::addColumn<int>("answeredAfter");
        QTest::addColumn<QStringList>("missed");  // serial:wrong:still in the table, most missed first
        QTest::addRow("renumbered") << "UPDATE test1 SET sorszam = 9 WHERE sorszam = 2" << 9
                                    << QStringList{"9:3:1"};
        QTest::addRow("text edited") << "UPDATE test1 SET mondat = 'Otra ...' WHERE sorszam = 2" << 2
                                     << QStringList{"2:3:1"};
        QTest::addRow("the last deleted, New gives its serial again")
            << "DELETE FROM test1 WHERE sorszam = 2; INSERT INTO test1 (sorszam, mondat) VALUES (2, 'Nueva "
               "...')"
            << 2 << QStringList{"2:2:0", "2:1:1"};
        QTest::addRow("replaced in place")
            << "INSERT OR REPLACE INTO test1 (sorszam, mondat) VALUES (2, 'Nueva ...')" << 2
            << QStringList{"2:2:0", "2:1:1"};
        QTest::addRow("deleted, the file compacted, then New")
            << "DELETE FROM test1 WHERE sorszam = 2; VACUUM; INSERT INTO test1 (sorszam) VALUES (2)" << 2
            << QStringList{"2:2:0", "2:1:1"};
        QTest::addRow("renumbered over another (UPDATE OR REPLACE)")
            << "UPDATE OR REPLACE test1 SET sorszam = 1 WHERE sorszam = 2" << 1 << QStringList{"1:3:1"};
        QTest::addRow("renumbered to the serial of a deleted one")
            << "DELETE FROM test1 WHERE sorszam = 1; UPDATE test1 SET sorszam = 1 WHERE sorszam = 2" << 1
            << QStringList{"1:3:1"};
    }
    void answersFollowTheSentenceNotItsSerial() {
        QFETCH(QString, change);
        QFETCH(int, answeredAfter);
        QFETCH(QStringList, missed);
        HistoryFile f;
        store::Database db(f.path);
        RunRecorder r;
        r.begin(kStart, {});
        for (int i = 0; i < 2; ++i)
            QVERIFY(r.answer(db, {{2, QStringLiteral("B"), QStringLiteral("A"), false, 1}}));
        QVERIFY(r.answer(db, {{1, QStringLiteral("B"), QStringLiteral("B"), true, 1}}));
        for (const QString& statement : change.split(QStringLiteral("; "))) exec(db, statement);
        QVERIFY(r.answer(db, {{answeredAfter, QStringLiteral("B"), QStringLiteral("A"), false, 1}}));
        QVERIFY(r.finish(db, kStart.addSecs(60), 4, 1));

        const ProgressModel m = ProgressModel::load(db);
        QStringList got;
        for (const Missed& s : m.mostMissed())
            got << QStringLiteral("%1:%2:%3").arg(s.serial).arg(s.wrong).arg(s.present ? 1 : 0);
        QCOMPARE(got, missed);
        if (change.contains(QLatin1String("Otra")))
            QCOMPARE(m.mostMissed()[0].sentence, QStringLiteral("Otra ..."));
        // Every sentence in the table has an identity of its own, and no two share one.
        QCOMPARE(scalar(db, QStringLiteral("SELECT count(*) FROM test1 JOIN sentences ON serial = sorszam")),
                 scalar(db, QStringLiteral("SELECT count(*) FROM test1")));
        // The export shows the same grouping: one identity per sentence, today's serial or the last.
        const QString csv = f.dir.filePath(QStringLiteral("history.csv"));
        exportHistoryCsv(db, csv, [](int) { return QString(); });
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const std::vector<store::CsvRecord> records = store::parseCsv(QString::fromUtf8(file.readAll()));
        QStringList wrongBySentence;
        for (size_t i = 1; i < records.size(); ++i)
            if (records[i].fields[16] == QLatin1String("0"))
                wrongBySentence << records[i].fields[10] + QLatin1Char('#') + records[i].fields[9];
        QCOMPARE(wrongBySentence.size(), 3);
        QCOMPARE(QSet<QString>(wrongBySentence.begin(), wrongBySentence.end()).size(), missed.size());
    }

    void theExportHasAHeaderAndALinePerAnswer() {
        HistoryFile f;
        store::Database db(f.path);
        RunRecorder r;
        r.begin(kStart, {true, 20, 10});
        r.answer(db, {{1, QStringLiteral("0"), QStringLiteral("B"), false, 12.04}});
        r.answer(db, {{2, QStringLiteral("A"), QStringLiteral("A"), true, 3}});
        r.finish(db, kStart.addSecs(40), 2, 1);
        r.begin(kStart.addDays(1), {});
        refuseAnswers(db);
        r.answer(db, {{1, QStringLiteral("B"), QStringLiteral("B"), true, 1}});
        r.finish(db, kStart.addDays(1).addSecs(10), 1, 1);

        const QString csv = f.dir.filePath(QStringLiteral("history.csv"));
        QCOMPARE(exportHistoryCsv(db, csv, [](int topic) { return QStringLiteral("topic %1").arg(topic); }),
                 3);
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const std::vector<store::CsvRecord> records = store::parseCsv(QString::fromUtf8(file.readAll()));
        QCOMPARE(records.size(), size_t(4));
        QCOMPARE(records[0].fields, historyCsvColumns());
        const QString local = kStart.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        QCOMPARE(
            records[1].fields,
            (QStringList{"1", local,
                         kStart.addSecs(40).toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                         "in order", "20", "10", "2", "1", "1", "1", "1", "1", "topic 1", "Sentence 1 ...",
                         "", "B", "0", "12.0"}));
        QCOMPARE(records[2].fields[12], QStringLiteral("topic 8"));  // kulcs1 2: nouns, item 8
        QCOMPARE(records[2].fields.mid(14), (QStringList{"A", "A", "1", "3.0"}));
        // A run none of whose answers could be stored still has its line.
        QCOMPARE(records[3].fields.mid(0, 1) + records[3].fields.mid(3, 1) + records[3].fields.mid(8),
                 (QStringList{"2", "random", "", "", "", "", "", "", "", "", "", ""}));
    }

    void aFailedExportLeavesTheFileAsItWas() {
        HistoryFile f;
        const QString csv = f.dir.filePath(QStringLiteral("history.csv"));
        QFile old(csv);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("kept\n");
        old.close();
        {
            store::Database db(f.path);
            exec(db, QStringLiteral("DROP TABLE test_runs"));
        }
        store::Database db(f.path, true);
        QVERIFY_THROWS_EXCEPTION(store::StoreError, exportHistoryCsv(db, csv, [](int) { return QString(); }));
        QCOMPARE(fileBytes(csv), QByteArray("kept\n"));
        // A folder that is not there.
        QVERIFY_THROWS_EXCEPTION(store::StoreError,
                                 exportHistoryCsv(db, f.dir.filePath(QStringLiteral("no/such/folder.csv")),
                                                  [](int) { return QString(); }));
    }
};

QTEST_GUILESS_MAIN(RunHistoryTest)
#include "test_run_history.moc"
