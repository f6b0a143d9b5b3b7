// One connection to the database file. Every window opens its own; all of them see each other's
// committed writes when they read again.
#pragma once

#include <QSqlDatabase>
#include <QString>

#include "store_error.h"

namespace store {

// What is wrong with a database file, as a value a window turns into a message.
struct FileStatus {
    Problem problem = Problem::None;
    QString detail;  // the missing table's name, the foreign triggers and views, or the engine's own words
    bool ok() const { return problem == Problem::None; }
};

class Database {
public:
    // Opens an existing file; throws StoreError if it is missing or cannot be opened. A file of
    // ours with an older layout is upgraded when it may be written; if that fails (the file is
    // locked, say), it is used as it is and the next opening tries again.
    explicit Database(const QString& path, bool readOnly = false);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Creates a new, empty database file with both tables at `path` (which must not exist).
    static void create(const QString& path);
    // Looks at a file: present, readable, ours (both tables there, no triggers or views the
    // program did not make, not of a later layout), not locked. Changes nothing, except that a
    // write cut short (a crash, a power cut) is rolled back as any connection that may write
    // would roll it back.
    static FileStatus check(const QString& path);

    QSqlDatabase& db() { return db_; }
    const QString& path() const { return path_; }

    // All-or-nothing groups of writes: rolled back unless committed.
    class Transaction {
    public:
        explicit Transaction(Database& database);
        ~Transaction();
        void commit();

    private:
        Database& database_;
        bool done_ = false;
    };

private:
    Database(const QString& path, bool readOnly, bool upgrade);
    static void rollBackCutShortWrite(const QString& path);
    QString path_;
    QString connection_;
    QSqlDatabase db_;
};

// Whether a file (or folder) may be written: the system allows it and it is not marked
// read-only for everyone (a mark the program respects even where the system would let it write).
bool mayWrite(const QString& path);
// Whether the database file at `path` may be changed: the file and its folder may be written
// (SQLite keeps its rollback journal beside the file while it writes).
bool mayChange(const QString& path);

// Throws the store error for a failed statement, marking refusals by a constraint.
[[noreturn]] void throwQueryError(const class QSqlQuery& query);
// Throws the store error for any failure of the engine, with its result code.
[[noreturn]] void throwEngineError(const class QSqlError& error);

}  // namespace store
