// Index-ordered table access: every move is one indexed query.
#include "table_view.h"

#include <QSqlQuery>
#include <tuple>

#include "field_limits.h"
#include "store_error.h"

namespace store {

TableView::TableView(Database& db, const QString& table) : db_(&db), fields_(&fieldsOf(table)) {
    // Open on the first row in stored order, as a table opens.
    if (!fetch(QString(), {}, false)) state_ = State::Empty;
}

void TableView::selectIndex(const QString& indexName) {
    QSqlQuery q(db_->db());
    q.prepare(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = ? COLLATE NOCASE "
                       "AND name = ? COLLATE NOCASE"));
    q.addBindValue(fields_->table);
    q.addBindValue(indexName);
    if (!q.exec()) throwQueryError(q);
    if (!q.next())
        throw StoreError(QStringLiteral("The table %1 has no index \"%2\".").arg(fields_->table, indexName));
    const QString actual = q.value(0).toString();
    QSqlQuery info(db_->db());
    if (!info.exec(QStringLiteral("PRAGMA index_info(\"%1\")").arg(actual)) || !info.next())
        throw StoreError(QStringLiteral("The index \"%1\" cannot be read.").arg(indexName));
    keyColumn_ = info.value(2).toString();
    indexName_ = indexName;
}

bool TableView::fetch(const QString& where, const std::vector<QVariant>& binds, bool descending) {
    const QString dir = descending ? QStringLiteral(" DESC") : QString();
    const QString sql = QStringLiteral("SELECT rowid, %1, %2 FROM %3 %4 ORDER BY %2%5, rowid%5 LIMIT 1")
                            .arg(readColumns(*fields_), keyColumn(), fields_->table,
                                 where.isEmpty() ? QString() : QStringLiteral("WHERE ") + where, dir);
    QSqlQuery q(db_->db());
    q.prepare(sql);
    for (const QVariant& v : binds) q.addBindValue(v);
    if (!q.exec()) throwQueryError(q);
    if (!q.next()) return false;
    rowid_ = q.value(0).toLongLong();
    values_.clear();
    for (int i = 0; i < fields_->count(); ++i) values_.push_back(q.value(i + 1));
    key_ = q.value(fields_->count() + 1);
    state_ = State::On;
    return true;
}

void TableView::seek(const QVariant& key) {
    const auto saved = std::make_tuple(state_, rowid_, key_, values_);
    noMatch_ = !fetch(keyColumn() + QStringLiteral(" = ?"), {key}, false);
    if (noMatch_) std::tie(state_, rowid_, key_, values_) = saved;
}

void TableView::moveFirst() {
    if (!fetch(QString(), {}, false)) throw StoreError::noRecord();
}

void TableView::moveLast() {
    if (!fetch(QString(), {}, true)) throw StoreError::noRecord();
}

void TableView::moveNext() {
    if (eof()) throw StoreError::noRecord();
    bool found;
    if (state_ == State::Bof) {
        found = fetch(QString(), {}, false);
    } else if (key_.isNull()) {
        // Empty keys come first in index order.
        const QString k = keyColumn();
        found = fetch(QStringLiteral("(%1 IS NULL AND rowid > ?) OR %1 IS NOT NULL").arg(k), {rowid_}, false);
    } else {
        const QString k = keyColumn();
        found = fetch(QStringLiteral("%1 > ? OR (%1 = ? AND rowid > ?)").arg(k), {key_, key_, rowid_}, false);
    }
    if (!found) state_ = State::Eof;
}

void TableView::movePrevious() {
    if (bof()) throw StoreError::noRecord();
    bool found;
    if (state_ == State::Eof) {
        found = fetch(QString(), {}, true);
    } else if (key_.isNull()) {
        found = fetch(QStringLiteral("%1 IS NULL AND rowid < ?").arg(keyColumn()), {rowid_}, true);
    } else {
        const QString k = keyColumn();
        found = fetch(QStringLiteral("%1 IS NULL OR %1 < ? OR (%1 = ? AND rowid < ?)").arg(k),
                      {key_, key_, rowid_}, true);
    }
    if (!found) state_ = State::Bof;
}

const std::vector<QVariant>& TableView::current() const {
    if (state_ != State::On) throw StoreError::noRecord();
    return values_;
}

QVariant TableView::field(const QString& name) const {
    const int i = fields_->indexOf(name);
    if (i < 0) throw StoreError(QStringLiteral("Unknown field \"%1\".").arg(name));
    return shownValue(fields_->names[i], current()[static_cast<size_t>(i)]);  // as a record set shows it
}

void TableView::deleteCurrent() {
    current();
    QSqlQuery q(db_->db());
    q.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(fields_->table));
    q.addBindValue(rowid_);
    if (!q.exec()) throwQueryError(q);
    state_ = State::Deleted;
}

int largestSerial(Database& db) {
    TableView view(db, QStringLiteral("test1"));
    view.selectIndex(QStringLiteral("sorszam"));
    try {
        view.moveLast();
    } catch (const StoreError&) {
        return 0;
    }
    return view.field(QStringLiteral("sorszam")).toInt();
}

}  // namespace store
