// Store benchmark on a synthetic test1 of 100,000 rows (three levels, ten kulcs1 and nine kulcs2
// codes spread evenly, sorrend2 random in 1-3000, every seventh serial number missing). It times
// what the practice window does: a selection rebuilt from the whole table at every choice, the
// window's load, a random Next, a search; and the reshuffle of every row. Each figure is the
// median of several runs; the target stands beside it. Figures before and after the store
// was made to filter in SQL: bench/README.md.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "app/reshuffle.h"
#include "bench_timing.h"
#include "store/bound_view.h"
#include "store/database.h"
#include "store/random_pick.h"
#include "store/schema.h"
#include "store/snapshot.h"
#include "store/table_view.h"

namespace {

constexpr int kRows = 100000;

QString makeTable(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("bench.sqlite"));
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-create"));
        db.setDatabaseName(path);
        db.open();
        store::createSchema(db, false);
        db.transaction();
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO test1 VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        base::RandomSource random(1);
        const char* topics[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "a"};
        for (int i = 1; i <= kRows; ++i) {
            // Every seventh serial number is missing, as after deletions.
            const int serial = i + i / 7;
            for (const QVariant& v : std::initializer_list<QVariant>{
                     serial, serial, random.draw1ToN(3000), random.draw1ToN(3),
                     QString::fromLatin1(topics[i % 10]), QString::number(i % 9),
                     QStringLiteral("Frase número %1 con su hueco ... en medio.").arg(i),
                     QStringLiteral("uno"), QStringLiteral("dos"), QStringLiteral("tres"),
                     QStringLiteral("cuatro"),
                     QStringLiteral("Frase número %1 con su hueco uno en medio. — nota").arg(i),
                     QStringLiteral("A")})
                q.addBindValue(v);
            q.exec();
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-create"));
    return path;
}

// The fields the practice window shows of the current sentence.
int readShown(const std::function<QVariant(const QString&)>& field) {
    int length = 0;
    for (const char* name : {"mondat", "a", "b", "c", "d", "felelet1", "felelet2", "sorszam"})
        length += static_cast<int>(field(QString::fromLatin1(name)).toString().size());
    return length;
}

// As the practice window builds its selection: the whole table, a copy sorted by sorrend2, a
// copy of that filtered by the choice, the first row shown, the count.
int selection(store::Database& db, const QString& condition) {
    store::Snapshot all = store::Snapshot::ofTable(db, QStringLiteral("Test1"));
    all.setSort(QStringLiteral("sorrend2"));
    store::Snapshot sorted = all.copy();
    sorted.setFilter(condition);
    store::Snapshot chosen = sorted.copy();
    chosen.moveFirst();
    return readShown([&](const QString& f) { return chosen.field(f); }) + chosen.recordCount();
}

int sink = 0;

void report(const char* what, double ms, const char* target) {
    std::printf("%-58s %8.2f ms  (target %s)\n", what, ms, target);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTemporaryDir dir;
    const QString path = makeTable(dir);
    std::printf("test1 with %d rows\n", kRows);
    {
        store::Database db(path);
        report("selection rebuild, a level (Szint = 2)",
               medianMs(9, [&] { sink += selection(db, QStringLiteral("Szint = 2")); }), "< 50 ms");
        report("selection rebuild, a topic (kulcs1 = '1' And kulcs2 = '2')",
               medianMs(9, [&] { sink += selection(db, QStringLiteral("kulcs1 = '1' And kulcs2 = '2'")); }),
               "< 50 ms");
        report("selection rebuild, everything (szint >= 1)",
               medianMs(9, [&] { sink += selection(db, QStringLiteral("szint >= 1")); }), "none; see load");
    }

    report("practice window load (connection, szint >= 1, first row)",
           medianMs(9,
                    [&] {
                        store::Database fresh(path);
                        sink += selection(fresh, QStringLiteral("szint >= 1"));
                    }),
           "< 100 ms");

    store::Database db(path);
    base::RandomSource random(2);
    report("random Next (table view, last row, draw, seek, fields)",
           medianMs(101,
                    [&] {
                        // As the practice window does it: a fresh table view, the largest serial, a draw.
                        store::TableView view(db, QStringLiteral("test1"));
                        view.selectIndex(QStringLiteral("sorszam"));
                        view.moveLast();
                        const int largest = view.field(QStringLiteral("sorszam")).toInt();
                        store::pickRandomRow(view, largest, random);
                        sink += readShown([&](const QString& f) { return view.field(f); });
                    }),
           "< 50 ms");

    store::Snapshot all = store::Snapshot::ofTable(db, QStringLiteral("Test1"));
    report("find next (sorrend2 > 2750 from the first row)",
           medianMs(21,
                    [&] {
                        all.moveFirst();
                        all.findNext(QStringLiteral("sorrend2 > 2750"));
                        sink += readShown([&](const QString& f) { return all.field(f); });
                    }),
           "none");

    report("reshuffle of every row (one transaction)",
           medianMs(3,
                    [&] {
                        store::BoundView rows(db, QStringLiteral("test1"));
                        app::reshuffle(rows, random);
                    }),
           "< 1000 ms");
    std::printf("(checksum %d)\n", sink);
    return 0;
}
