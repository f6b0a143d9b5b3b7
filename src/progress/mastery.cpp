// The mastery grid and the model's calibration, from the file's memory tables.
#include "mastery.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <cmath>

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
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral(
            "SELECT t.sorszam, t.szint, t.kulcs1, t.kulcs2, m.stability, m.last_day, m.due_day FROM test1 t"
            " LEFT JOIN sentences s ON s.serial = t.sorszam LEFT JOIN memory_states m ON m.sentence = s.id"
            " ORDER BY t.sorrend2, t.sorszam")))
        store::throwQueryError(q);
    while (q.next()) {
        MasterySentence s;
        s.serial = q.value(0).toInt();
        s.level = q.value(1).toInt();
        s.kulcs1 = q.value(2).toString();
        s.kulcs2 = q.value(3).toString();
        if (!q.value(4).isNull())
            s.memory = MasterySentence::Seen{q.value(4).toDouble(), q.value(5).toLongLong(),
                                             q.value(6).toLongLong()};
        sentences.push_back(std::move(s));
    }
    if (q.lastError().isValid()) store::throwQueryError(q);

    std::vector<Prediction> predictions;
    QSqlQuery p(db);
    p.setForwardOnly(true);
    if (!p.exec(QStringLiteral(
            "SELECT predicted, grade FROM answer_log WHERE updated = 1 AND predicted IS NOT NULL")))
        store::throwQueryError(p);
    while (p.next()) predictions.push_back({p.value(0).toDouble(), p.value(1).toInt() > 1});
    if (p.lastError().isValid()) store::throwQueryError(p);

    return MemoryFigures{masteryOf(sentences, today, memory::Model()), calibrationOf(predictions)};
}

}  // namespace progress
