// Snapshots: the row ids in order, read when made; a row's fields read when it is looked at;
// filters and searches run as SQL over the table's indexes.
#include "snapshot.h"

#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <numeric>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "criteria.h"
#include "field_limits.h"
#include "row_filter.h"
#include "store_error.h"

namespace store {

// The fields of the rows looked at so far, and the statement that reads them.
class Snapshot::Rows {
public:
    Rows(Database& db, const Fields& fields) : db_(db), fields_(fields) {}

    Database& db() const { return db_; }
    const Fields& fields() const { return fields_; }
    bool anyRead() const { return !read_.empty(); }
    const Row* find(qint64 rowid) const {
        auto it = read_.find(rowid);
        return it == read_.end() ? nullptr : &it->second;
    }

    const Row& row(qint64 rowid) {
        if (const Row* row = find(rowid)) return *row;
        if (!statement_) {
            statement_.emplace(db_.db());
            if (!statement_->prepare(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                                         .arg(readColumns(fields_), fields_.table)))
                throwQueryError(*statement_);
        }
        QSqlQuery& q = *statement_;
        q.bindValue(0, rowid);
        if (!q.exec()) throwQueryError(q);
        if (!q.next()) {
            q.finish();
            throw StoreError::deletedMeanwhile();
        }
        Row row{rowid, {}};
        row.values.reserve(static_cast<size_t>(fields_.count()));
        for (int f = 0; f < fields_.count(); ++f) row.values.push_back(q.value(f));
        q.finish();
        return read_.emplace(rowid, std::move(row)).first->second;
    }

private:
    Database& db_;
    const Fields& fields_;
    std::unordered_map<qint64, Row> read_;
    std::optional<QSqlQuery> statement_;
};

Snapshot::Snapshot(std::shared_ptr<Rows> rows, std::shared_ptr<const std::vector<qint64>> order,
                   std::vector<int> sortedBy)
    : RowCursor(rows->fields()),
      rows_(std::move(rows)),
      order_(std::move(order)),
      sortedBy_(std::move(sortedBy)) {
    resetToFirst();
}

Snapshot Snapshot::ofSerials(Database& db, const std::vector<int>& serials, std::vector<int>* kept) {
    const Fields& fields = test1Fields();
    // One statement for the whole list (a day's queue may hold thousands): the serials go in as a
    // JSON array, whose positions keep the order given.
    QString list = QStringLiteral("[");
    for (int serial : serials) list += QString::number(serial) + u',';
    if (!serials.empty()) list.chop(1);
    list += u']';
    QSqlQuery q(db.db());
    q.setForwardOnly(true);
    if (!q.prepare(
            QStringLiteral("SELECT t.rowid, t.sorszam FROM json_each(?) j JOIN test1 t ON t.sorszam = j.value"
                           " ORDER BY j.key")))
        throwQueryError(q);
    q.addBindValue(list);
    if (!q.exec()) throwQueryError(q);
    auto order = std::make_shared<std::vector<qint64>>();
    order->reserve(serials.size());
    std::unordered_set<qint64> taken;
    if (kept) kept->clear();
    while (q.next()) {
        if (!taken.insert(q.value(0).toLongLong()).second) continue;
        order->push_back(q.value(0).toLongLong());
        if (kept) kept->push_back(q.value(1).toInt());
    }
    if (q.lastError().isValid()) throwQueryError(q);
    return Snapshot(std::make_shared<Rows>(db, fields), std::move(order), {});
}

Snapshot Snapshot::ofTable(Database& db, const QString& table) {
    return ofTable(db, table, QString());
}

Snapshot Snapshot::ofTable(Database& db, const QString& table, const QString& condition) {
    const Fields& fields = fieldsOf(table);
    std::optional<Criteria> criteria;
    if (!condition.isNull()) criteria = Criteria::parse(condition, fields);
    auto order = std::make_shared<const std::vector<qint64>>(
        selectRows(db, fields, criteria ? &*criteria : nullptr, /*naturalOrder=*/true));
    return Snapshot(std::make_shared<Rows>(db, fields), std::move(order), naturalOrderFields(fields));
}

const Row& Snapshot::rowAt(int index) const {
    return rows_->row((*order_)[static_cast<size_t>(index)]);
}

std::vector<bool> Snapshot::matching(const Criteria& criteria, std::span<const qint64> rowids) const {
    std::vector<bool> out(rowids.size(), false);
    std::vector<size_t> unread;
    if (!rows_->anyRead()) {
        unread.resize(rowids.size());
        std::iota(unread.begin(), unread.end(), size_t(0));
    } else {
        for (size_t i = 0; i < rowids.size(); ++i) {
            if (const Row* row = rows_->find(rowids[i]))
                out[i] = criteria.matches(row->values);
            else
                unread.push_back(i);
        }
    }
    if (unread.empty()) return out;
    std::vector<qint64> found;
    if (unread.size() <= static_cast<size_t>(kMaxAmong)) {
        std::vector<qint64> ids;
        for (size_t i : unread) ids.push_back(rowids[i]);
        found = selectAmong(rows_->db(), fields(), criteria, ids);
    } else {
        found = selectRows(rows_->db(), fields(), &criteria, false);
    }
    const RowidSet set(std::move(found));
    for (size_t i : unread) out[i] = set.contains(rowids[i]);
    return out;
}

int Snapshot::findMatch(const Criteria& criteria, int start) const {
    // The next rows first, in one small look-up, as a match is usually near; then all the rest,
    // decided by one query over the whole table.
    constexpr size_t kNear = 64;
    const std::span<const qint64> all(*order_);
    size_t from = static_cast<size_t>(start);
    for (size_t length : {kNear, all.size()}) {
        const std::span<const qint64> part = all.subspan(from, std::min(length, all.size() - from));
        const std::vector<bool> hit = matching(criteria, part);
        const auto first = std::find(hit.begin(), hit.end(), true);
        if (first != hit.end()) return static_cast<int>(from + static_cast<size_t>(first - hit.begin()));
        from += part.size();
        if (from == all.size()) break;
    }
    return -1;
}

namespace {

// A row's value of the sort field, as the copy compares it.
struct SortKey {
    bool empty = true;
    qlonglong number = 0;
    QString text;
};

SortKey sortKey(const QVariant& value, FieldType type) {
    SortKey key;
    if (value.isNull()) return key;
    key.empty = false;
    if (type == FieldType::Integer)
        key.number = value.toLongLong();
    else
        key.text = value.toString();
    return key;
}

// Empty fields first, numbers by value, texts without regard to letter case.
bool sortsBefore(const SortKey& a, const SortKey& b, FieldType type) {
    if (a.empty || b.empty) return a.empty && !b.empty;
    if (type == FieldType::Integer) return a.number < b.number;
    return a.text.compare(b.text, Qt::CaseInsensitive) < 0;
}

}  // namespace

Snapshot Snapshot::copy() const {
    auto order = std::make_shared<std::vector<qint64>>(*order_);
    std::vector<int> sortedBy = sortedBy_;
    if (!sort_.isEmpty()) {
        const int field = fields().indexOf(sort_);
        if (field < 0) throw StoreError(QStringLiteral("Unknown field \"%1\".").arg(sort_));
        if (sortedBy.empty() || sortedBy.front() != field) {
            // The sort field of every row: read ones from what was read, the others from the file.
            const FieldType type = fields().types[static_cast<size_t>(field)];
            std::unordered_map<qint64, SortKey> stored;
            QSqlQuery q(rows_->db().db());
            q.setForwardOnly(true);
            if (!q.exec(
                    QStringLiteral("SELECT rowid, %1 FROM %2").arg(fields().names[field], fields().table)))
                throwQueryError(q);
            while (q.next()) stored.emplace(q.value(0).toLongLong(), sortKey(q.value(1), type));
            if (q.lastError().isValid()) throwQueryError(q);
            q.finish();
            std::vector<std::pair<SortKey, qint64>> keyed;
            keyed.reserve(order->size());
            for (qint64 rowid : *order) {
                SortKey key;
                if (const Row* row = rows_->find(rowid))
                    key = sortKey(row->values[static_cast<size_t>(field)], type);
                else if (auto it = stored.find(rowid); it != stored.end())
                    key = it->second;
                keyed.emplace_back(std::move(key), rowid);
            }
            std::stable_sort(keyed.begin(), keyed.end(), [type](const auto& a, const auto& b) {
                return sortsBefore(a.first, b.first, type);
            });
            for (size_t i = 0; i < keyed.size(); ++i) (*order)[i] = keyed[i].second;
            std::erase(sortedBy, field);
            sortedBy.insert(sortedBy.begin(), field);
        }
    }
    if (!filter_.isEmpty()) {
        const Criteria criteria = Criteria::parse(filter_, fields());
        const std::vector<bool> keep = matching(criteria, *order);
        size_t kept = 0;
        for (size_t i = 0; i < order->size(); ++i)
            if (keep[i]) (*order)[kept++] = (*order)[i];
        order->resize(kept);
    }
    return Snapshot(rows_, std::move(order), std::move(sortedBy));
}

}  // namespace store
