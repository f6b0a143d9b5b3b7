// Writing the rows of one answer.
#include "answer_unit.h"

#include <QSqlQuery>

#include "store/database.h"
#include "store/store_error.h"

namespace progress {

namespace {

void run(QSqlQuery& q) {
    if (!q.exec()) store::throwQueryError(q);
}

QVariant letterOrNull(const QString& letter) {
    if (letter.size() == 1 && letter[0] >= u'A' && letter[0] <= u'D') return letter;
    return QVariant(QMetaType(QMetaType::QString));
}

}  // namespace

std::optional<qint64> sentenceIdentity(store::Database& db, int serial) {
    QSqlQuery q(db.db());
    q.prepare(QStringLiteral("SELECT id FROM sentences WHERE serial = ?"));
    q.addBindValue(serial);
    if (!q.exec() || !q.next()) return std::nullopt;
    return q.value(0).toLongLong();
}

void writeAnswerUnit(store::Database& db, const AnswerUnit& unit, const HistoryPlace* place) {
    if (unit.failed) {
        const FailedItem& f = *unit.failed;
        QSqlQuery q(db.db());
        q.prepare(
            QStringLiteral("INSERT INTO hiba1 (hiba, mondat, a, b, c, d, felelet1, felelet2) VALUES (?, ?, "
                           "?, ?, ?, ?, ?, ?)"));
        for (const QString* v : {&f.chosen, &f.sentence, &f.a, &f.b, &f.c, &f.d, &f.solution, &f.right})
            q.addBindValue(*v);
        run(q);
    }
    const RecordedAnswer& a = unit.answer;
    if (unit.memory)
        memory::recordAnswer(db.db(), a.sentence, a.serial, *unit.memory,
                             memory::loadSettings(db.db()).model());
    if (!place) return;
    QSqlQuery q(db.db());
    // An identity not known beforehand is the one of the sentence holding the serial now.
    q.prepare(QStringLiteral(
        "INSERT INTO test_answers (run_id, position, serial, sentence, chosen, right_letter, correct, "
        "seconds)"
        " VALUES (?, ?, ?, coalesce(?, (SELECT id FROM sentences WHERE serial = ?)), ?, ?, ?, ?)"));
    q.addBindValue(place->run);
    q.addBindValue(place->position);
    q.addBindValue(a.serial);
    q.addBindValue(a.sentence ? QVariant(*a.sentence) : QVariant(QMetaType(QMetaType::LongLong)));
    q.addBindValue(a.serial);
    q.addBindValue(letterOrNull(a.chosen));
    q.addBindValue(a.right);
    q.addBindValue(a.correct ? 1 : 0);
    q.addBindValue(qRound(a.seconds * 10) / 10.0);
    run(q);
}

}  // namespace progress
