// CSV reading and writing.
#include "csv.h"

#include "store_error.h"

namespace store {

std::vector<CsvRecord> parseCsv(const QString& text) {
    std::vector<CsvRecord> records;
    forEachCsvRecord(text, [&](CsvRecord&& record) { records.push_back(std::move(record)); });
    return records;
}

void forEachCsvRecord(const QString& text, const std::function<void(CsvRecord&&)>& take) {
    CsvRecord record{1, {}};
    QString field;
    bool quoted = false, inQuotes = false, any = false;
    int line = 1, quoteLine = 0;
    auto endField = [&] {
        record.fields << field;
        field.clear();
        quoted = false;
    };
    auto endRecord = [&] {
        endField();
        take(std::move(record));
        record = CsvRecord{line, {}};
        any = false;
    };
    const int n = static_cast<int>(text.size());
    for (int i = 0; i < n; ++i) {
        const QChar ch = text[i];
        if (inQuotes) {
            if (ch == u'"') {
                if (i + 1 < n && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                if (ch == u'\n') ++line;
                field += ch;
            }
            continue;
        }
        if (ch == u'"' && field.isEmpty() && !quoted) {
            inQuotes = quoted = any = true;
            quoteLine = line;
        } else if (ch == u',') {
            endField();
            any = true;
        } else if (ch == u'\r' || ch == u'\n') {
            if (ch == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
            ++line;
            if (any || !field.isEmpty())
                endRecord();
            else
                record.line = line;
        } else {
            field += ch;
            any = true;
        }
    }
    if (inQuotes)
        throw StoreError(QStringLiteral("line %1: a quotation mark is never closed").arg(quoteLine));
    if (any || !field.isEmpty()) endRecord();
}

QString csvLine(const QStringList& fields) {
    QStringList out;
    for (const QString& f : fields) {
        if (f.contains(u',') || f.contains(u'"') || f.contains(u'\n') || f.contains(u'\r')) {
            QString q = f;
            q.replace(QLatin1String("\""), QLatin1String("\"\""));
            out << u'"' + q + u'"';
        } else {
            out << f;
        }
    }
    return out.join(u',');
}

}  // namespace store
