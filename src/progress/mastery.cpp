// The mastery grid and the model's calibration, from the file's memory tables.
#include "mastery.h"

#include <sqlite3.h>

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>

#include "memory/memory_store.h"
#include "progress_model.h"
#include "store/database.h"
#include "store/store_error.h"

namespace progress {

namespace {

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
    // The text of a column as UTF-8 bytes, empty for NULL; valid until the next row.
    std::string_view text(int c) {
        if (!statement_) {
            held_[size_t(c) % held_.size()] = query_.value(c).toString().toStdString();
            return held_[size_t(c) % held_.size()];
        }
        const unsigned char* t = sqlite3_column_text(statement_, c);
        return t ? std::string_view(reinterpret_cast<const char*>(t),
                                    size_t(sqlite3_column_bytes(statement_, c)))
                 : std::string_view();
    }

private:
    QSqlQuery query_;
    sqlite3* native_ = nullptr;
    sqlite3_stmt* statement_ = nullptr;
    std::array<std::string, 4> held_;
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
    std::map<std::pair<QString, QString>, quint32> masks;
    for (const MasterySentence& s : sentences) {
        if (s.level < 1 || s.level > MasteryMap::kLevels) continue;
        auto found = masks.find({s.kulcs1, s.kulcs2});
        if (found == masks.end()) {
            SentenceInfo info;
            info.kulcs1 = s.kulcs1;
            info.kulcs2 = s.kulcs2;
            found = masks.emplace(std::make_pair(s.kulcs1, s.kulcs2), topicMask(info)).first;
        }
        const quint32 mask = found->second;
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
    if (!memory::hasMemory(db)) return std::nullopt;
    // The memories by serial, then the sentences in the table's own order (walking the order
    // index, or joining the memory to each sentence, would visit the pages at random), sorted here.
    std::unordered_map<int, MasterySentence::Seen> seen;
    {
        Rows count(db, "SELECT count(*) FROM memory_states");
        if (count.next()) seen.reserve(static_cast<size_t>(count.integer(0)));
    }
    {
        Rows rows(db,
                  "SELECT s.serial, m.stability, m.last_day, m.due_day FROM memory_states m"
                  " JOIN sentences s ON s.id = m.sentence WHERE s.serial IS NOT NULL");
        while (rows.next())
            seen.emplace(static_cast<int>(rows.integer(0)),
                         MasterySentence::Seen{rows.real(1), rows.integer(2), rows.integer(3)});
    }
    std::vector<MasterySentence> sentences;
    {
        // The two codes of a sentence, of which a file has a handful, are turned into texts once each.
        struct Codes {
            std::string kulcs1, kulcs2;
            bool null1, null2;
            QString text1, text2;
        };
        std::vector<Codes> codes;
        // By sentence read: its sorrend2 and serial, and its place.
        struct Place {
            qint64 sorrend2;
            int serial;
            size_t at;
        };
        std::vector<Place> order;
        Rows rows(
            db, "SELECT sorszam, szint, kulcs1, kulcs2, kulcs1 IS NULL, kulcs2 IS NULL, sorrend2 FROM test1");
        while (rows.next()) {
            MasterySentence s;
            s.serial = static_cast<int>(rows.integer(0));
            s.level = static_cast<int>(rows.integer(1));
            const std::string_view k1 = rows.text(2), k2 = rows.text(3);
            const bool null1 = rows.integer(4) != 0, null2 = rows.integer(5) != 0;
            auto found = std::find_if(codes.begin(), codes.end(), [&](const Codes& c) {
                return c.kulcs1 == k1 && c.kulcs2 == k2 && c.null1 == null1 && c.null2 == null2;
            });
            if (found == codes.end()) {
                // NULL stays a null text: the topic conditions tell it from an empty one.
                codes.push_back({std::string(k1), std::string(k2), null1, null2,
                                 null1 ? QString() : QString::fromUtf8(k1.data(), qsizetype(k1.size())),
                                 null2 ? QString() : QString::fromUtf8(k2.data(), qsizetype(k2.size()))});
                found = codes.end() - 1;
            }
            s.kulcs1 = found->text1;
            s.kulcs2 = found->text2;
            if (const auto memory = seen.find(s.serial); memory != seen.end()) s.memory = memory->second;
            order.push_back({rows.isNull(6) ? std::numeric_limits<qint64>::min() : rows.integer(6), s.serial,
                             sentences.size()});
            sentences.push_back(std::move(s));
        }
        // The practice window's order: sorrend2 (an empty one first), then the serial.
        std::sort(order.begin(), order.end(), [](const Place& a, const Place& b) {
            return a.sorrend2 != b.sorrend2 ? a.sorrend2 < b.sorrend2 : a.serial < b.serial;
        });
        std::vector<MasterySentence> sorted;
        sorted.reserve(sentences.size());
        for (const Place& p : order) sorted.push_back(std::move(sentences[p.at]));
        sentences = std::move(sorted);
    }
    std::vector<Prediction> predictions;
    {
        Rows rows(db, "SELECT predicted, grade FROM answer_log WHERE updated = 1 AND predicted IS NOT NULL");
        while (rows.next()) predictions.push_back({rows.real(0), rows.integer(1) > 1});
    }
    MemoryFigures figures{masteryOf(sentences, today, memory::Model()), calibrationOf(predictions)};
    {
        // Written answers and those almost right, through the partial index of verdicts.
        Rows written(
            db, "SELECT count(*), coalesce(sum(verdict = 1), 0) FROM answer_log WHERE verdict IS NOT NULL");
        if (written.next()) {
            figures.writtenAnswers = static_cast<int>(written.integer(0));
            figures.accentsMissed = static_cast<int>(written.integer(1));
        }
    }
    return figures;
}

}  // namespace progress
