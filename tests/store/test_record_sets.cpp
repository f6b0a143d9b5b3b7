// Record sets: the moves, flags, errors and searches the windows rely on.
#include <QtTest>

#include "store/bound_view.h"
#include "store/random_pick.h"
#include "store/snapshot.h"
#include "store/table_view.h"
#include "test_database.h"

using namespace store;

namespace {
QList<int> serials(RowCursor& set) {
    QList<int> out;
    if (set.recordCount() == 0) return out;
    set.moveFirst();
    while (!set.eof()) {
        out << set.field(QStringLiteral("SORSZAM")).toInt();
        set.moveNext();
    }
    return out;
}
QList<int> serials(Snapshot&& set) {
    return serials(static_cast<RowCursor&>(set));
}
}  // namespace

class RecordSetsTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString path;

private slots:
    void initTestCase() {
        path = makeDatabase(dir, {{1, 900, 1, "1", "1"},
                                  {2, 300, 2, "1", "2"},
                                  {3, 2800, 3, "2", "0"},
                                  {4, 300, 1, "a", "1", "a"},
                                  {5, 1500, 2, "9", "9"}});
    }

    void naturalOrderIsShuffledOrderThenSerial() {
        Database db(path);
        Snapshot s = Snapshot::ofTable(db, QStringLiteral("Test1"));
        QCOMPARE(serials(s), (QList<int>{2, 4, 1, 5, 3}));
        BoundView v(db, QStringLiteral("TEST1"));
        QCOMPARE(serials(v), (QList<int>{2, 4, 1, 5, 3}));
    }

    void tableAndFieldNamesIgnoreLetterCase() {
        Database db(path);
        Snapshot upper = Snapshot::ofTable(db, QStringLiteral("TEST1"), QStringLiteral("Szint = 2"));
        Snapshot lower = Snapshot::ofTable(db, QStringLiteral("test1"), QStringLiteral("szint = 2"));
        QCOMPARE(serials(upper), serials(lower));
        QCOMPARE(serials(upper), (QList<int>{2, 5}));
        QVERIFY_THROWS_EXCEPTION(StoreError, Snapshot::ofTable(db, QStringLiteral("test2")));
        QVERIFY_THROWS_EXCEPTION(StoreError, upper.field(QStringLiteral("nivel")));
    }

    void sortedAndFilteredCopiesLeaveTheOriginal() {
        Database db(path);
        Snapshot all = Snapshot::ofTable(db, QStringLiteral("Test1"));
        all.setSort(QStringLiteral("sorszam"));
        Snapshot sorted = all.copy();
        QCOMPARE(serials(sorted), (QList<int>{1, 2, 3, 4, 5}));
        QCOMPARE(serials(all), (QList<int>{2, 4, 1, 5, 3}));
        sorted.setFilter(QStringLiteral("kulcs1 = '1'"));
        sorted.setFilter(QStringLiteral("szint = 1"));  // replaces, does not narrow
        Snapshot filtered = sorted.copy();
        QCOMPARE(serials(filtered), (QList<int>{1, 4}));
    }

    void sortedCopyOfATextFieldIgnoresCaseAndKeepsTheOrderOfEquals() {
        QTemporaryDir own;
        const QString file = makeDatabase(
            own, {{1, 10, 1, "b"}, {2, 20, 1, "Á"}, {3, 30, 1, "á"}, {4, 40, 1, "B"}, {5, 5, 1, "a"}});
        Database db(file);
        Snapshot all = Snapshot::ofTable(db, QStringLiteral("test1"));
        all.setSort(QStringLiteral("KULCS1"));
        Snapshot sorted = all.copy();
        QCOMPARE(serials(sorted), (QList<int>{5, 1, 4, 2, 3}));
        // Sorting by the order's own key again changes nothing.
        sorted.setSort(QStringLiteral("kulcs1"));
        QCOMPARE(serials(sorted.copy()), (QList<int>{5, 1, 4, 2, 3}));
        all.setSort(QStringLiteral("nivel"));
        QVERIFY_THROWS_EXCEPTION(StoreError, all.copy());
    }

    // A snapshot holds its rows and their order from when it was made, and reads a row's fields
    // when the row is first looked at; copies and searches go by what it has read.
    void aSnapshotKeepsItsRowsAndReadsFieldsWhenLookedAt() {
        QTemporaryDir own;
        const QString file = makeDatabase(own, {{1, 10}, {2, 20}, {3, 30}});
        Database mine(file), theirs(file);
        Snapshot s = Snapshot::ofTable(mine, QStringLiteral("test1"));
        QCOMPARE(s.field(QStringLiteral("mondat")).toString(), QStringLiteral("Sentence 1 ..."));
        QSqlQuery q(theirs.db());
        QVERIFY(q.exec(QStringLiteral(
            "UPDATE test1 SET mondat = 'Changed ' || sorszam || ' ...', sorrend2 = 100 - sorrend2")));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO test1 (sorszam, sorrend2, kulcs1) VALUES (4, 1, '1')")));
        QVERIFY(q.exec(QStringLiteral("DELETE FROM test1 WHERE sorszam = 3")));

        QCOMPARE(s.field(QStringLiteral("mondat")).toString(), QStringLiteral("Sentence 1 ..."));
        s.moveNext();
        QCOMPARE(s.field(QStringLiteral("mondat")).toString(), QStringLiteral("Changed 2 ..."));
        s.moveNext();
        QVERIFY_THROWS_EXCEPTION(StoreError, s.field(QStringLiteral("mondat")));
        QCOMPARE(s.recordCount(), 3);

        // The row stored later is in no copy; the deleted one satisfies no filter.
        s.setFilter(QStringLiteral("kulcs1 = '1'"));
        QCOMPARE(serials(s.copy()), (QList<int>{1, 2}));
        s.setFilter(QStringLiteral("mondat = 'SENTENCE 1 ...' or mondat = 'changed 2 ...'"));
        QCOMPARE(serials(s.copy()), (QList<int>{1, 2}));
        s.setFilter(QStringLiteral("mondat = 'changed 1 ...'"));
        QCOMPARE(s.copy().recordCount(), 0);
        // Rows keep the order they had; sorting by sorrend2 again leaves it.
        s.setFilter(QString());
        s.setSort(QStringLiteral("sorrend2"));
        Snapshot again = s.copy();
        QCOMPARE(again.recordCount(), 3);
        QCOMPARE(again.field(QStringLiteral("sorszam")).toInt(), 1);
        s.moveFirst();
        s.findNext(QStringLiteral("mondat = 'Changed 1 ...'"));
        QVERIFY(s.noMatch());
        s.findFirst(QStringLiteral("mondat = 'changed 2 ...'"));
        QCOMPARE(s.field(QStringLiteral("sorszam")).toInt(), 2);
    }

    void searchesReachPastTheNearRows() {
        QTemporaryDir own;
        std::vector<TestRow> rows;
        for (int i = 1; i <= 300; ++i) rows.push_back({i, i});
        rows[9].kulcs1 = QStringLiteral("Á");
        rows[199].kulcs1 = QStringLiteral("Á");
        rows[289].kulcs1 = QStringLiteral("á");
        Database db(makeDatabase(own, rows));
        Snapshot s = Snapshot::ofTable(db, QStringLiteral("test1"));
        s.findFirst(QStringLiteral("kulcs1 = 'á'"));
        QCOMPARE(s.field(QStringLiteral("sorszam")).toInt(), 10);
        s.findNext(QStringLiteral("kulcs1 = 'á'"));
        QCOMPARE(s.field(QStringLiteral("sorszam")).toInt(), 200);
        s.findNext(QStringLiteral("kulcs1 = 'á' and sorrend2 > 250"));
        QCOMPARE(s.field(QStringLiteral("sorszam")).toInt(), 290);
        s.findNext(QStringLiteral("kulcs1 = 'á'"));
        QVERIFY(s.noMatch());
        QCOMPARE(s.field(QStringLiteral("sorszam")).toInt(), 290);
        s.moveLast();
        s.findNext(QStringLiteral("sorrend2 > 0"));
        QVERIFY(s.noMatch());
        QCOMPARE(s.absolutePosition(), 299);
    }

    void emptyCopyIsValidButCannotMoveFirst() {
        Database db(path);
        Snapshot all = Snapshot::ofTable(db, QStringLiteral("Test1"));
        all.setFilter(QStringLiteral("kulcs1 = '7'"));
        Snapshot empty = all.copy();
        QCOMPARE(empty.recordCount(), 0);
        QVERIFY(empty.eof() && empty.bof());
        QVERIFY_THROWS_EXCEPTION(StoreError, empty.moveFirst());
        QVERIFY_THROWS_EXCEPTION(StoreError, empty.moveLast());
        QVERIFY_THROWS_EXCEPTION(StoreError, empty.field(QStringLiteral("sorszam")));
    }

    void movingPastTheEndsSetsTheFlagThenFails() {
        Database db(path);
        Snapshot s = Snapshot::ofTable(db, QStringLiteral("test1"));
        s.moveLast();
        s.moveNext();
        QVERIFY(s.eof());
        QVERIFY_THROWS_EXCEPTION(StoreError, s.field(QStringLiteral("sorszam")));
        QVERIFY_THROWS_EXCEPTION(StoreError, s.moveNext());
        s.movePrevious();
        QCOMPARE(s.field(QStringLiteral("sorszam")).toInt(), 3);
        s.moveFirst();
        s.movePrevious();
        QVERIFY(s.bof());
        QVERIFY_THROWS_EXCEPTION(StoreError, s.movePrevious());
        s.moveNext();
        QCOMPARE(s.field(QStringLiteral("sorszam")).toInt(), 2);
    }

    void findNextNeverTestsTheCurrentRow() {
        Database db(path);
        Snapshot s = Snapshot::ofTable(db, QStringLiteral("test1"));
        QCOMPARE(s.field(QStringLiteral("sorszam")).toInt(), 2);  // sorrend2 300: meets the condition
        s.findNext(QStringLiteral("sorrend2 > 0"));
        QVERIFY(!s.noMatch());
        QCOMPARE(s.field(QStringLiteral("sorszam")).toInt(), 4);
        s.findNext(QStringLiteral("sorrend2 > 2750"));
        QCOMPARE(s.field(QStringLiteral("sorszam")).toInt(), 3);
        // A miss leaves the position.
        s.findNext(QStringLiteral("sorrend2 > 2750"));
        QVERIFY(s.noMatch());
        QCOMPARE(s.field(QStringLiteral("sorszam")).toInt(), 3);
        s.findFirst(QStringLiteral("sorszam = 2"));
        QVERIFY(!s.noMatch());
        QCOMPARE(s.field(QStringLiteral("sorszam")).toInt(), 2);
        QVERIFY_THROWS_EXCEPTION(StoreError, s.findNext(QStringLiteral("sorszam = 'x'")));
    }

    void seekMissesQuietlyAndKeepsThePlace() {
        Database db(path);
        TableView t(db, QStringLiteral("test1"));
        t.selectIndex(QStringLiteral("Sorszam"));
        t.seek(4);
        QVERIFY(!t.noMatch());
        QCOMPARE(t.field(QStringLiteral("kulcs1")).toString(), QStringLiteral("a"));
        t.seek(99);
        QVERIFY(t.noMatch());
        QCOMPARE(t.field(QStringLiteral("sorszam")).toInt(), 4);
        QVERIFY_THROWS_EXCEPTION(StoreError, t.selectIndex(QStringLiteral("szint")));
        QCOMPARE(largestSerial(db), 5);
    }

    void randomPickSkipsGapsEvenly() {
        QTemporaryDir own;
        const QString file = makeDatabase(own, {{1, 10}, {2, 20}, {5, 30}});
        Database db(file);
        TableView t(db, QStringLiteral("test1"));
        t.selectIndex(QStringLiteral("sorszam"));
        base::RandomSource random(2026);
        QMap<int, int> seen;
        const int draws = 3000;
        for (int i = 0; i < draws; ++i) {
            const int n = pickRandomRow(t, largestSerial(db), random);
            QCOMPARE(t.field(QStringLiteral("sorszam")).toInt(), n);
            ++seen[n];
        }
        QCOMPARE(seen.keys(), (QList<int>{1, 2, 5}));
        // Each a third; 3000 draws keep every share within 1000 +- 100 (over 5 standard deviations).
        for (int n : seen) QVERIFY2(qAbs(n - draws / 3) < 100, qPrintable(QString::number(n)));
        QVERIFY_THROWS_EXCEPTION(StoreError, pickRandomRow(t, 0, random));
    }

    void tableViewMovesInIndexOrder() {
        Database db(path);
        TableView t(db, QStringLiteral("test1"));
        t.selectIndex(QStringLiteral("sorrend"));
        t.moveFirst();
        QList<int> order;
        while (!t.eof()) {
            order << t.field(QStringLiteral("sorszam")).toInt();
            t.moveNext();
        }
        QCOMPARE(order, (QList<int>{1, 2, 3, 4, 5}));
        QVERIFY_THROWS_EXCEPTION(StoreError, t.moveNext());
        t.movePrevious();
        QCOMPARE(t.field(QStringLiteral("sorszam")).toInt(), 5);
    }

    void boundViewWritesThroughAndOthersSeeItOnRefresh() {
        QTemporaryDir own;
        const QString file = makeDatabase(own, {{1, 10}, {2, 20}});
        Database one(file), two(file);
        BoundView a(one, QStringLiteral("test1"));
        BoundView b(two, QStringLiteral("test1"));
        QCOMPARE(b.field(QStringLiteral("mondat")).toString(), QStringLiteral("Sentence 1 ..."));
        a.edit();
        a.setField(QStringLiteral("Mondat"), QStringLiteral("Cambiado"));
        a.update();
        a.addNew();
        a.setField(QStringLiteral("sorszam"), 3);
        a.setField(QStringLiteral("sorrend2"), 5);
        a.update();
        QCOMPARE(a.field(QStringLiteral("sorszam")).toInt(), 1);  // the current row stays current
        a.moveLast();
        QCOMPARE(a.field(QStringLiteral("sorszam")).toInt(), 3);  // the new row joined the end
        QCOMPARE(b.field(QStringLiteral("mondat")).toString(), QStringLiteral("Sentence 1 ..."));
        b.refresh();
        QCOMPARE(serials(b), (QList<int>{3, 1, 2}));
        b.moveFirst();
        b.moveNext();
        QCOMPARE(b.field(QStringLiteral("mondat")).toString(), QStringLiteral("Cambiado"));
    }

    void refusedUpdateIsAnErrorAndStoresNothing() {
        QTemporaryDir own;
        const QString file = makeDatabase(own, {{1, 10}, {2, 20}});
        Database db(file);
        BoundView v(db, QStringLiteral("test1"));
        v.edit();
        v.setField(QStringLiteral("sorszam"), 2);  // the serial number index is unique
        try {
            v.update();
            QFAIL("a duplicate serial number was stored");
        } catch (const StoreError& e) {
            QVERIFY(e.refused());
        }
        v.cancelUpdate();
        v.edit();
        v.setField(QStringLiteral("szint"), QStringLiteral("x"));
        QVERIFY_THROWS_EXCEPTION(StoreError, v.update());
        v.cancelUpdate();
        v.refresh();
        QCOMPARE(serials(v), (QList<int>{1, 2}));
        v.moveFirst();
        QCOMPARE(v.field(QStringLiteral("szint")).toInt(), 1);
    }

    void deleteLeavesNoCurrentRowUntilTheNextMove() {
        QTemporaryDir own;
        const QString file = makeDatabase(own, {{1, 10}, {2, 20}, {3, 30}});
        Database db(file);
        BoundView v(db, QStringLiteral("test1"));
        v.moveNext();
        v.deleteCurrent();
        QVERIFY_THROWS_EXCEPTION(StoreError, v.field(QStringLiteral("sorszam")));
        v.moveNext();
        QCOMPARE(v.field(QStringLiteral("sorszam")).toInt(), 3);
        QCOMPARE(v.recordCount(), 2);
        TableView t(db, QStringLiteral("test1"));
        t.selectIndex(QStringLiteral("sorszam"));
        t.seek(2);
        QVERIFY(t.noMatch());  // a deleted serial is a quiet miss
    }

    void failedItemLogKeepsInsertionOrder() {
        QTemporaryDir own;
        const QString file = makeDatabase(own, {});
        Database db(file);
        BoundView log(db, QStringLiteral("HIBA1"));
        QCOMPARE(log.recordCount(), 1);  // the placeholder
        for (const char* guess : {"B", "0", "D"}) {
            log.addNew();
            log.setField(QStringLiteral("hiba"), QString::fromLatin1(guess));
            log.update();
        }
        log.refresh();
        QStringList guesses;
        while (!log.eof()) {
            guesses << log.field(QStringLiteral("hiba")).toString();
            log.moveNext();
        }
        QCOMPARE(guesses, (QStringList{"0", "B", "0", "D"}));
        log.moveLast();
        QCOMPARE(log.absolutePosition(), 3);
    }
};

QTEST_GUILESS_MAIN(RecordSetsTest)
#include "test_record_sets.moc"
