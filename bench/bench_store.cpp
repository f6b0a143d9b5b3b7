// Store benchmark on a synthetic test1 of 100,000 rows: selection rebuild (snapshot, sort by
// sorrend2, filter by a topic), a random pick, a find next, and a reshuffle of every row.
// Targets: selection rebuild and reshuffle under 1 s each, a random pick under 1 ms.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "app/reshuffle.h"
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
        forms::RandomSource random(1);
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

template <typename F>
double medianMs(int runs, F&& f) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTemporaryDir dir;
    const QString path = makeTable(dir);
    store::Database db(path);
    std::printf("test1 with %d rows\n", kRows);

    const double rebuild = medianMs(5, [&] {
        store::Snapshot all = store::Snapshot::ofTable(db, QStringLiteral("Test1"));
        all.setSort(QStringLiteral("sorrend2"));
        store::Snapshot sorted = all.copy();
        sorted.setFilter(QStringLiteral("kulcs1 = '1' And kulcs2 = '2'"));
        store::Snapshot selection = sorted.copy();
        selection.moveFirst();
    });
    std::printf("selection rebuild (snapshot, sort, topic filter): %8.1f ms  (target < 1000 ms)\n", rebuild);

    forms::RandomSource random(2);
    const double pick = medianMs(1001, [&] {
        // As the practice window does it: a fresh table view, the largest serial, a draw.
        store::TableView view(db, QStringLiteral("test1"));
        view.selectIndex(QStringLiteral("sorszam"));
        view.moveLast();
        const int largest = view.field(QStringLiteral("sorszam")).toInt();
        store::pickRandomRow(view, largest, random);
    });
    std::printf("random pick (open table view, last row, draw, seek): %8.3f ms  (target < 1 ms)\n", pick);

    store::Snapshot selection = store::Snapshot::ofTable(db, QStringLiteral("Test1"));
    const double find = medianMs(101, [&] {
        selection.moveFirst();
        selection.findNext(QStringLiteral("sorrend2 > 2750"));
    });
    std::printf("find next (sorrend2 > 2750 from the first row):       %8.3f ms\n", find);

    const double reshuffle = medianMs(3, [&] {
        store::BoundView rows(db, QStringLiteral("test1"));
        app::reshuffle(rows, random);
    });
    std::printf("reshuffle of every row (one transaction):         %8.1f ms  (target < 1000 ms)\n",
                reshuffle);
    return 0;
}
