// Table layout of the database file.
#include "schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <iterator>

#include "database.h"
#include "memory/memory_store.h"
#include "store_error.h"

namespace store {

int Fields::indexOf(const QString& name) const {
    for (int i = 0; i < count(); ++i)
        if (names[i].compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

const Fields& test1Fields() {
    using T = FieldType;
    static const Fields f{QStringLiteral("test1"),
                          {"sorszam", "sorrend", "sorrend2", "szint", "kulcs1", "kulcs2", "mondat", "a", "b",
                           "c", "d", "felelet1", "felelet2"},
                          {T::Integer, T::Integer, T::Integer, T::Integer, T::Text, T::Text, T::Text, T::Text,
                           T::Text, T::Text, T::Text, T::Text, T::Text}};
    return f;
}

const Fields& hiba1Fields() {
    static const Fields f{QStringLiteral("hiba1"),
                          {"hiba", "mondat", "a", "b", "c", "d", "felelet1", "felelet2"},
                          std::vector<FieldType>(8, FieldType::Text)};
    return f;
}

const Fields& fieldsOf(const QString& table) {
    if (table.compare(QLatin1String("test1"), Qt::CaseInsensitive) == 0) return test1Fields();
    if (table.compare(QLatin1String("hiba1"), Qt::CaseInsensitive) == 0) return hiba1Fields();
    throw StoreError(QStringLiteral("There is no table \"%1\".").arg(table));
}

std::vector<int> naturalOrderFields(const Fields& fields) {
    // The shuffled order first, so that thresholds on sorrend2 cut the material into ranges.
    if (&fields == &test1Fields())
        return {fields.indexOf(QStringLiteral("sorrend2")), fields.indexOf(QStringLiteral("sorszam"))};
    return {};
}

QString naturalOrder(const Fields& fields) {
    QStringList names;
    for (int f : naturalOrderFields(fields)) names << fields.names[f];
    return names.isEmpty() ? QStringLiteral("rowid") : names.join(QStringLiteral(", "));
}

namespace {

void exec(QSqlDatabase& db, const QString& sql) {
    QSqlQuery q(db);
    if (!q.exec(sql)) throwEngineError(q.lastError());
}

int pragma(QSqlDatabase& db, const char* name) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA %1").arg(QLatin1String(name)))) throwEngineError(q.lastError());
    if (!q.next()) throw StoreError(q.lastError().text());
    return q.value(0).toInt();
}

// What each layout version adds to the one before. A new file gets every step; an older file the
// steps it lacks, when the program opens it.
struct Step {
    int version;
    std::vector<const char*> statements;
    bool replayHistory = false;  // then builds the memory from the test history already kept
};

const Step kSteps[] = {
    // The practice window's selections: the natural order read from an index rather than sorted;
    // a level, a topic and the special group (kulcs2) found without reading the table. Only the
    // order index holds sorrend2, so a reshuffle updates one index more than before.
    {2,
     {"CREATE INDEX IF NOT EXISTS test1_order ON test1 (sorrend2, sorszam)",
      "CREATE INDEX IF NOT EXISTS test1_level ON test1 (szint)",
      "CREATE INDEX IF NOT EXISTS test1_group ON test1 (kulcs2)",
      "CREATE INDEX IF NOT EXISTS test1_topic ON test1 (kulcs1, kulcs2)"}},
    // The learner's history of test runs: one row per run, one per answer. A run's answers are
    // stored together and in order (the key leads with the run), so the Progress window reads
    // them in one pass and a new answer goes at the end of the tree. Times are UTC, ISO 8601.
    {3,
     {"CREATE TABLE IF NOT EXISTS test_runs ("
      " id INTEGER PRIMARY KEY,"
      " started_at TEXT NOT NULL,"
      " ended_at TEXT,"
      " mode INTEGER NOT NULL CHECK (mode IN (0, 1)),"
      " run_length INTEGER NOT NULL,"
      " delay_seconds INTEGER NOT NULL,"
      " presented INTEGER NOT NULL DEFAULT 0,"
      " correct INTEGER NOT NULL DEFAULT 0)",
      "CREATE TABLE IF NOT EXISTS test_answers ("
      " run_id INTEGER NOT NULL REFERENCES test_runs (id),"
      " position INTEGER NOT NULL,"
      " serial INTEGER NOT NULL,"
      " chosen TEXT CHECK (chosen IS NULL OR chosen IN ('A', 'B', 'C', 'D')),"
      " right_letter TEXT,"
      " correct INTEGER NOT NULL CHECK (correct IN (0, 1)),"
      " seconds REAL,"
      " PRIMARY KEY (run_id, position)) WITHOUT ROWID"}},
    // Sentence identities: the history refers to a sentence by an identity of its own, which an
    // edit of its text or of its serial keeps, and which is never given again (AUTOINCREMENT), so
    // a sentence added later under a serial once used never inherits the answers of another.
    // serial is the sentence's serial today (unique, as in test1), NULL once it is deleted;
    // last_serial the serial it had last. The triggers keep the serials of test1 and of the
    // identities the same set; an existing answer belongs to the sentence holding its serial
    // today, or, when none does, to a deleted sentence of its own.
    {4,
     {"CREATE TABLE IF NOT EXISTS sentences ("
      " id INTEGER PRIMARY KEY AUTOINCREMENT,"
      " serial INTEGER UNIQUE,"
      " last_serial INTEGER NOT NULL)",
      "INSERT INTO sentences (serial, last_serial) SELECT sorszam, sorszam FROM test1"
      " WHERE sorszam NOT IN (SELECT serial FROM sentences WHERE serial IS NOT NULL) ORDER BY sorszam",
      "ALTER TABLE test_answers ADD COLUMN sentence INTEGER REFERENCES sentences (id)",
      "INSERT INTO sentences (serial, last_serial) SELECT DISTINCT NULL, serial FROM test_answers"
      " WHERE serial NOT IN (SELECT sorszam FROM test1) ORDER BY serial",
      "UPDATE test_answers SET sentence = coalesce("
      " (SELECT id FROM sentences WHERE serial = test_answers.serial),"
      " (SELECT max(id) FROM sentences WHERE serial IS NULL AND last_serial = test_answers.serial))",
      // A row that takes the place of another (OR REPLACE, which fires no delete trigger) makes
      // that one a deleted sentence.
      "CREATE TRIGGER IF NOT EXISTS plurquiz_sentence_added AFTER INSERT ON test1 BEGIN"
      " UPDATE sentences SET serial = NULL WHERE serial = NEW.sorszam;"
      " INSERT INTO sentences (serial, last_serial) VALUES (NEW.sorszam, NEW.sorszam); END",
      "CREATE TRIGGER IF NOT EXISTS plurquiz_sentence_renumbered AFTER UPDATE OF sorszam ON test1"
      " WHEN NEW.sorszam IS NOT OLD.sorszam BEGIN"
      " UPDATE sentences SET serial = NULL WHERE serial = NEW.sorszam;"
      " UPDATE sentences SET serial = NEW.sorszam, last_serial = NEW.sorszam WHERE serial = OLD.sorszam;"
      " END",
      "CREATE TRIGGER IF NOT EXISTS plurquiz_sentence_deleted AFTER DELETE ON test1 BEGIN"
      " UPDATE sentences SET serial = NULL WHERE serial = OLD.sorszam; END"}},
    // The learner's memory of each sentence (see memory/memory_store.h): its state by identity,
    // the log of every answer in any window, the Today settings; the index that finds today's due
    // sentences with what their order needs (their last update and stability, so that the queue
    // reads no row of the table), and the one that walks never-seen sentences in level, topic and
    // shuffled order.
    // A file with a history of test runs gets its memory by replaying that history.
    {5,
     {"CREATE TABLE IF NOT EXISTS memory_states ("
      " sentence INTEGER PRIMARY KEY REFERENCES sentences (id),"
      " stability REAL NOT NULL,"
      " difficulty REAL NOT NULL,"
      " first_day INTEGER NOT NULL,"
      " last_day INTEGER NOT NULL,"
      " due_day INTEGER NOT NULL,"
      " updates INTEGER NOT NULL,"
      " lapses INTEGER NOT NULL)",
      "CREATE INDEX IF NOT EXISTS memory_due ON memory_states (due_day, last_day, stability)",
      "CREATE TABLE IF NOT EXISTS answer_log ("
      " id INTEGER PRIMARY KEY,"
      " answered_at TEXT NOT NULL,"
      " day INTEGER NOT NULL,"
      " sentence INTEGER REFERENCES sentences (id),"
      " serial INTEGER NOT NULL,"
      " source INTEGER NOT NULL CHECK (source BETWEEN 0 AND 3),"
      " correct INTEGER NOT NULL CHECK (correct IN (0, 1)),"
      " grade INTEGER NOT NULL CHECK (grade BETWEEN 1 AND 4),"
      " updated INTEGER NOT NULL CHECK (updated IN (0, 1)),"
      " predicted REAL,"
      " typed TEXT,"
      " verdict INTEGER CHECK (verdict IS NULL OR verdict BETWEEN 0 AND 2))",
      "CREATE INDEX IF NOT EXISTS answer_log_day ON answer_log (day, source)",
      "CREATE INDEX IF NOT EXISTS answer_log_written ON answer_log (verdict) WHERE verdict IS NOT NULL",
      // The model's checked predictions, which the calibration reads whole: from the index alone.
      "CREATE INDEX IF NOT EXISTS answer_log_predictions ON answer_log (predicted, grade)"
      " WHERE updated = 1 AND predicted IS NOT NULL",
      "CREATE TABLE IF NOT EXISTS memory_settings (name TEXT PRIMARY KEY, value) WITHOUT ROWID",
      "CREATE INDEX IF NOT EXISTS test1_newcomers ON test1 (szint, kulcs1, kulcs2, sorrend2)"},
     true},
};
static_assert(std::size(kSteps) == kSchemaVersion - 1, "one step for every version after the first");

}  // namespace

const QStringList& ownTriggers() {
    static const QStringList names{QStringLiteral("plurquiz_sentence_added"),
                                   QStringLiteral("plurquiz_sentence_renumbered"),
                                   QStringLiteral("plurquiz_sentence_deleted")};
    return names;
}

namespace {

void applySteps(QSqlDatabase& db, int fromVersion) {
    for (const Step& step : kSteps)
        if (step.version > fromVersion) {
            for (const char* statement : step.statements) exec(db, QLatin1String(statement));
            if (step.replayHistory) memory::replayTestHistory(db, memory::replayProgress());
        }
    exec(db, QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
}

}  // namespace

bool hasSentenceIdentities(QSqlDatabase& db) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral(
            "SELECT (SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'sentences')"
            " + (SELECT count(*) FROM pragma_table_info('test_answers') WHERE name = 'sentence')")) ||
        !q.next())
        throwEngineError(q.lastError());
    return q.value(0).toInt() == 2;
}

