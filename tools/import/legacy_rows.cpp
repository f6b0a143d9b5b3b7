// Checking and reordering the rows of the old file.
#include "legacy_rows.h"

#include <QSet>
#include <cmath>
#include <optional>

#include "store/field_limits.h"
#include "store/schema.h"
#include "tool_error.h"

namespace importtool {

namespace {

// Jet keeps numbers in number columns, but an old file may hold them as text ("2") or as a
// floating-point column ("2" or "2.000000"); any of these that is whole is accepted.
std::optional<qint64> wholeNumber(const QVariant& value) {
    if (value.typeId() == QMetaType::LongLong) return value.toLongLong();
    const QString text = value.toString().trimmed();
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    if (ok) return n;
    const double d = text.toDouble(&ok);
    if (ok && std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 9.0e15) return static_cast<qint64>(d);
    return std::nullopt;
}

// A value quoted in a message: short, on one line.
QString shown(const QVariant& value) {
    QString text = value.toString().simplified();
    if (text.size() > 40) text = text.left(37) + QStringLiteral("...");
    return u'"' + text + u'"';
}

// Positions of our fields in the file's columns; a missing field is an error.
std::vector<int> columnMap(const jet::JetTable& table, const store::Fields& fields) {
    std::vector<int> map;
    for (const QString& field : fields.names) {
        const int at = table.columnIndex(field);
        if (at < 0) throw ToolError(QStringLiteral("table %1 has no field %2").arg(table.name, field));
        map.push_back(at);
    }
    return map;
}

// The number fields of test1 and their ranges, as createSchema enforces them.
struct Range {
    const char* field;
    qint64 low, high;
    bool required;
    const char* meaning;
};

const Range* rangeOf(const QString& field) {
    static const Range ranges[] = {
        {"sorszam", 1, 32767, true, "a serial number from 1 to 32767"},
        {"sorrend", INT64_MIN, INT64_MAX, false, "a whole number"},
        {"sorrend2", -32768, 32767, false, "a whole number from -32768 to 32767"},
        {"szint", 1, 3, false, "a level from 1 to 3"},
    };
    for (const Range& range : ranges)
        if (field == QLatin1String(range.field)) return &range;
    return nullptr;
}

// The value of a number field, or why it does not fit.
QVariant number(const QVariant& value, const Range& range, QString& problem) {
    if (value.isNull()) {
        if (range.required) problem = QStringLiteral("is empty");
        return {};
    }
    const std::optional<qint64> n = wholeNumber(value);
    if (!n || *n < range.low || *n > range.high) {
        problem = QStringLiteral("%1 is not %2").arg(shown(value), QLatin1String(range.meaning));
        return {};
    }
    return static_cast<qlonglong>(*n);
}

// The value of a text field, or why it cannot be stored (too long, a NUL character): the same
// rule as every other way into the database.
QVariant text(const QVariant& value, const QString& field, QString& problem) {
    if (value.isNull()) return {};
    const QString text = value.toString();
    if (const QString why = store::fieldValueProblem(field, text); !why.isEmpty())
        problem = QStringLiteral("%1 %2").arg(shown(value), why);
    return text;
}

}  // namespace

Rows test1Rows(const jet::JetTable& table) {
    const store::Fields& fields = store::test1Fields();
    const std::vector<int> map = columnMap(table, fields);
    Rows rows;
    rows.reserve(table.rows.size());
    QSet<qint64> serials;
    for (size_t r = 0; r < table.rows.size(); ++r) {
        std::vector<QVariant> row;
        for (int f = 0; f < fields.count(); ++f) {
            const int column = map[static_cast<size_t>(f)];
            const QVariant& value = table.rows[r][static_cast<size_t>(column)];
            const Range* range = rangeOf(fields.names[f]);
            QString problem;
            row.push_back(range ? number(value, *range, problem) : text(value, fields.names[f], problem));
            if (f == 0 && problem.isEmpty() && serials.contains(row[0].toLongLong()))
                problem = QStringLiteral("%1 is used by an earlier row").arg(row[0].toLongLong());
            if (!problem.isEmpty())
                throw ToolError(QStringLiteral("table %1, row %2, field %3: %4")
                                    .arg(table.name)
                                    .arg(r + 1)
                                    .arg(table.columns[column], problem));
        }
        serials.insert(row[0].toLongLong());
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<QVariant> hiba1Placeholder() {
    std::vector<QVariant> row(8, QVariant(QStringLiteral("-")));
    row[0] = QStringLiteral("0");
    return row;
}

Rows hiba1Rows(const jet::JetTable* table) {
    Rows rows;
    if (!table) {
        rows.push_back(hiba1Placeholder());
        return rows;
    }
    const store::Fields& fields = store::hiba1Fields();
    const std::vector<int> map = columnMap(*table, fields);
    for (size_t r = 0; r < table->rows.size(); ++r) {
        std::vector<QVariant> row;
        for (int f = 0; f < fields.count(); ++f) {
            const int column = map[static_cast<size_t>(f)];
            QString problem;
            row.push_back(text(table->rows[r][static_cast<size_t>(column)], fields.names[f], problem));
            if (!problem.isEmpty())
                throw ToolError(QStringLiteral("table %1, row %2, field %3: %4")
                                    .arg(table->name)
                                    .arg(r + 1)
                                    .arg(table->columns[column], problem));
        }
        rows.push_back(std::move(row));
    }
    // The windows skip the first row unseen. Its content was never fixed, but a failed item
    // always carries the sentence it was about, so a first row with one is a real item that
    // needs a placeholder in front of it.
    const int sentence = fields.indexOf(QStringLiteral("mondat"));
    const auto carriesSentence = [&](const std::vector<QVariant>& row) {
        const QString text = row[static_cast<size_t>(sentence)].toString().trimmed();
        return !text.isEmpty() && text != QLatin1String("-");
    };
    if (rows.empty() || carriesSentence(rows.front())) rows.insert(rows.begin(), hiba1Placeholder());
    return rows;
}

}  // namespace importtool
