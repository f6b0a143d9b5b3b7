// Snapshots: one read of the table, then copies that only reorder or thin out row numbers.
#include "snapshot.h"

#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <numeric>
#include <optional>

#include "criteria.h"
#include "store_error.h"

namespace store {

std::vector<Row> readRows(Database& db, const Fields& fields, const QString& condition) {
    std::optional<Criteria> criteria;
    if (!condition.isNull()) criteria = Criteria::parse(condition, fields);
    QSqlQuery q(db.db());
    q.setForwardOnly(true);
    const QString sql = QStringLiteral("SELECT rowid, %1 FROM %2 ORDER BY %3")
                            .arg(fields.names.join(QStringLiteral(", ")), fields.table, naturalOrder(fields));
    if (!q.exec(sql)) throwQueryError(q);
    std::vector<Row> rows;
    const int n = fields.count();
    while (q.next()) {
        Row row;
        row.rowid = q.value(0).toLongLong();
        row.values.reserve(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) row.values.push_back(q.value(i + 1));
        if (!criteria || criteria->matches(row.values)) rows.push_back(std::move(row));
    }
    if (q.lastError().isValid()) throwQueryError(q);
    return rows;
}

Snapshot::Snapshot(const Fields& fields, std::shared_ptr<const std::vector<Row>> rows, std::vector<int> order)
    : RowCursor(fields), rows_(std::move(rows)), order_(std::move(order)) {
    resetToFirst();
}

Snapshot Snapshot::ofTable(Database& db, const QString& table) {
    return ofTable(db, table, QString());
}

Snapshot Snapshot::ofTable(Database& db, const QString& table, const QString& condition) {
    const Fields& fields = fieldsOf(table);
    auto rows = std::make_shared<const std::vector<Row>>(readRows(db, fields, condition));
    std::vector<int> order(rows->size());
    std::iota(order.begin(), order.end(), 0);
    return Snapshot(fields, std::move(rows), std::move(order));
}

namespace {

// Empty fields first, numbers by value, texts without regard to letter case.
int compareValues(const QVariant& a, const QVariant& b, FieldType type) {
    if (a.isNull() || b.isNull()) return a.isNull() == b.isNull() ? 0 : a.isNull() ? -1 : 1;
    if (type == FieldType::Integer) {
        const qlonglong x = a.toLongLong(), y = b.toLongLong();
        return x < y ? -1 : x > y ? 1 : 0;
    }
    return a.toString().compare(b.toString(), Qt::CaseInsensitive);
}

}  // namespace

Snapshot Snapshot::copy() const {
    std::vector<int> order = order_;
    if (!sort_.isEmpty()) {
        const int field = fields().indexOf(sort_);
        if (field < 0) throw StoreError(QStringLiteral("Unknown field \"%1\".").arg(sort_));
        const FieldType type = fields().types[static_cast<size_t>(field)];
        const auto& rows = *rows_;
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return compareValues(rows[static_cast<size_t>(a)].values[static_cast<size_t>(field)],
                                 rows[static_cast<size_t>(b)].values[static_cast<size_t>(field)], type) < 0;
        });
    }
    if (!filter_.isEmpty()) {
        const Criteria criteria = Criteria::parse(filter_, fields());
        const auto& rows = *rows_;
        std::erase_if(order, [&](int i) { return !criteria.matches(rows[static_cast<size_t>(i)].values); });
    }
    return Snapshot(fields(), rows_, std::move(order));
}

}  // namespace store
