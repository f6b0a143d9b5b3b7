// Connections, creation and the health check of the database file.
#include "database.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include "schema.h"
#include "store_error.h"

namespace store {

namespace {

QString newConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("plurquiz-%1").arg(counter.fetchAndAddRelaxed(1));
}

int primaryCode(const QSqlError& error) {
    return error.nativeErrorCode().toInt() & 0xff;
}

}  // namespace

bool mayWrite(const QString& path) {
    const QFileInfo info(path);
    const auto writeBits = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.isWritable() && (info.permissions() & writeBits);
}

bool mayChange(const QString& path) {
    return mayWrite(path) && mayWrite(QFileInfo(path).absolutePath());
}

void throwQueryError(const QSqlQuery& query) {
    throwEngineError(query.lastError());
}

void throwEngineError(const QSqlError& error) {
    // The driver leaves out the code of a few failures; they are still the engine's.
    const int code = primaryCode(error) != 0 ? primaryCode(error) : engine::kUnknown;
    throw StoreError(error.text(), code == engine::kConstraint, code);
}

Database::Database(const QString& path, bool readOnly) : Database(path, readOnly, true) {}

Database::Database(const QString& path, bool readOnly, bool upgrade)
    : path_(path), connection_(newConnectionName()) {
    if (!QFileInfo::exists(path))
        throw StoreError(Problem::Missing, QStringLiteral("The file %1 does not exist.").arg(path));
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db_.setDatabaseName(path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=1500");
    readOnly = readOnly || !mayChange(path);
    if (readOnly) options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db_.setConnectOptions(options);
    if (!db_.open()) {
        const QSqlError error = db_.lastError();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection_);
        throwEngineError(error);
    }
    QSqlQuery q(db_);
    q.exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
    // Room for the whole file of the largest table the program holds (about 7 MB), rather than
    // SQLite's 2 MB: a reshuffle updates rows and the order index in shuffled order, and with
    // the small cache it reads the same pages again and again. The cache grows only as used.
    q.exec(QStringLiteral("PRAGMA cache_size = -32768"));
    // A file of a later layout is read as it is: this program does not know what its writes must keep.
    // (A file that cannot even say its layout fails at the first read instead.)
    bool later = false;
    try {
        later = !readOnly && isLaterLayout(db_);
    } catch (const StoreError&) {
    }
    if (later) {
        q.exec(QStringLiteral("PRAGMA query_only = ON"));
        return;
    }
    if (upgrade && !readOnly) {
        try {
            upgradeSchema(db_);
        } catch (const StoreError&) {
            // The file works as it is, only slower; the next opening tries again.
        }
    }
}

Database::~Database() {
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
}

void Database::create(const QString& path) {
    if (QFileInfo::exists(path)) throw StoreError(QStringLiteral("The file %1 exists already.").arg(path));
    const QString name = newConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) {
            const QSqlError error = db.lastError();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throwEngineError(error);
        }
        try {
            // Statements rather than the driver's transaction calls, whose errors lack the engine's code.
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("BEGIN"))) throwQueryError(q);
            createSchema(db);
            if (!q.exec(QStringLiteral("COMMIT"))) throwQueryError(q);
        } catch (...) {
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throw;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

// A write cut short (a crash, a power cut) leaves its journal beside the file, and only a
// connection that may write can roll it back; SQLite does that at the first read. A read-only
// look would find the file unreadable until then, though nothing in it is lost.
void Database::rollBackCutShortWrite(const QString& path) {
    if (!QFileInfo::exists(path + QStringLiteral("-journal")) || !mayChange(path)) return;
    try {
        Database recovering(path, false, false);
        QSqlQuery(recovering.db()).exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    } catch (const StoreError&) {
        // What could not be rolled back is found by the look that follows.
    }
}

namespace {

FileStatus statusOf(const StoreError& e) {
    return {e.problem() == Problem::Other ? Problem::CannotOpen : e.problem(), e.message()};
}

}  // namespace

FileStatus Database::check(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return {Problem::Missing, {}};
    // SQLite takes a file of no bytes for a new database; to us it is one that lost everything.
    if (info.size() == 0) return {Problem::Empty, {}};
    if (!info.isReadable()) return {Problem::CannotOpen, QStringLiteral("The file cannot be read.")};
    rollBackCutShortWrite(path);
    try {
        Database database(path, true);
        QSqlQuery q(database.db());
        // One pass over every page needs no cache: each page read is let go again.
        q.exec(QStringLiteral("PRAGMA cache_size = 16"));
        if (!q.exec(QStringLiteral("PRAGMA quick_check(1)")) || !q.next()) {
            // Read-only: a write cut short that only a connection that may write can roll back.
            const Problem problem = problemOfEngineCode(primaryCode(q.lastError()));
            const bool told = problem == Problem::Locked || problem == Problem::ReadOnly;
            return {told ? problem : Problem::Damaged, q.lastError().text()};
        }
        if (q.value(0).toString() != QLatin1String("ok")) return {Problem::Damaged, q.value(0).toString()};
        // Before the tables: a view in place of one is named as what it is.
        if (const QStringList foreign = foreignSchemaObjects(database.db()); !foreign.isEmpty())
            return {Problem::Foreign, foreign.join(QStringLiteral(", "))};
        for (const QString& table : {QStringLiteral("test1"), QStringLiteral("hiba1")}) {
            QSqlQuery t(database.db());
            t.prepare(
                QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ? "
                               "COLLATE NOCASE"));
            t.addBindValue(table);
            if (!t.exec() || !t.next()) return {Problem::Damaged, t.lastError().text()};
            if (t.value(0).toInt() == 0) return {Problem::MissingTable, table};
        }
        if (isLaterLayout(database.db())) return {Problem::LaterLayout, {}};
    } catch (const StoreError& e) {
        return statusOf(e);
    }
    if (!mayWrite(path)) return {Problem::ReadOnly, {}};
    if (!mayChange(path)) return {Problem::FolderReadOnly, {}};
    // A writer elsewhere holding the file: try to take the write lock for a moment.
    try {
        Database database(path, false, false);
        QSqlQuery q(database.db());
        if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
            const Problem problem = problemOfEngineCode(primaryCode(q.lastError()));
            const bool told = problem == Problem::Locked || problem == Problem::Damaged;
            return {told ? problem : Problem::ReadOnly, q.lastError().text()};
        }
        q.exec(QStringLiteral("ROLLBACK"));
    } catch (const StoreError& e) {
        return statusOf(e);
    }
    return {};
}

Database::Transaction::Transaction(Database& database) : database_(database) {
    QSqlQuery q(database_.db());
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) throwQueryError(q);
}

Database::Transaction::~Transaction() {
    if (done_) return;
    QSqlQuery q(database_.db());
    q.exec(QStringLiteral("ROLLBACK"));
}

void Database::Transaction::commit() {
    QSqlQuery q(database_.db());
    if (!q.exec(QStringLiteral("COMMIT"))) throwQueryError(q);
    done_ = true;
}

}  // namespace store
