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
    return {QStringLiteral("run"),
            QStringLiteral("run_started"),
            QStringLiteral("run_ended"),
            QStringLiteral("mode"),
            QStringLiteral("sentences_chosen"),
            QStringLiteral("delay_seconds"),
            QStringLiteral("run_presented"),
            QStringLiteral("run_correct"),
            QStringLiteral("position"),
            QStringLiteral("serial"),
            QStringLiteral("level"),
            QStringLiteral("topic"),
            QStringLiteral("sentence"),
            QStringLiteral("chosen"),
            QStringLiteral("right"),
            QStringLiteral("correct"),
            QStringLiteral("seconds")};
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
    // Every run, with a line of its own when none of its answers could be stored.
    if (!q.exec(QStringLiteral(
            "SELECT r.id, r.started_at, r.ended_at, r.mode, r.run_length, r.delay_seconds, r.presented,"
            " r.correct, a.position, a.serial, q.szint, q.kulcs1, q.kulcs2, q.mondat, a.chosen,"
            " a.right_letter, a.correct, a.seconds"
            " FROM test_runs r LEFT JOIN test_answers a ON a.run_id = r.id"
            " LEFT JOIN test1 q ON q.sorszam = a.serial"
            " ORDER BY r.id, a.position")))
        store::throwQueryError(q);
    std::unordered_map<int, QString> topicOfSerial;
    int lines = 0;
    while (q.next()) {
        QString topic;
        if (!q.isNull(9) && !q.isNull(13)) {
            const int serial = q.value(9).toInt();
            auto it = topicOfSerial.find(serial);
            if (it == topicOfSerial.end()) {
                SentenceInfo s;
                s.serial = serial;
                s.level = q.value(10).toInt();
                s.kulcs1 = q.value(11).toString();
                s.kulcs2 = q.value(12).toString();
                const int t = primaryTopic(s);
                it = topicOfSerial.emplace(serial, t >= 0 ? topicName(t) : QString()).first;
            }
            topic = it->second;
        }
        const bool answered = !q.isNull(8);
        write({q.value(0).toString(), localTime(q.value(1)), localTime(q.value(2)),
               q.value(3).toInt() == 1 ? QStringLiteral("in order") : QStringLiteral("random"),
               q.value(4).toString(), q.value(5).toString(), q.value(6).toString(), q.value(7).toString(),
               text(q.value(8)), text(q.value(9)), text(q.value(10)), topic, text(q.value(13)),
               text(q.value(14)), text(q.value(15)), text(q.value(16)),
               answered && !q.isNull(17) ? QString::number(q.value(17).toDouble(), 'f', 1) : QString()});
        ++lines;
    }
    if (q.lastError().isValid()) store::throwQueryError(q);
    if (!out.commit()) throw store::StoreError(out.errorString());
    return lines;
}

}  // namespace progress
