// Reading and writing the learner's memory of the sentences.
#include "memory_store.h"

#include <QSqlQuery>
#include <QTimeZone>
#include <algorithm>
#include <unordered_map>
#include <vector>

#include "store/database.h"
#include "store/store_error.h"

namespace memory {

namespace {

void run(QSqlQuery& q) {
    if (!q.exec()) store::throwQueryError(q);
}

void prepare(QSqlQuery& q, const QString& sql) {
    if (!q.prepare(sql)) store::throwQueryError(q);
}

QString utcText(const QDateTime& at) {
    return at.toUTC().toString(Qt::ISODate);
}

// The statement that stores a sentence's memory, prepared once per caller: the replay stores the
// memory of up to every sentence, and one statement prepared for each took a third of its time.
class MemoryWriter {
public:
    explicit MemoryWriter(QSqlDatabase& db) : q_(db) {
        prepare(q_, QStringLiteral(
                        "INSERT OR REPLACE INTO memory_states (sentence, stability, difficulty, "
                        "first_day, last_day, due_day, updates, lapses) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    }
    void write(qint64 sentence, const SentenceMemory& m) {
        q_.bindValue(0, sentence);
        q_.bindValue(1, m.state.stability);
        q_.bindValue(2, m.state.difficulty);
        q_.bindValue(3, m.firstDay);
        q_.bindValue(4, m.lastDay);
        q_.bindValue(5, m.dueDay);
        q_.bindValue(6, m.updates);
        q_.bindValue(7, m.lapses);
        run(q_);
    }

private:
    QSqlQuery q_;
};

// The statement that logs answers, prepared once per caller.
class LogWriter {
public:
    explicit LogWriter(QSqlDatabase& db) : q_(db) {
        prepare(q_,
                QStringLiteral(
                    "INSERT INTO answer_log (answered_at, day, sentence, serial, source, correct, "
                    "grade, updated, predicted, typed, verdict) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    }
    void write(const QString& at, qint64 day, std::optional<qint64> sentence, int serial, Source source,
               bool correct, Grade grade, const Step& step, const std::optional<QString>& typed = {},
               int verdict = -1) {
        q_.bindValue(0, at);
        q_.bindValue(1, day);
        q_.bindValue(2, sentence ? QVariant(*sentence) : QVariant(QMetaType(QMetaType::LongLong)));
        q_.bindValue(3, serial);
        q_.bindValue(4, static_cast<int>(source));
        q_.bindValue(5, correct ? 1 : 0);
        q_.bindValue(6, static_cast<int>(grade));
        q_.bindValue(7, step.updated ? 1 : 0);
        q_.bindValue(8, step.predicted ? QVariant(*step.predicted) : QVariant(QMetaType(QMetaType::Double)));
        q_.bindValue(9, typed ? QVariant(*typed) : QVariant(QMetaType(QMetaType::QString)));
        q_.bindValue(10, verdict >= 0 ? QVariant(verdict) : QVariant(QMetaType(QMetaType::Int)));
        run(q_);
    }

private:
    QSqlQuery q_;
};

std::function<void(int, int)>& progressHook() {
    static std::function<void(int, int)> hook;
    return hook;
}

}  // namespace

qint64 dayOf(const QDateTime& at) {
    return at.toLocalTime().date().toJulianDay();
}

Step stepFor(const Model& model, const std::optional<SentenceMemory>& before, qint64 day, Grade grade) {
    Step step;
    if (!before) {
        step.updated = true;
        step.after.state = model.first(grade);
        step.after.firstDay = day;
        step.after.updates = 1;
    } else if (day > before->lastDay) {
        const int elapsed = static_cast<int>(day - before->lastDay);
        step.updated = true;
        step.predicted = model.retrievability(elapsed, before->state.stability);
        step.after = *before;
        step.after.state = model.next(before->state, elapsed, grade);
        ++step.after.updates;
        if (grade == Grade::Again) ++step.after.lapses;
    } else {
        // Answered before on this day (or on a later one, the clock having gone back): the
        // answer is logged, the memory stays as the day's first answer left it.
        step.after = *before;
        return step;
    }
    step.after.lastDay = day;
    step.after.dueDay = day + model.intervalDays(step.after.state.stability);
    return step;
}

MemorySettings loadSettings(QSqlDatabase& db) {
    MemorySettings s;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT name, value FROM memory_settings"))) return s;
    while (q.next()) {
        const QString name = q.value(0).toString();
        bool ok = false;
        if (name == QLatin1String("retention")) {
            const double v = q.value(1).toDouble(&ok);
            if (ok && v >= kMinRetention && v <= kMaxRetention) s.retention = v;
        } else if (name == QLatin1String("new_per_day")) {
            const int v = q.value(1).toInt(&ok);
            if (ok && v >= 0 && v <= kMaxNewPerDay) s.newPerDay = v;
        } else if (name == QLatin1String("write_answers")) {
            s.writeAnswers = q.value(1).toInt() == 1;
        } else if (name == QLatin1String("new_level")) {
            const int v = q.value(1).toInt(&ok);
            if (ok && v >= 0 && v <= 3) s.newLevel = v;
        }
    }
    return s;
}

void saveSettings(store::Database& db, const MemorySettings& settings) {
    const MemorySettings before = loadSettings(db.db());
    store::Database::Transaction t(db);
    QSqlQuery q(db.db());
    prepare(q, QStringLiteral("INSERT OR REPLACE INTO memory_settings (name, value) VALUES (?, ?)"));
    const std::pair<const char*, QVariant> values[] = {{"retention", settings.retention},
                                                       {"new_per_day", settings.newPerDay},
                                                       {"new_level", settings.newLevel},
                                                       {"write_answers", settings.writeAnswers ? 1 : 0}};
    for (const auto& [name, value] : values) {
        q.bindValue(0, QString::fromLatin1(name));
        q.bindValue(1, value);
        run(q);
    }
    if (before.retention != settings.retention) {
        const Model model = settings.model();
        QSqlQuery read(db.db());
        if (!read.exec(QStringLiteral("SELECT sentence, stability, last_day FROM memory_states")))
            store::throwQueryError(read);
        std::vector<std::pair<qint64, qint64>> due;
        while (read.next())
            due.emplace_back(read.value(0).toLongLong(),
                             read.value(2).toLongLong() + model.intervalDays(read.value(1).toDouble()));
        QSqlQuery write(db.db());
        prepare(write, QStringLiteral("UPDATE memory_states SET due_day = ? WHERE sentence = ?"));
        for (const auto& [sentence, day] : due) {
            write.bindValue(0, day);
            write.bindValue(1, sentence);
            run(write);
        }
    }
    t.commit();
}

bool hasMemory(QSqlDatabase& db) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table'"
                               " AND name IN ('memory_states', 'answer_log')")) ||
        !q.next())
        store::throwQueryError(q);
    return q.value(0).toInt() == 2;
}

std::optional<SentenceMemory> loadMemory(QSqlDatabase& db, qint64 sentence) {
    QSqlQuery q(db);
    prepare(q, QStringLiteral("SELECT stability, difficulty, first_day, last_day, due_day, updates, lapses "
                              "FROM memory_states WHERE sentence = ?"));
    q.addBindValue(sentence);
    run(q);
    if (!q.next()) return std::nullopt;
    SentenceMemory m;
    m.state = {q.value(0).toDouble(), q.value(1).toDouble()};
    m.firstDay = q.value(2).toLongLong();
    m.lastDay = q.value(3).toLongLong();
    m.dueDay = q.value(4).toLongLong();
    m.updates = q.value(5).toInt();
    m.lapses = q.value(6).toInt();
    return m;
}

bool recordAnswer(QSqlDatabase& db, std::optional<qint64> sentence, int serial, const AnswerEvent& event,
                  const Model& model) {
    if (!sentence) {
        QSqlQuery q(db);
        prepare(q, QStringLiteral("SELECT id FROM sentences WHERE serial = ?"));
        q.addBindValue(serial);
        run(q);
        if (q.next()) sentence = q.value(0).toLongLong();
    }
    const qint64 day = dayOf(event.at);
    Step step;
    if (sentence) {
        step = stepFor(model, loadMemory(db, *sentence), day, event.grade);
        if (step.updated) MemoryWriter(db).write(*sentence, step.after);
    }
    LogWriter(db).write(utcText(event.at), day, sentence, serial, event.source, event.correct, event.grade,
                        step, event.typed, event.verdict);
    return step.updated;
}

int replayTestHistory(QSqlDatabase& db, const std::function<void(int, int)>& progress) {
    QSqlQuery count(db);
    if (!count.exec(QStringLiteral("SELECT count(*) FROM test_answers")) || !count.next())
        store::throwQueryError(count);
    const int total = count.value(0).toInt();
    if (total == 0) return 0;

    const Model model = loadSettings(db).model();
    QSqlQuery q(db);
    q.setForwardOnly(true);
    // A run's answers share its start: the history keeps no time of its own for each.
    if (!q.exec(QStringLiteral(
            "SELECT r.started_at, a.sentence, a.serial, a.correct FROM test_answers a"
            " JOIN test_runs r ON r.id = a.run_id ORDER BY r.started_at, a.run_id, a.position")))
        store::throwQueryError(q);
    std::unordered_map<qint64, SentenceMemory> memories;
    LogWriter log(db);
    QString lastText;
    qint64 day = 0;
    int done = 0;
    while (q.next()) {
        const QString at = q.value(0).toString();
        if (at != lastText) {
            lastText = at;
            day = dayOf(QDateTime::fromString(at, Qt::ISODate));
        }
        const bool correct = q.value(3).toInt() == 1;
        const Grade grade = correct ? Grade::Good : Grade::Again;
        std::optional<qint64> sentence;
        if (!q.value(1).isNull()) sentence = q.value(1).toLongLong();
        Step step;
        if (sentence) {
            const auto found = memories.find(*sentence);
            step = stepFor(
                model, found == memories.end() ? std::nullopt : std::optional<SentenceMemory>(found->second),
                day, grade);
            if (step.updated) memories[*sentence] = step.after;
        }
        log.write(at, day, sentence, q.value(2).toInt(), Source::Test, correct, grade, step);
        if (progress && ++done % 5000 == 0) progress(done, total);
    }
    // In the order of the table's key, each row goes at the end of the tree.
    std::vector<std::pair<qint64, const SentenceMemory*>> ordered;
    ordered.reserve(memories.size());
    for (const auto& [sentence, m] : memories) ordered.emplace_back(sentence, &m);
    std::sort(ordered.begin(), ordered.end());
    MemoryWriter store(db);
    for (const auto& [sentence, m] : ordered) store.write(sentence, *m);
    if (progress) progress(total, total);
    return total;
}

void setReplayProgress(std::function<void(int, int)> progress) {
    progressHook() = std::move(progress);
}

const std::function<void(int, int)>& replayProgress() {
    return progressHook();
}

}  // namespace memory
