// Test helper: reshuffles the database given as first argument and, after the number of rows
// given as second argument, says "half-way" and slows down, so that the test can kill it there.
// A third argument "spill" gives the connection a cache of a few pages, so that the file itself
// holds changes not yet committed when it is killed; "loop" reshuffles again and again at full
// speed, committing each time, until it is killed.
#include <QCoreApplication>
#include <QSqlQuery>
#include <QThread>
#include <cstdio>

#include "app/reshuffle.h"
#include "store/bound_view.h"
#include "store/database.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc < 3) return 2;
    const int halfWay = QString::fromLocal8Bit(argv[2]).toInt();
    const QString mode = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    store::Database db(QString::fromLocal8Bit(argv[1]));
    if (mode == QLatin1String("spill")) QSqlQuery(db.db()).exec(QStringLiteral("PRAGMA cache_size = 4"));
    store::BoundView rows(db, QStringLiteral("test1"));
    base::RandomSource random;
    const bool loop = mode == QLatin1String("loop");
    do {
        app::reshuffle(rows, random, [halfWay, loop](int done) {
            if (done == halfWay) {
                std::puts("half-way");
                std::fflush(stdout);
            }
            if (done >= halfWay && !loop) QThread::msleep(5);
        });
    } while (loop);
    return 0;
}
