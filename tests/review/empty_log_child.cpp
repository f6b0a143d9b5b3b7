// Test helper: empties the failed-item log of the database given as its argument, says "started"
// after the first deleted row and then goes slowly, so that the test can kill it part-way.
#include <QCoreApplication>
#include <QThread>
#include <cstdio>

#include "review/failed_log.h"
#include "store/bound_view.h"
#include "store/database.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc < 2) return 2;
    store::Database db(QString::fromLocal8Bit(argv[1]));
    store::BoundView log(db, QStringLiteral("hiba1"));
    review::emptyLog(log, review::lastFailedItem(log), [](int done) {
        if (done == 1) {
            std::puts("started");
            std::fflush(stdout);
        }
        if (done % 10 == 0) QThread::msleep(1);
    });
    return 0;
}
