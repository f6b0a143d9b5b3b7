// Recording the practice and review windows' answers.
#include "memory_answers.h"

#include <QSqlQuery>

#include "forms/platform.h"
#include "store/store_error.h"

namespace app {

bool MemoryAnswers::writable() {
    if (db_) return true;
    if (unavailable_) return false;
    try {
        db_ = ctx_.openDatabase(false);
    } catch (const store::StoreError&) {
        unavailable_ = true;
    }
    return db_ != nullptr;
}

void MemoryAnswers::write(int serial, const Answer& a) {
    progress::AnswerUnit unit;
    unit.answer.serial = serial;
    unit.answer.correct = a.right;
    unit.memory = memory::AnswerEvent{source_, a.grade, a.right, ctx_.platform.now(), a.typed, a.verdict};
    // A refused write is kept and written with the next one that succeeds.
    journal_.record(*db_, std::move(unit));
}

void MemoryAnswers::record(int serial, const Answer& answer) {
    if (serial > 0 && writable()) write(serial, answer);
}

void MemoryAnswers::recordByText(const QString& sentence, const Answer& answer) {
    if (!writable()) return;
    int serial = 0;
    QSqlQuery q(db_->db());
    q.prepare(QStringLiteral("SELECT sorszam FROM test1 WHERE trim(mondat) = trim(?) LIMIT 2"));
    q.addBindValue(sentence);
    if (q.exec() && q.next()) {
        serial = q.value(0).toInt();
        if (q.next()) serial = 0;  // two sentences of that text: neither is named
    }
    if (serial > 0) write(serial, answer);
}

MemoryAnswers::Answer MemoryAnswers::chosen(bool right, bool afterSolution) {
    return {right, right && !afterSolution ? memory::Grade::Good : memory::Grade::Again, std::nullopt, -1};
}

MemoryAnswers::Answer MemoryAnswers::typed(const written::Judgement& j, bool afterSolution) {
    return {j.verdict == written::Verdict::Right, gradeOf(j.verdict, afterSolution), j.typed,
            static_cast<int>(j.verdict)};
}

}  // namespace app
