// Reading, checking and storing the teaching material.
#include "material.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QSqlQuery>
#include <algorithm>

#include "csv.h"
#include "store_error.h"

namespace store {

const QStringList& materialColumns() {
    static const QStringList columns = {"sorszam", "szint", "kulcs1", "kulcs2", "mondat", "a",
                                        "b",       "c",     "d",      "felelet1", "felelet2"};
    return columns;
}

MaterialRead readMaterialCsv(const QString& text) {
    MaterialRead result;
    std::vector<CsvRecord> records;
    try {
        records = parseCsv(text);
    } catch (const StoreError& e) {
        result.problems << e.message();
        return result;
    }
    if (records.empty()) {
        result.problems << QStringLiteral("line 1: the header line is missing");
        return result;
    }
    QStringList header = records.front().fields;
    if (!header.isEmpty()) header.first().remove(QChar(0xFEFF));
    for (QString& h : header) h = h.trimmed();
    if (header.join(u',').compare(materialColumns().join(u','), Qt::CaseInsensitive) != 0) {
        result.problems << QStringLiteral("line %1: the header must be \"%2\"")
                               .arg(records.front().line)
                               .arg(materialColumns().join(u','));
        return result;
    }
    QSet<int> serials;
    const int columns = static_cast<int>(materialColumns().size());
    for (size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& rec = records[r];
        auto bad = [&](const QString& field, const QString& why) {
            result.problems << QStringLiteral("line %1, field %2: %3").arg(rec.line).arg(field, why);
        };
        if (rec.fields.size() != columns) {
            result.problems << QStringLiteral("line %1: %2 fields instead of %3")
                                   .arg(rec.line)
                                   .arg(rec.fields.size())
                                   .arg(columns);
            continue;
        }
        MaterialRow row{rec.line, {}};
        bool good = true;
        for (int i = 0; i < columns; ++i) {
            const QString& value = rec.fields[i];
            row.values.push_back(value.isEmpty() ? QVariant() : QVariant(value));
        }
        bool isNumber = false;
        const int serial = rec.fields[0].trimmed().toInt(&isNumber);
        if (!isNumber || serial < 1 || serial > 32767) {
            bad(QStringLiteral("sorszam"), QStringLiteral("\"%1\" is not a whole number from 1 to 32767").arg(rec.fields[0]));
            good = false;
        } else if (serials.contains(serial)) {
            bad(QStringLiteral("sorszam"), QStringLiteral("%1 is used by an earlier row").arg(serial));
            good = false;
        } else {
            serials.insert(serial);
            row.values[0] = serial;
        }
        if (!rec.fields[1].isEmpty()) {
            const int level = rec.fields[1].trimmed().toInt(&isNumber);
            if (!isNumber || level < 1 || level > 3) {
                bad(QStringLiteral("szint"), QStringLiteral("\"%1\" is not a level from 1 to 3").arg(rec.fields[1]));
                good = false;
            } else {
                row.values[1] = level;
            }
        }
        for (int i : {2, 3}) {
            if (rec.fields[i].size() > 1) {
                bad(materialColumns()[i], QStringLiteral("\"%1\" is longer than one character").arg(rec.fields[i]));
                good = false;
            }
        }
        if (good) result.rows.push_back(std::move(row));
    }
    return result;
}

MaterialRead builtInMaterial() {
    QFile file(QStringLiteral(":/data/material.csv"));
    if (!file.open(QIODevice::ReadOnly)) {
        MaterialRead read;
        read.problems << QStringLiteral("The built-in material is missing from the program.");
        return read;
    }
    return readMaterialCsv(QString::fromUtf8(file.readAll()));
}

QString materialCsv(Database& db) {
    QSqlQuery q(db.db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1 FROM test1 ORDER BY sorszam").arg(materialColumns().join(u','))))
        throwQueryError(q);
    QString out = materialColumns().join(u',') + u'\n';
    while (q.next()) {
        QStringList fields;
        for (int i = 0; i < materialColumns().size(); ++i) fields << (q.isNull(i) ? QString() : q.value(i).toString());
        out += csvLine(fields) + u'\n';
    }
    return out;
}

std::vector<int> spreadOrder(int n, forms::RandomSource& random) {
    std::vector<int> values;
    values.reserve(static_cast<size_t>(std::max(n, 0)));
    for (int i = 0; i < n; ++i) values.push_back(static_cast<int>((i + 0.5) * 3000.0 / n) + 1);
    // Fisher-Yates with the program's own random source.
    for (int i = n - 1; i > 0; --i) std::swap(values[static_cast<size_t>(i)], values[static_cast<size_t>(random.draw1ToN(i + 1) - 1)]);
    return values;
}

void insertMaterial(Database& db, const std::vector<MaterialRow>& rows, forms::RandomSource& random) {
    const std::vector<int> order = spreadOrder(static_cast<int>(rows.size()), random);
    Database::Transaction transaction(db);
    QSqlQuery q(db.db());
    q.prepare(QStringLiteral("INSERT INTO test1 (sorszam, sorrend, sorrend2, szint, kulcs1, kulcs2, mondat, a, b, c, d, "
                             "felelet1, felelet2) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (size_t r = 0; r < rows.size(); ++r) {
        const auto& v = rows[r].values;
        q.addBindValue(v[0]);
        q.addBindValue(v[0]);
        q.addBindValue(order[r]);
        for (size_t i = 1; i < v.size(); ++i) q.addBindValue(v[i]);
        if (!q.exec()) throwQueryError(q);
    }
    transaction.commit();
}

void createDatabaseFile(const QString& path, const std::vector<MaterialRow>& rows, forms::RandomSource& random) {
    const QString temp = path + QStringLiteral(".new");
    QFile::remove(temp);
    try {
        Database::create(temp);
        {
            Database db(temp);
            insertMaterial(db, rows, random);
        }
        if (QFileInfo::exists(path)) throw StoreError(QStringLiteral("The file %1 exists already.").arg(path));
        if (!QFile::rename(temp, path)) throw StoreError(QStringLiteral("The file %1 cannot be written.").arg(path));
    } catch (...) {
        QFile::remove(temp);
        QFile::remove(temp + QStringLiteral("-journal"));
        throw;
    }
}

}  // namespace store
