// A table opened directly, moving in the order of a selected index and positioned by seeking a
// key. It reads rows from the file as it moves, so opening it costs nothing however large the table.
#pragma once

#include <QVariant>
#include <optional>
#include <vector>

#include "database.h"
#include "schema.h"

namespace store {

class TableView {
public:
    TableView(Database& db, const QString& table);

    // Later seeks and moves follow this index; an index the table does not have is an error.
    void selectIndex(const QString& indexName);
    const QString& index() const { return indexName_; }

    // Positions on the first row whose key equals the value; a miss sets noMatch and keeps the position.
    void seek(const QVariant& key);
    bool noMatch() const { return noMatch_; }

    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    // On an empty table both flags are set, as on every other empty record set.
    bool eof() const { return state_ == State::Eof || state_ == State::Empty; }
    bool bof() const { return state_ == State::Bof || state_ == State::Empty; }

    QVariant field(const QString& name) const;
    const std::vector<QVariant>& current() const;

    // Deletes the current row; no row is current until the next move.
    void deleteCurrent();

private:
    enum class State { Bof, On, Eof, Deleted, Empty };
    bool fetch(const QString& where, const std::vector<QVariant>& binds, bool descending);
    QString keyColumn() const { return keyColumn_.isEmpty() ? QStringLiteral("rowid") : keyColumn_; }

    Database* db_;
    const Fields* fields_;
    QString indexName_;
    QString keyColumn_;
    State state_ = State::Bof;
    qint64 rowid_ = 0;
    QVariant key_;
    std::vector<QVariant> values_;
    bool noMatch_ = false;
};

// The largest serial number of test1 (0 for an empty table): the last row in the order of its
// serial-number index.
int largestSerial(Database& db);

}  // namespace store
