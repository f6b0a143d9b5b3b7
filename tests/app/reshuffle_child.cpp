// Test helper: reshuffles the database given as first argument and, after the number of rows
// given as second argument, says "half-way" and slows down, so that the test can kill it there.
#include <QCoreApplication>
#include <QThread>
#include <cstdio>

#include "app/reshuffle.h"
#include "store/bound_view.h"
#include "store/database.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc < 3) return 2;
    const int halfWay = QString::fromLocal8Bit(argv[2]).toInt();
    store::Database db(QString::fromLocal8Bit(argv[1]));
    store::BoundView rows(db, QStringLiteral("test1"));
    forms::RandomSource random;
    app::reshuffle(rows, random, [halfWay](int done) {
        if (done == halfWay) {
            std::puts("half-way");
            std::fflush(stdout);
        }
        if (done >= halfWay) QThread::msleep(5);
    });
    return 0;
}
