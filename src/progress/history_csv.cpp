// Writing the history to CSV.
#include "history_csv.h"

#include <QDateTime>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <unordered_map>

#include "progress_model.h"
#include "store/csv.h"
#include "store/database.h"
#include "store/schema.h"
#include "store/store_error.h"

namespace progress {

namespace {

// Local time, as the learner's clock showed it, in a form every spreadsheet reads.
QString localTime(const QVariant& stored) {
    if (stored.isNull()) return {};
    const QDateTime t = QDateTime::fromString(stored.toString(), Qt::ISODate);
    return t.isValid() ? t.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : stored.toString();
}

QString text(const QVariant& v) {
    return v.isNull() ? QString() : v.toString();
}

}  // namespace

QStringList historyCsvColumns() {
    return {
        QStringLiteral("run"),           QStringLiteral("run_started"),      QStringLiteral("run_ended"),
        QStringLiteral("mode"),          QStringLiteral("sentences_chosen"), QStringLiteral("delay_seconds"),
        QStringLiteral("run_presented"), QStringLiteral("run_correct"),      QStringLiteral("position"),
        QStringLiteral("serial"),        QStringLiteral("sentence_id"),      QStringLiteral("level"),
        QStringLiteral("topic"),         QStringLiteral("sentence"),         QStringLiteral("chosen"),
        QStringLiteral("right"),         QStringLiteral("correct"),          QStringLiteral("seconds")};
}

int exportHistoryCsv(store::Database& db, const QString& path, const std::function<QString(int)>& topicName) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) throw store::StoreError(out.errorString());
    auto write = [&](const QStringList& fields) {
        const QByteArray line = store::csvLine(fields).toUtf8() + "\r\n";
        if (out.write(line) != line.size()) throw store::StoreError(out.errorString());
    };
    write(historyCsvColumns());

    QSqlQuery q(db.db());
    q.setForwardOnly(true);
    // Every run, with a line of its own when none of its answers could be stored. An answer shows
    // its sentence as it is today, found by identity: its serial today, or the last one it had.
    const bool identities = store::hasSentenceIdentities(db.db());
    const QString sentenceJoin = identities ? QStringLiteral(
                                                  " LEFT JOIN sentences s ON s.id = a.sentence"
                                                  " LEFT JOIN test1 q ON q.sorszam = s.serial")
                                            : QStringLiteral(" LEFT JOIN test1 q ON q.sorszam = a.serial");
    const QString serial = identities ? QStringLiteral("coalesce(s.serial, s.last_serial, a.serial)")
                                      : QStringLiteral("a.serial");
    const QString identity = identities ? QStringLiteral("a.sentence") : QStringLiteral("-a.serial");
    if (!q.exec(
            QStringLiteral(
                "SELECT r.id, r.started_at, r.ended_at, r.mode, r.run_length, r.delay_seconds, r.presented,"
                " r.correct, a.position, %1, q.szint, q.kulcs1, q.kulcs2, q.mondat, a.chosen,"
                " a.right_letter, a.correct, a.seconds, %2"
                " FROM test_runs r LEFT JOIN test_answers a ON a.run_id = r.id%3"
                " ORDER BY r.id, a.position")
                .arg(serial, identity, sentenceJoin)))
        store::throwQueryError(q);
    std::unordered_map<qint64, QString> topicOfSentence;
    int lines = 0;
    while (q.next()) {
        QString topic;
        if (!q.isNull(9) && !q.isNull(13)) {
            const qint64 key = q.value(18).toLongLong();
            auto it = topicOfSentence.find(key);
            if (it == topicOfSentence.end()) {
                SentenceInfo s;
                s.serial = q.value(9).toInt();
                s.level = q.value(10).toInt();
                s.kulcs1 = q.value(11).toString();
                s.kulcs2 = q.value(12).toString();
                const int t = primaryTopic(s);
                it = topicOfSentence.emplace(key, t >= 0 ? topicName(t) : QString()).first;
            }
            topic = it->second;
        }
        const bool answered = !q.isNull(8);
        write({q.value(0).toString(), localTime(q.value(1)), localTime(q.value(2)),
               q.value(3).toInt() == 1 ? QStringLiteral("in order") : QStringLiteral("random"),
               q.value(4).toString(), q.value(5).toString(), q.value(6).toString(), q.value(7).toString(),
               text(q.value(8)), text(q.value(9)), identities ? text(q.value(18)) : QString(),
               text(q.value(10)), topic, text(q.value(13)), text(q.value(14)), text(q.value(15)),
               text(q.value(16)),
               answered && !q.isNull(17) ? QString::number(q.value(17).toDouble(), 'f', 1) : QString()});
        ++lines;
    }
    if (q.lastError().isValid()) store::throwQueryError(q);
    if (!out.commit()) throw store::StoreError(out.errorString());
    return lines;
}

}  // namespace progress
