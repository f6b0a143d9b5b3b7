// The bound cursor: the order of the rows in memory, their fields read as they are needed, every
// write sent to the file at once through statements prepared once.
#include "bound_view.h"

#include <QSqlError>
#include <QStringList>

#include "field_limits.h"
#include "row_filter.h"
#include "store_error.h"

namespace store {

BoundView::BoundView(Database& db, const QString& table) : RowCursor(fieldsOf(table)), db_(&db) {
    refresh();
}

QSqlQuery& BoundView::statement(const QString& sql) const {
    auto it = statements_.find(sql);
    if (it == statements_.end()) {
        QSqlQuery q(db_->db());
        if (!q.prepare(sql)) throwQueryError(q);
        it = statements_.emplace(sql, std::move(q)).first;
    }
    return it->second;
}

void BoundView::refresh() {
    buffer_.reset();
    QSqlQuery q(db_->db());
    q.setForwardOnly(true);
    if (!q.exec(
            QStringLiteral("SELECT rowid FROM %1 ORDER BY %2").arg(fields().table, naturalOrder(fields()))))
        throwQueryError(q);
    rows_.clear();
    while (q.next()) rows_.push_back(Row{q.value(0).toLongLong(), {}});
    if (q.lastError().isValid()) throwQueryError(q);
    loaded_.assign(rows_.size(), false);
    resetToFirst();
}

const Row& BoundView::rowAt(int index) const {
    const auto i = static_cast<size_t>(index);
    if (!loaded_[i]) {
        QSqlQuery& q = statement(
            QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(readColumns(fields()), fields().table));
        q.addBindValue(rows_[i].rowid);
        if (!q.exec()) throwQueryError(q);
        if (!q.next()) throw StoreError::deletedMeanwhile();
        rows_[i].values.clear();
        for (int f = 0; f < fields().count(); ++f) rows_[i].values.push_back(q.value(f));
        q.finish();
        loaded_[i] = true;
    }
    return rows_[i];
}

void BoundView::beforeMove() {
    if (buffer_) update();
}

void BoundView::afterMove() {
    // The row the cursor arrives on is read afresh at its first look.
    if (pos_ >= 0 && pos_ < size()) loaded_[static_cast<size_t>(pos_)] = false;
}

int BoundView::findMatch(const Criteria& criteria, int start) const {
    // A search sees every row as the file holds it now, and asks SQLite which rows match, so
    // that only the fields the condition reads leave the file (reading every row whole made a
    // search of a large table take seconds). A row deleted elsewhere matches nothing; one added
    // elsewhere is not in this cursor until the next refresh.
    const RowidSet matching(selectRows(*db_, fields(), &criteria, false));
    for (int i = start; i < size(); ++i)
        if (matching.contains(rows_[static_cast<size_t>(i)].rowid)) return i;
    return -1;
}

void BoundView::edit() {
    // Only the fields that are set are written, so the row need not be read first.
    if (bof() || eof() || onDeleted_) throw StoreError::noRecord();
    spare_.resize(static_cast<size_t>(fields().count()));
    buffer_ = std::move(spare_);
    touched_.assign(static_cast<size_t>(fields().count()), false);
    adding_ = false;
}

void BoundView::addNew() {
    buffer_ = std::vector<QVariant>(static_cast<size_t>(fields().count()));
    touched_.assign(static_cast<size_t>(fields().count()), false);
    adding_ = true;
}

void BoundView::setField(const QString& name, const QVariant& value) {
    if (!buffer_) throw StoreError(QStringLiteral("The record is not being edited."));
    const int i = fields().indexOf(name);
    if (i < 0) throw StoreError(QStringLiteral("Unknown field \"%1\".").arg(name));
    (*buffer_)[static_cast<size_t>(i)] = value;
    touched_[static_cast<size_t>(i)] = true;
}

QVariant BoundView::pendingField(const QString& name) const {
    const int i = fields().indexOf(name);
    if (i < 0) throw StoreError(QStringLiteral("Unknown field \"%1\".").arg(name));
    if (buffer_ && (adding_ || touched_[static_cast<size_t>(i)])) return (*buffer_)[static_cast<size_t>(i)];
    return field(name);
}

void BoundView::update() {
    if (!buffer_) throw StoreError(QStringLiteral("The record is not being edited."));
    quint32 mask = 0;
    std::vector<QVariant> values;
    for (size_t i = 0; i < touched_.size(); ++i) {
        if (!touched_[i]) continue;
        mask |= 1u << i;
        values.push_back((*buffer_)[i]);
    }
    auto touchedNames = [&] {
        QStringList names;
        for (size_t i = 0; i < touched_.size(); ++i)
            if (touched_[i]) names << fields().names[static_cast<int>(i)];
        return names;
    };
    if (adding_) {
        const QStringList names = touchedNames();
        QStringList marks;
        for (int i = 0; i < names.size(); ++i) marks << QStringLiteral("?");
        QSqlQuery& q =
            statement(names.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(fields().table)
                                      : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                            .arg(fields().table, names.join(QStringLiteral(", ")),
                                                 marks.join(QStringLiteral(", "))));
        for (const QVariant& v : values) q.addBindValue(v);
        if (!q.exec()) throwQueryError(q);
        // A new row joins the end of the set; the current row stays current.
        const bool atEnd = pos_ >= size() && !onDeleted_;
        rows_.push_back(Row{q.lastInsertId().toLongLong(), std::move(*buffer_)});
        loaded_.push_back(true);
        if (atEnd) pos_ = size();
    } else {
        if (bof() || eof() || onDeleted_) {
            buffer_.reset();
            throw StoreError::noRecord();
        }
        const size_t at = static_cast<size_t>(pos_);
        if (mask != 0) {
            QSqlQuery*& cached = updates_[mask];
            if (!cached)
                cached = &statement(QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?")
                                        .arg(fields().table, touchedNames().join(QStringLiteral(" = ?, "))));
            QSqlQuery& q = *cached;
            for (const QVariant& v : values) q.addBindValue(v);
            q.addBindValue(rows_.at(at).rowid);
            if (!q.exec()) throwQueryError(q);
            if (q.numRowsAffected() == 0) throw StoreError::deletedMeanwhile();
        }
        if (loaded_[at])
            for (size_t i = 0; i < touched_.size(); ++i)
                if (touched_[i]) rows_[at].values[i] = (*buffer_)[i];
        spare_ = std::move(*buffer_);
    }
    buffer_.reset();
}

void BoundView::deleteCurrent() {
    const Row& row = current();
    QSqlQuery& q = statement(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(fields().table));
    q.addBindValue(row.rowid);
    if (!q.exec()) throwQueryError(q);
    rows_.erase(rows_.begin() + pos_);
    loaded_.erase(loaded_.begin() + pos_);
    buffer_.reset();
    onDeleted_ = true;
}

}  // namespace store
