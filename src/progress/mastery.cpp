// The mastery grid and the model's calibration, from the file's memory tables.
#include "mastery.h"

#include <sqlite3.h>

#include <QHash>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "progress_model.h"
#include "store/database.h"
#include "store/store_error.h"

namespace progress {

namespace {

bool hasMemoryTables(QSqlDatabase& db) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table'"
                               " AND name IN ('memory_states', 'answer_log')")) ||
        !q.next())
        store::throwQueryError(q);
    return q.value(0).toInt() == 2;
}

// The rows of one statement. Through SQLite's own interface on the connection's handle the
// values of a hundred thousand sentences and half a million answers take a fraction of the time
// the driver's take; the driver is the way when there is no such handle.
class Rows {
public:
    Rows(QSqlDatabase& db, const char* sql) : query_(db) {
        const QVariant handle = db.driver()->handle();
        if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0) {
            native_ = *static_cast<sqlite3* const*>(handle.constData());
            if (native_ && sqlite3_prepare_v2(native_, sql, -1, &statement_, nullptr) == SQLITE_OK) return;
            if (statement_) sqlite3_finalize(statement_);
            statement_ = nullptr;
        }
        query_.setForwardOnly(true);
        if (!query_.exec(QLatin1String(sql))) store::throwQueryError(query_);
    }
    ~Rows() {
        if (statement_) sqlite3_finalize(statement_);
    }
    Rows(const Rows&) = delete;
    Rows& operator=(const Rows&) = delete;

    bool next() {
        if (!statement_) {
            if (query_.next()) return true;
            if (query_.lastError().isValid()) store::throwQueryError(query_);
            return false;
        }
        const int status = sqlite3_step(statement_);
        if (status == SQLITE_ROW) return true;
        if (status != SQLITE_DONE)
            throw store::StoreError(QString::fromUtf8(sqlite3_errmsg(native_)), false,
                                    sqlite3_extended_errcode(native_) & 0xff);
        return false;
    }
    bool isNull(int c) const {
        return statement_ ? sqlite3_column_type(statement_, c) == SQLITE_NULL : query_.value(c).isNull();
    }
    double real(int c) const {
        return statement_ ? sqlite3_column_double(statement_, c) : query_.value(c).toDouble();
    }
    qint64 integer(int c) const {
        return statement_ ? sqlite3_column_int64(statement_, c) : query_.value(c).toLongLong();
    }
    // The text of a column as UTF-8 bytes, empty for NULL.
    std::string text(int c) const {
        if (!statement_) return query_.value(c).toString().toStdString();
        const unsigned char* t = sqlite3_column_text(statement_, c);
        return t ? std::string(reinterpret_cast<const char*>(t), size_t(sqlite3_column_bytes(statement_, c)))
                 : std::string();
    }

private:
    QSqlQuery query_;
    sqlite3* native_ = nullptr;
    sqlite3_stmt* statement_ = nullptr;
};

// A probability kept away from 0 and 1, so that a sure prediction proved wrong costs much but
// not infinitely much.
double bounded(double p) {
    return std::clamp(p, 1e-6, 1.0 - 1e-6);
}

double entropy(double share) {
    if (share <= 0 || share >= 1) return 0;
    return -(share * std::log(share) + (1 - share) * std::log(1 - share));
}

}  // namespace

bool MasteryMap::anySeen() const {
    return std::any_of(cells_.begin(), cells_.end(), [](const MasteryCell& c) { return c.seen > 0; });
}

