// The bound cursor: an in-memory copy of the table kept in step with every write it makes.
#include "bound_view.h"

#include <QSqlQuery>
#include <QStringList>

#include "snapshot.h"
#include "store_error.h"

namespace store {

BoundView::BoundView(Database& db, const QString& table) : RowCursor(fieldsOf(table)), db_(&db) { refresh(); }

void BoundView::refresh() {
    buffer_.reset();
    rows_ = readRows(*db_, fields());
    resetToFirst();
}

void BoundView::edit() {
    const Row& row = current();
    buffer_ = row.values;
    touched_.assign(row.values.size(), false);
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
    if (!buffer_) return field(name);
    const int i = fields().indexOf(name);
    if (i < 0) throw StoreError(QStringLiteral("Unknown field \"%1\".").arg(name));
    return (*buffer_)[static_cast<size_t>(i)];
}

void BoundView::update() {
    if (!buffer_) throw StoreError(QStringLiteral("The record is not being edited."));
    QSqlQuery q(db_->db());
    if (adding_) {
        QStringList names, marks;
        for (int i = 0; i < fields().count(); ++i) {
            if (!touched_[static_cast<size_t>(i)]) continue;
            names << fields().names[i];
            marks << QStringLiteral("?");
        }
        const QString sql = names.isEmpty()
                                ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(fields().table)
                                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                      .arg(fields().table, names.join(QStringLiteral(", ")),
                                           marks.join(QStringLiteral(", ")));
        q.prepare(sql);
        for (int i = 0; i < fields().count(); ++i)
            if (touched_[static_cast<size_t>(i)]) q.addBindValue((*buffer_)[static_cast<size_t>(i)]);
        if (!q.exec()) throwQueryError(q);
        // A new row joins the end of the set; the current row stays current.
        rows_.push_back(Row{q.lastInsertId().toLongLong(), std::move(*buffer_)});
        if (pos_ >= size() - 1 && !onDeleted_) pos_ = size();  // keep an EOF position past the new end
    } else {
        Row& row = rows_.at(static_cast<size_t>(pos_));
        QStringList sets;
        for (int i = 0; i < fields().count(); ++i)
            if (touched_[static_cast<size_t>(i)]) sets << fields().names[i] + QStringLiteral(" = ?");
        if (!sets.isEmpty()) {
            q.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                          .arg(fields().table, sets.join(QStringLiteral(", "))));
            for (int i = 0; i < fields().count(); ++i)
                if (touched_[static_cast<size_t>(i)]) q.addBindValue((*buffer_)[static_cast<size_t>(i)]);
            q.addBindValue(row.rowid);
            if (!q.exec()) throwQueryError(q);
            if (q.numRowsAffected() == 0)
                throw StoreError(QStringLiteral("The record has been deleted in the meantime."));
        }
        row.values = std::move(*buffer_);
    }
    buffer_.reset();
}

void BoundView::deleteCurrent() {
    const Row& row = current();
    QSqlQuery q(db_->db());
    q.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(fields().table));
    q.addBindValue(row.rowid);
    if (!q.exec()) throwQueryError(q);
    rows_.erase(rows_.begin() + pos_);
    buffer_.reset();
    onDeleted_ = true;
}

}  // namespace store
