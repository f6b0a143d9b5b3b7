// One contract for the three kinds of record set (snapshot, bound cursor, table view): the same
// flags, moves and errors on an empty set and at both ends; then what only the bound cursor
// promises: a pending edit follows the record it was made on, and every row is read the same way.
#include <QSqlQuery>
#include <QtTest>
#include <functional>

#include "store/bound_view.h"
#include "store/snapshot.h"
#include "store/table_view.h"
#include "test_database.h"

using namespace store;

namespace {

// The moves and reads every kind offers, behind one face.
struct AnySet {
    std::function<void()> first, last, next, previous;
    std::function<bool()> eof, bof;
    std::function<QVariant(const QString&)> field;
    std::shared_ptr<void> keep;
};

template <typename Set>
AnySet wrap(std::shared_ptr<Set> set) {
    return {[set] { set->moveFirst(); },
            [set] { set->moveLast(); },
            [set] { set->moveNext(); },
            [set] { set->movePrevious(); },
            [set] { return set->eof(); },
            [set] { return set->bof(); },
            [set](const QString& f) { return set->field(f); },
            set};
}

enum Kind { SnapshotKind, BoundKind, TableKind };

AnySet open(Kind kind, Database& db) {
    switch (kind) {
        case SnapshotKind:
            return wrap(std::make_shared<Snapshot>(Snapshot::ofTable(db, QStringLiteral("test1"))));
        case BoundKind:
            return wrap(std::make_shared<BoundView>(db, QStringLiteral("test1")));
        case TableKind: {
            auto t = std::make_shared<TableView>(db, QStringLiteral("test1"));
            t->selectIndex(QStringLiteral("sorszam"));
            return wrap(t);
        }
    }
    return {};
}

// Whether the call fails with the store's own error (and with nothing else).
bool storeError(const std::function<void()>& call) {
    try {
        call();
    } catch (const StoreError&) {
        return true;
    } catch (...) {
        return false;
    }
    return false;
}

int serial(const AnySet& s) {
    return s.field(QStringLiteral("sorszam")).toInt();
}

}  // namespace

class RecordSetContractTest : public QObject {
    Q_OBJECT

    void kinds() {
        QTest::addColumn<int>("kind");
        QTest::addRow("snapshot") << int(SnapshotKind);
        QTest::addRow("bound cursor") << int(BoundKind);
        QTest::addRow("table view") << int(TableKind);
    }

private slots:
    void anEmptySetHasBothFlagsAndNoRow_data() { kinds(); }
    void anEmptySetHasBothFlagsAndNoRow() {
        QFETCH(int, kind);
        QTemporaryDir dir;
        Database db(makeDatabase(dir, {}));
        AnySet s = open(Kind(kind), db);
        QVERIFY(s.bof());
        QVERIFY(s.eof());
        QVERIFY(storeError(s.first));
        QVERIFY(storeError(s.last));
        QVERIFY(storeError(s.next));
        QVERIFY(storeError(s.previous));
        QVERIFY(storeError([&] { s.field(QStringLiteral("sorszam")); }));
    }

    void theEndsSetAFlagThenFail_data() { kinds(); }
    void theEndsSetAFlagThenFail() {
        QFETCH(int, kind);
        QTemporaryDir dir;
        Database db(makeDatabase(dir, {{1, 10}, {2, 20}, {3, 30}}));
        AnySet s = open(Kind(kind), db);
        QVERIFY(!s.bof() && !s.eof());
        QCOMPARE(serial(s), 1);
        s.last();
        QCOMPARE(serial(s), 3);
        s.next();
        QVERIFY(s.eof() && !s.bof());
        QVERIFY(storeError([&] { s.field(QStringLiteral("sorszam")); }));
        QVERIFY(storeError(s.next));
        s.previous();
        QCOMPARE(serial(s), 3);
        s.first();
        s.previous();
        QVERIFY(s.bof() && !s.eof());
        QVERIFY(storeError([&] { s.field(QStringLiteral("mondat")); }));
        QVERIFY(storeError(s.previous));
        s.next();
        QCOMPARE(serial(s), 1);
        QVERIFY(storeError([&] { s.field(QStringLiteral("nivel")); }));
    }

    // A file may hold a text far longer than its field may be (written by another program): every
    // kind reads it cut to the limit, and the file keeps it whole.
    void aTextLongerThanItsFieldReadsCut_data() { kinds(); }
    void aTextLongerThanItsFieldReadsCut() {
        QFETCH(int, kind);
        QTemporaryDir dir;
        const QString path = makeDatabase(dir, {{1, 10}});
        Database db(path);
        QSqlQuery q(db.db());
        QVERIFY(q.exec(
            QStringLiteral("UPDATE test1 SET mondat = replace(hex(zeroblob(5000000)), '00', 'x') || '...', "
                           "a = replace(hex(zeroblob(201)), '00', 'y'), "
                           "b = replace(hex(zeroblob(200)), '00', 'z')")));
        AnySet s = open(Kind(kind), db);
        const QString sentence = s.field(QStringLiteral("mondat")).toString();
        QCOMPARE(sentence.size(), 1000);
        QVERIFY(sentence.startsWith(QStringLiteral("xxx")) && sentence.endsWith(QChar(0x2026)));
        QCOMPARE(s.field(QStringLiteral("a")).toString(), QString(199, u'y') + QChar(0x2026));
        QCOMPARE(s.field(QStringLiteral("b")).toString(), QString(200, u'z'));
        QCOMPARE(s.field(QStringLiteral("sorszam")).toInt(), 1);
        QVERIFY(q.exec(QStringLiteral("SELECT length(mondat) FROM test1")) && q.next());
        QCOMPARE(q.value(0).toInt(), 5000003);
    }

