// Questions about the sentences, answered by SQLite.
#include "sentence_queries.h"

#include <QSqlQuery>

#include "database.h"

namespace store {

std::optional<int> otherSerialWithSentence(Database& db, const QString& sentence, int serial) {
    QSqlQuery q(db.db());
    if (!q.prepare(QStringLiteral("SELECT sorszam FROM test1 WHERE mondat = ? AND sorszam <> ? LIMIT 1")))
        throwQueryError(q);
    q.addBindValue(sentence);
    q.addBindValue(serial);
    if (!q.exec()) throwQueryError(q);
    if (!q.next()) return std::nullopt;
    return q.value(0).toInt();
}

}  // namespace store
