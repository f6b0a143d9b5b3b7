// An updatable cursor over one table in its natural order, as a data-bound window holds it:
// refreshed from the file on demand, edits and new rows written through at update. It reads the
// order of the rows at refresh, and a row's fields each time the cursor moves onto it, so every
// row shows the file as it was when the cursor arrived there (rows added elsewhere appear only
// at the next refresh). An edit still pending when the cursor moves is stored into the row it
// was made on before the cursor leaves; if the store refuses it, the cursor stays.
#pragma once

#include <QSqlQuery>
#include <map>
#include <optional>

#include "database.h"
#include "row_cursor.h"

namespace store {

class BoundView : public RowCursor {
public:
    // Reads the table at once and stands on its first row.
    BoundView(Database& db, const QString& table);

    Database& database() { return *db_; }

    // Re-reads the table (rows stored by others appear) and stands on the first row.
    void refresh();

    // Editing: edit() or addNew() opens a buffer, setField() fills it, update() stores it.
    // A refused update is an error (StoreError::refused()) and keeps the buffer for another try.
    void edit();
    void addNew();
    void setField(const QString& name, const QVariant& value);
    void update();
    void cancelUpdate() { buffer_.reset(); }
    bool editing() const { return buffer_.has_value(); }
    bool addingNew() const { return buffer_ && adding_; }
    // The value in the edit buffer (or the stored one when nothing is being edited).
    QVariant pendingField(const QString& name) const;

    // Deletes the current row; no row is current until the next move.
    void deleteCurrent();

protected:
    int size() const override { return static_cast<int>(rows_.size()); }
    const Row& rowAt(int index) const override;
    int findMatch(const Criteria& criteria, int start) const override;
    void beforeMove() override;
    void afterMove() override;

private:
    QSqlQuery& statement(const QString& sql) const;
    Database* db_;
    // Rows in natural order; a row's values are empty until it is first read.
    mutable std::vector<Row> rows_;
    mutable std::vector<bool> loaded_;
    mutable std::map<QString, QSqlQuery> statements_;
    std::map<quint32, QSqlQuery*> updates_;  // UPDATE statement by the set of fields it writes
    std::optional<std::vector<QVariant>> buffer_;
    std::vector<QVariant> spare_;  // the last buffer's storage, reused by the next edit
    std::vector<bool> touched_;
    bool adding_ = false;
};

}  // namespace store