    void aPendingEditIsStoredIntoItsOwnRecordWhenTheCursorMoves_data() {
        QTest::addColumn<QString>("move");
        QTest::addRow("next") << "next";
        QTest::addRow("previous") << "previous";
        QTest::addRow("first") << "first";
        QTest::addRow("last") << "last";
        QTest::addRow("find next") << "find";
    }
    void aPendingEditIsStoredIntoItsOwnRecordWhenTheCursorMoves() {
        QFETCH(QString, move);
        QTemporaryDir dir;
        const QString file = makeDatabase(dir, {{1, 10}, {2, 20}, {3, 30}});
        Database db(file);
        BoundView v(db, QStringLiteral("test1"));
        v.moveNext();
        v.edit();
        v.setField(QStringLiteral("mondat"), QStringLiteral("Changed ..."));
        if (move == "next")
            v.moveNext();
        else if (move == "previous")
            v.movePrevious();
        else if (move == "first")
            v.moveFirst();
        else if (move == "last")
            v.moveLast();
        else
            v.findNext(QStringLiteral("sorszam = 3"));
        QVERIFY(!v.editing());
        Database other(file);
        Snapshot s = Snapshot::ofTable(other, QStringLiteral("test1"));
        QStringList sentences;
        for (s.moveFirst(); !s.eof(); s.moveNext()) sentences << s.field(QStringLiteral("mondat")).toString();
        QCOMPARE(sentences, (QStringList{"Sentence 1 ...", "Changed ...", "Sentence 3 ..."}));
    }

    void aRefusedPendingEditKeepsTheCursorAndTheEdit() {
        QTemporaryDir dir;
        Database db(makeDatabase(dir, {{1, 10}, {2, 20}}));
        BoundView v(db, QStringLiteral("test1"));
        v.edit();
        v.setField(QStringLiteral("sorszam"), 2);  // taken by the other row
        try {
            v.moveNext();
            QFAIL("moved with a refused edit");
        } catch (const StoreError& e) {
            QVERIFY(e.refused());
        }
        QVERIFY(v.editing());
        QCOMPARE(v.pendingField(QStringLiteral("sorszam")).toInt(), 2);
        v.setField(QStringLiteral("sorszam"), 7);
        v.moveNext();
        v.movePrevious();
        QCOMPARE(serial(wrap(std::shared_ptr<BoundView>(&v, [](BoundView*) {}))), 7);
    }

    void aNewRecordPendingWhenTheCursorMovesIsAdded() {
        QTemporaryDir dir;
        Database db(makeDatabase(dir, {{1, 10}}));
        BoundView v(db, QStringLiteral("test1"));
        v.addNew();
        v.setField(QStringLiteral("sorszam"), 2);
        v.setField(QStringLiteral("sorrend2"), 20);
        v.moveLast();
        QCOMPARE(v.field(QStringLiteral("sorszam")).toInt(), 2);
        QCOMPARE(v.recordCount(), 2);
    }

    void anUpdateWithoutACurrentRecordIsTheStoresError() {
        QTemporaryDir dir;
        Database db(makeDatabase(dir, {{1, 10}}));
        BoundView v(db, QStringLiteral("test1"));
        v.edit();
        v.setField(QStringLiteral("mondat"), QStringLiteral("x ..."));
        v.update();
        v.moveNext();
        QVERIFY(v.eof());
        QVERIFY(storeError([&] { v.edit(); }));
        QVERIFY(storeError([&] { v.update(); }));
        QVERIFY(storeError([&] { v.setField(QStringLiteral("mondat"), QStringLiteral("y")); }));
    }

    void everyRowShowsTheFileAsItWasWhenTheCursorArrived() {
        QTemporaryDir dir;
        const QString file = makeDatabase(dir, {{1, 10}, {2, 20}});
        Database mine(file), theirs(file);
        BoundView a(mine, QStringLiteral("test1"));
        QCOMPARE(a.field(QStringLiteral("mondat")).toString(), QStringLiteral("Sentence 1 ..."));
        a.moveNext();
        QCOMPARE(a.field(QStringLiteral("mondat")).toString(), QStringLiteral("Sentence 2 ..."));
        BoundView b(theirs, QStringLiteral("test1"));
        for (int row = 0; row < 2; ++row) {
            b.edit();
            b.setField(QStringLiteral("mondat"), QStringLiteral("Theirs %1 ...").arg(row + 1));
            b.update();
            b.moveNext();
        }
        // Where the cursor stands, nothing changes under it...
        QCOMPARE(a.field(QStringLiteral("mondat")).toString(), QStringLiteral("Sentence 2 ..."));
        // ...and a row it moves to, read before or not, is read as the file holds it now.
        a.movePrevious();
        QCOMPARE(a.field(QStringLiteral("mondat")).toString(), QStringLiteral("Theirs 1 ..."));
        a.moveNext();
        QCOMPARE(a.field(QStringLiteral("mondat")).toString(), QStringLiteral("Theirs 2 ..."));
    }
};

QTEST_GUILESS_MAIN(RecordSetContractTest)
#include "test_record_set_contract.moc"
