// The mastery grid and the model's calibration, from the file's memory tables.
#include "mastery.h"

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
#include "store/native_rows.h"
#include "store/store_error.h"

namespace progress {

namespace {

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
    for (const MasterySentence& s : sentences) {
        if (s.level < 1 || s.level > MasteryMap::kLevels) continue;
        const quint32 mask = s.topics;
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

MasteryMap loadMasteryMap(QSqlDatabase& db, qint64 today) {
    // The memories by serial, then the sentences in the table's own order (walking the order
    // index, or joining the memory to each sentence, would visit the pages at random), sorted here.
    std::vector<std::optional<MasterySentence::Seen>> seen;  // by serial
    {
        store::NativeRows highest(db, "SELECT ifnull(max(serial), 0) FROM sentences");
        if (highest.next()) seen.resize(static_cast<size_t>(std::max<qint64>(0, highest.integer(0))) + 1);
    }
    {
        store::NativeRows rows(db,
                               "SELECT s.serial, m.stability, m.last_day, m.due_day FROM memory_states m"
                               " JOIN sentences s ON s.id = m.sentence WHERE s.serial IS NOT NULL");
        while (rows.next()) {
            const qint64 serial = rows.integer(0);
            if (serial >= 0 && serial < qint64(seen.size()))
                seen[size_t(serial)] = MasterySentence::Seen{rows.real(1), rows.integer(2), rows.integer(3)};
        }
    }
    std::vector<MasterySentence> sentences;
    {
        // The topics of a sentence follow from its two codes, of which a file has a handful: they
        // are worked out once for each pair.
        struct Codes {
            std::string kulcs1, kulcs2;
            bool null1, null2;
            quint32 topics;
        };
        std::vector<Codes> codes;
        // By sentence read: its sorrend2 and serial, and its place.
        struct Place {
            qint64 sorrend2;
            int serial;
            size_t at;
        };
        std::vector<Place> order;
        {
            store::NativeRows count(db, "SELECT count(*) FROM test1");
            if (count.next()) {
                sentences.reserve(static_cast<size_t>(count.integer(0)));
                order.reserve(static_cast<size_t>(count.integer(0)));
            }
        }
        store::NativeRows rows(
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
                SentenceInfo info;
                info.kulcs1 = null1 ? QString() : QString::fromUtf8(k1.data(), qsizetype(k1.size()));
                info.kulcs2 = null2 ? QString() : QString::fromUtf8(k2.data(), qsizetype(k2.size()));
                codes.push_back({std::string(k1), std::string(k2), null1, null2, topicMask(info)});
                found = codes.end() - 1;
            }
            s.topics = found->topics;
            if (s.serial >= 0 && size_t(s.serial) < seen.size()) s.memory = seen[size_t(s.serial)];
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
    return masteryOf(sentences, today, memory::Model());
}

std::optional<MemoryFigures> loadMemoryFigures(QSqlDatabase& db, qint64 today) {
    if (!memory::hasMemory(db)) return std::nullopt;
    std::vector<Prediction> predictions;
    {
        store::NativeRows rows(
            db, "SELECT predicted, grade FROM answer_log WHERE updated = 1 AND predicted IS NOT NULL");
        while (rows.next()) predictions.push_back({rows.real(0), rows.integer(1) > 1});
    }
    MemoryFigures figures{loadMasteryMap(db, today), calibrationOf(predictions)};
    {
        // Written answers and those almost right, through the partial index of verdicts.
        store::NativeRows written(
            db, "SELECT count(*), coalesce(sum(verdict = 1), 0) FROM answer_log WHERE verdict IS NOT NULL");
        if (written.next()) {
            figures.writtenAnswers = static_cast<int>(written.integer(0));
            figures.accentsMissed = static_cast<int>(written.integer(1));
        }
    }
    return figures;
}

}  // namespace progress