MasteryMap masteryOf(const std::vector<MasterySentence>& sentences, qint64 today,
                     const memory::Model& model) {
    MasteryMap map;
    // The topics of a sentence depend on its two codes only, of which a file has a handful.
    QHash<QString, quint32> masks;
    for (const MasterySentence& s : sentences) {
        if (s.level < 1 || s.level > MasteryMap::kLevels) continue;
        const QString codes = s.kulcs1 + QChar(0) + s.kulcs2;
        auto found = masks.constFind(codes);
        if (found == masks.constEnd()) {
            SentenceInfo info;
            info.kulcs1 = s.kulcs1;
            info.kulcs2 = s.kulcs2;
            found = masks.insert(codes, topicMask(info));
        }
        const quint32 mask = *found;
        if (mask == 0) continue;
        const double recall =
            s.memory ? model.retrievability(double(today - s.memory->lastDay), s.memory->stability) : 0;
        for (int t = 0; t < MasteryMap::kTopics; ++t) {
            if (!(mask & (1u << t))) continue;
            MasteryCell& cell = map.cell(t, s.level);
            ++cell.sentences;
            cell.serials.push_back(s.serial);
            if (!s.memory) continue;
            ++cell.seen;
            cell.meanRetrievability += recall;  // a sum until the end
            if (s.memory->dueDay <= today) ++cell.due;
        }
    }
    for (int t = 0; t < MasteryMap::kTopics; ++t)
        for (int level = 1; level <= MasteryMap::kLevels; ++level) {
            MasteryCell& cell = map.cell(t, level);
            if (cell.seen > 0) cell.meanRetrievability /= cell.seen;
        }
    return map;
}

Calibration calibrationOf(const std::vector<Prediction>& predictions) {
    Calibration c;
    int recalled = 0;
    double loss = 0;
    for (const Prediction& p : predictions) {
        CalibrationBin& bin = c.bins[static_cast<size_t>(
            std::clamp(static_cast<int>(p.predicted * Calibration::kBins), 0, Calibration::kBins - 1))];
        ++bin.count;
        bin.meanPredicted += p.predicted;
        bin.shareRecalled += p.recalled ? 1 : 0;
        recalled += p.recalled ? 1 : 0;
        loss -= std::log(p.recalled ? bounded(p.predicted) : 1 - bounded(p.predicted));
    }
    for (CalibrationBin& bin : c.bins)
        if (bin.count > 0) {
            bin.meanPredicted /= bin.count;
            bin.shareRecalled /= bin.count;
        }
    c.updates = static_cast<int>(predictions.size());
    if (c.updates > 0) {
        c.logLoss = loss / c.updates;
        c.shareRecalled = double(recalled) / c.updates;
        c.baseLogLoss = entropy(c.shareRecalled);
    }
    return c;
}

std::optional<MemoryFigures> loadMemoryFigures(QSqlDatabase& db, qint64 today) {
    if (!hasMemoryTables(db)) return std::nullopt;
    std::vector<MasterySentence> sentences;
    {
        // The two codes of a sentence, of which a file has a handful, are read once each.
        std::map<std::pair<std::string, std::string>, std::pair<QString, QString>> codes;
        Rows rows(
            db,
            "SELECT t.sorszam, t.szint, t.kulcs1, t.kulcs2, m.stability, m.last_day, m.due_day,"
            " t.kulcs1 IS NULL, t.kulcs2 IS NULL FROM test1 t"
            " LEFT JOIN sentences s ON s.serial = t.sorszam LEFT JOIN memory_states m ON m.sentence = s.id"
            " ORDER BY t.sorrend2, t.sorszam");
        while (rows.next()) {
            MasterySentence s;
            s.serial = static_cast<int>(rows.integer(0));
            s.level = static_cast<int>(rows.integer(1));
            auto key = std::make_pair(rows.text(2), rows.text(3));
            auto found = codes.find(key);
            if (found == codes.end()) {
                // NULL stays a null text: the topic conditions tell it from an empty one.
                const QString k1 = rows.integer(7) ? QString() : QString::fromStdString(key.first);
                const QString k2 = rows.integer(8) ? QString() : QString::fromStdString(key.second);
                found = codes.emplace(std::move(key), std::make_pair(k1, k2)).first;
            }
            s.kulcs1 = found->second.first;
            s.kulcs2 = found->second.second;
            if (!rows.isNull(4))
                s.memory = MasterySentence::Seen{rows.real(4), rows.integer(5), rows.integer(6)};
            sentences.push_back(std::move(s));
        }
    }
    std::vector<Prediction> predictions;
    {
        Rows rows(db, "SELECT predicted, grade FROM answer_log WHERE updated = 1 AND predicted IS NOT NULL");
        while (rows.next()) predictions.push_back({rows.real(0), rows.integer(1) > 1});
    }
    return MemoryFigures{masteryOf(sentences, today, memory::Model()), calibrationOf(predictions)};
}

}  // namespace progress
