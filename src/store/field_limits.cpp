// The field limits and the checks built on them.
#include "field_limits.h"

#include <QStringList>

namespace store {

int fieldLimit(const QString& field) {
    for (const FieldLimit& limit : kFieldLimits)
        if (field.compare(QLatin1String(limit.field), Qt::CaseInsensitive) == 0) return limit.maxChars;
    return 0;
}

QString fieldValueProblem(const QString& field, const QString& value) {
    if (value.contains(QChar(0)))
        return QStringLiteral("holds a NUL character (a byte 0), which a text never has");
    const int limit = fieldLimit(field);
    if (limit > 0 && value.size() > limit)
        return QStringLiteral("is %1 characters long; it may hold at most %2").arg(value.size()).arg(limit);
    return {};
}

QString readColumns(const Fields& fields) {
    // Text columns: a number stored there was stored as text, so substr changes no value's type.
    QStringList columns;
    for (const QString& name : fields.names) {
        const int limit = fieldLimit(name);
        columns << (limit < 2 ? name : QStringLiteral("substr(%1, 1, %2)").arg(name).arg(limit + 1));
    }
    return columns.join(QStringLiteral(", "));
}

QVariant shownValue(const QString& field, const QVariant& value) {
    if (value.typeId() != QMetaType::QString) return value;
    const int limit = fieldLimit(field);
    if (limit < 2) return value;
    const QString text = value.toString();
    if (text.size() <= limit) return value;
    qsizetype keep = limit - 1;
    if (text[keep - 1].isHighSurrogate()) --keep;  // never half a character
    return QVariant(text.left(keep) + QChar(0x2026));
}

}  // namespace store
