// Small database files for tests, filled with rows that say only what a test cares about.
#pragma once

#include <QSqlQuery>
#include <QTemporaryDir>

#include "store/database.h"
#include "store/store_error.h"

struct TestRow {
    int sorszam;
    int sorrend2;
    int szint = 1;
    QString kulcs1 = QStringLiteral("1");
    QString kulcs2 = QStringLiteral("0");
    QString felelet2 = QStringLiteral("A");
};

// Creates st_data.sqlite in `dir` holding the rows (mondat "Sentence <sorszam> ...").
inline QString makeDatabase(const QTemporaryDir& dir, const std::vector<TestRow>& rows,
                            const QString& name = QStringLiteral("st_data.sqlite")) {
    const QString path = dir.filePath(name);
    store::Database::create(path);
    store::Database db(path);
    store::Database::Transaction t(db);
    QSqlQuery q(db.db());
    q.prepare(QStringLiteral(
        "INSERT INTO test1 (sorszam, sorrend, sorrend2, szint, kulcs1, kulcs2, mondat, a, b, c, d, "
        "felelet1, felelet2) VALUES (?, ?, ?, ?, ?, ?, ?, 'uno', 'dos', 'tres', 'cuatro', ?, ?)"));
    for (const TestRow& r : rows) {
        q.addBindValue(r.sorszam);
        q.addBindValue(r.sorszam);
        q.addBindValue(r.sorrend2);
        q.addBindValue(r.szint);
        q.addBindValue(r.kulcs1);
        q.addBindValue(r.kulcs2);
        q.addBindValue(QStringLiteral("Sentence %1 ...").arg(r.sorszam));
        q.addBindValue(QStringLiteral("Solution %1").arg(r.sorszam));
        q.addBindValue(r.felelet2);
        if (!q.exec()) store::throwQueryError(q);
    }
    t.commit();
    return path;
}

inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// How many sentences of the file lack an identity of their own (none should: every way into
// test1 ends with one per row).
inline int sentencesWithoutIdentity(store::Database& db) {
    QSqlQuery q(db.db());
    if (!q.exec(QStringLiteral("SELECT (SELECT count(*) FROM test1) - (SELECT count(DISTINCT s.id) FROM test1"
                               " JOIN sentences s ON s.serial = test1.sorszam)")) ||
        !q.next())
        return -1;
    return q.value(0).toInt();
}