bool upgradeSchema(QSqlDatabase& db) {
    if (pragma(db, "application_id") != kApplicationId || pragma(db, "user_version") >= kSchemaVersion)
        return false;
    exec(db, QStringLiteral("BEGIN IMMEDIATE"));
    try {
        // Another connection may have upgraded the file since the look above.
        const int version = pragma(db, "user_version");
        if (version >= kSchemaVersion) {
            exec(db, QStringLiteral("ROLLBACK"));
            return false;
        }
        applySteps(db, version);
        exec(db, QStringLiteral("COMMIT"));
    } catch (...) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
    return true;
}

bool isLaterLayout(QSqlDatabase& db) {
    return pragma(db, "application_id") == kApplicationId && pragma(db, "user_version") > kSchemaVersion;
}

QStringList foreignSchemaObjects(QSqlDatabase& db) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT type, name FROM sqlite_master WHERE type IN ('trigger', 'view') "
                               "AND name NOT LIKE 'plurquiz\\_%' ESCAPE '\\' ORDER BY type, name")))
        throwEngineError(q.lastError());
    QStringList found;
    while (q.next()) found << q.value(0).toString() + QLatin1Char(' ') + q.value(1).toString();
    return found;
}

// The layout of version 1, then the steps after it.
void createSchema(QSqlDatabase& db, bool limitSerials) {
    exec(db, QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId));
    exec(db,
         QStringLiteral(
             "CREATE TABLE test1 ("
             " sorszam INTEGER NOT NULL CHECK (typeof(sorszam) = 'integer' AND sorszam >= 1 %1),"
             " sorrend INTEGER,"
             " sorrend2 INTEGER CHECK (sorrend2 IS NULL OR (typeof(sorrend2) = 'integer'"
             "   AND sorrend2 BETWEEN -32768 AND 32767)),"
             " szint INTEGER CHECK (szint IS NULL OR (typeof(szint) = 'integer' AND szint BETWEEN 1 AND 3)),"
             " kulcs1 TEXT, kulcs2 TEXT, mondat TEXT, a TEXT, b TEXT, c TEXT, d TEXT,"
             " felelet1 TEXT, felelet2 TEXT)")
             .arg(limitSerials ? QStringLiteral("AND sorszam <= 32767") : QString()));
    exec(db, QStringLiteral("CREATE UNIQUE INDEX sorszam ON test1 (sorszam)"));
    exec(db, QStringLiteral("CREATE INDEX sorrend ON test1 (sorrend)"));
    exec(db, QStringLiteral(
                 "CREATE TABLE hiba1 (hiba TEXT, mondat TEXT, a TEXT, b TEXT, c TEXT, d TEXT, felelet1 TEXT,"
                 " felelet2 TEXT)"));
    exec(db, QStringLiteral("INSERT INTO hiba1 VALUES ('0', '-', '-', '-', '-', '-', '-', '-')"));
    applySteps(db, 1);
}

}  // namespace store
