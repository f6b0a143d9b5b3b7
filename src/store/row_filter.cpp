// Conditions run as SQL, with the C++ evaluator finishing what the SQL leaves open.
#include "row_filter.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <algorithm>

#include "store_error.h"

namespace store {

namespace {

// One read of the file: the distinct values a condition is compiled against and the rows it
// selects come from the same state of the file, whatever other connections write meanwhile.
// A savepoint, so that it also works inside a transaction already open.
class ReadTransaction {
public:
    explicit ReadTransaction(Database& db) : db_(db) {
        QSqlQuery q(db_.db());
        if (!q.exec(QStringLiteral("SAVEPOINT plurquiz_read"))) throwQueryError(q);
    }
    ~ReadTransaction() {
        QSqlQuery q(db_.db());
        q.exec(QStringLiteral("RELEASE plurquiz_read"));
    }
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

private:
    Database& db_;
};

QString quoted(const QString& name) {
    return QLatin1Char('"') + name + QLatin1Char('"');
}

// Whether an index of the table starts with the field in its own (binary) order, so that its
// values can be listed by seeking from each to the next.
bool leadsAnIndex(Database& db, const Fields& fields, int field) {
    QSqlQuery list(db.db());
    if (!list.exec(QStringLiteral("PRAGMA index_list(%1)").arg(fields.table))) return false;
    while (list.next()) {
        if (list.value(4).toBool()) continue;  // partial: not every row is in it
        QSqlQuery info(db.db());
        if (!info.exec(QStringLiteral("PRAGMA index_xinfo(%1)").arg(quoted(list.value(1).toString()))) ||
            !info.next())
            continue;
        if (info.value(2).toString().compare(fields.names[field], Qt::CaseInsensitive) == 0 &&
            info.value(4).toString().compare(QLatin1String("BINARY"), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// The field's distinct values: through its index, one seek each, where it has one; otherwise
// by one pass over the table that stops past the limit.
DistinctValues distinctValuesOf(Database& db, const Fields& fields, int limit) {
    return [&db, &fields, limit](int field) -> std::optional<std::vector<QVariant>> {
        if (limit <= 0) return std::nullopt;
        const QString column = quoted(fields.names[field]);
        std::vector<QVariant> values;
        if (leadsAnIndex(db, fields, field)) {
            // The least value (min() skips empty fields), then each next one above the last.
            QSqlQuery least(db.db()), above(db.db());
            if (!least.exec(QStringLiteral("SELECT min(%1) FROM %2").arg(column, fields.table)) ||
                !least.next())
                throwQueryError(least);
            QVariant value = least.value(0);
            least.finish();
            if (!above.prepare(
                    QStringLiteral("SELECT min(%1) FROM %2 WHERE %1 > ?").arg(column, fields.table)))
                throwQueryError(above);
            while (!value.isNull() && static_cast<int>(values.size()) <= limit) {
                values.push_back(value);
                above.bindValue(0, value);
                if (!above.exec() || !above.next()) throwQueryError(above);
                QVariant next = above.value(0);
                above.finish();
                // A value that does not come back as it is stored (not valid UTF-8) could be met
                // again; the pass over the table below lists such values as they come.
                if (next == value) break;
                value = std::move(next);
            }
            if (value.isNull()) return values;
            if (static_cast<int>(values.size()) > limit) return std::nullopt;
            values.clear();
        }
        QSqlQuery q(db.db());
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT DISTINCT %1 FROM %2 WHERE %1 IS NOT NULL LIMIT %3")
                        .arg(column, fields.table)
                        .arg(limit + 1)))
            throwQueryError(q);
        while (q.next()) values.push_back(q.value(0));
        if (q.lastError().isValid()) throwQueryError(q);
        if (static_cast<int>(values.size()) > limit) return std::nullopt;
        return values;
    };
}

// Runs "SELECT rowid ... WHERE <condition> [AND rowid IN (...)] [ORDER BY ...]" and hands every
// matching row id to `take`.
template <typename Take>
void run(Database& db, const Fields& fields, const Criteria* criteria, std::span<const qint64> among,
         bool ordered, const FilterLimits& limits, Take&& take) {
    ReadTransaction read(db);
    SqlCondition condition;
    if (criteria)
        condition = criteria->toSql(distinctValuesOf(db, fields, limits.distinctValues), limits.binds);
    // Rows the SQL selects but cannot vouch for are tested here, on the fields the condition reads.
    std::vector<int> tested;
    if (criteria && !condition.exact) tested = criteria->fieldsRead();
    QStringList columns{QStringLiteral("rowid")};
    for (int f : tested) columns << quoted(fields.names[f]);
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(columns.join(QStringLiteral(", ")), fields.table);
    QStringList where;
    if (criteria && condition.where != QLatin1String("1")) where << condition.where;
    if (!among.empty()) {
        QString marks = QStringLiteral("?");
        for (size_t i = 1; i < among.size(); ++i) marks += QStringLiteral(", ?");
        where << QStringLiteral("rowid IN (%1)").arg(marks);
    }
    if (!where.isEmpty()) sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    if (ordered) sql += QStringLiteral(" ORDER BY ") + naturalOrder(fields);

    QSqlQuery q(db.db());
    q.setForwardOnly(true);
    if (!q.prepare(sql)) throwQueryError(q);
    for (const QVariant& v : condition.binds) q.addBindValue(v);
    for (qint64 rowid : among) q.addBindValue(rowid);
    if (!q.exec()) throwQueryError(q);
    std::vector<QVariant> row;
    if (!tested.empty()) row.resize(static_cast<size_t>(fields.count()));
    while (q.next()) {
        if (!tested.empty()) {
            for (size_t i = 0; i < tested.size(); ++i)
                row[static_cast<size_t>(tested[i])] = q.value(static_cast<int>(i) + 1);
            if (!criteria->matches(row)) continue;
        }
        take(q.value(0).toLongLong());
    }
    if (q.lastError().isValid()) throwQueryError(q);
}

}  // namespace

std::vector<qint64> selectRows(Database& db, const Fields& fields, const Criteria* criteria,
                               bool naturalOrder, const FilterLimits& limits) {
    std::vector<qint64> out;
    run(db, fields, criteria, {}, naturalOrder, limits, [&](qint64 rowid) { out.push_back(rowid); });
    return out;
}

std::vector<qint64> selectAmong(Database& db, const Fields& fields, const Criteria& criteria,
                                std::span<const qint64> rowids, const FilterLimits& limits) {
    if (rowids.size() > static_cast<size_t>(kMaxAmong))
        throw StoreError(QStringLiteral("Too many rows for one look-up."));
    std::vector<qint64> out;
    if (rowids.empty()) return out;
    run(db, fields, &criteria, rowids, false, limits, [&](qint64 rowid) { out.push_back(rowid); });
    return out;
}

RowidSet::RowidSet(std::vector<qint64> rowids) {
    if (rowids.empty()) return;
    const auto [lo, hi] = std::minmax_element(rowids.begin(), rowids.end());
    // A bitmap unless the ids lie so far apart that it would take much memory (4 Mbit = 512 KB).
    const quint64 span = quint64(*hi) - quint64(*lo);
    if (span < 64 * quint64(rowids.size()) + (quint64(1) << 22)) {
        base_ = *lo;
        bits_.assign(static_cast<size_t>(span) + 1, false);
        for (qint64 id : rowids) bits_[static_cast<size_t>(quint64(id) - quint64(base_))] = true;
    } else {
        sorted_ = std::move(rowids);
        std::sort(sorted_.begin(), sorted_.end());
    }
}

bool RowidSet::contains(qint64 rowid) const {
    if (!bits_.empty()) {
        const quint64 at = quint64(rowid) - quint64(base_);
        return at < bits_.size() && bits_[static_cast<size_t>(at)];
    }
    return std::binary_search(sorted_.begin(), sorted_.end(), rowid);
}

}  // namespace store
