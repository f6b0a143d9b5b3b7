// How well the learner knows each grammar topic at each level right now, from the memory of
// every sentence; and how well the memory model has foretold the learner's answers so far.
// Pure figures, without widgets: the Progress window shows them as a coloured grid and a table.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "memory/fsrs.h"

namespace progress {

// One sentence of test1 for the grid, with its memory when it has been seen.
struct MasterySentence {
    int serial = 0;
    int level = 0;       // cells are kept for levels 1-3 only
    quint32 topics = 0;  // a bit for each topic (row of the grid) it belongs to
    struct Seen {
        double stability = 0;
        qint64 lastDay = 0;  // of the last update (Julian day)
        qint64 dueDay = 0;
    };
    std::optional<Seen> memory;
};

struct MasteryCell {
    int sentences = 0;              // of this topic and level
    int seen = 0;                   // of those, with a memory
    int due = 0;                    // of those seen, due today or earlier
    double meanRetrievability = 0;  // over those seen; 0 when none is
    std::vector<int> serials;       // every sentence of the cell, in the practice window's order
};

// The grid: a row per item of the Topic menu (the same sentences as the practice window's item),
// a column per level.
class MasteryMap {
public:
    static constexpr int kTopics = 18;
    static constexpr int kLevels = 3;

    const MasteryCell& cell(int topic, int level) const {
        return cells_[static_cast<size_t>(topic * kLevels + level - 1)];
    }
    MasteryCell& cell(int topic, int level) {
        return cells_[static_cast<size_t>(topic * kLevels + level - 1)];
    }
    // Whether any sentence has been seen.
    bool anySeen() const;

private:
    std::array<MasteryCell, kTopics * kLevels> cells_{};
};

// `sentences` in the practice window's order (sorrend2, then serial); retrievability as of `today`.
MasteryMap masteryOf(const std::vector<MasterySentence>& sentences, qint64 today, const memory::Model& model);

// The model's predictions against the learner's answers: every update of a sentence seen before,
// its predicted chance of recall and whether it was recalled (a grade above Again).
struct CalibrationBin {
    int count = 0;
    double meanPredicted = 0;
    double shareRecalled = 0;
};

struct Calibration {
    static constexpr int kBins = 10;  // predicted recall 0-10 %, 10-20 %, ..., 90-100 %
    static constexpr int kLeastUpdates = 100;

    std::array<CalibrationBin, kBins> bins{};
    int updates = 0;
    double logLoss = 0;
    // The log loss of always predicting the learner's overall share recalled: what a model that
    // knows nothing of the sentences or the days would score.
    double baseLogLoss = 0;
    double shareRecalled = 0;

    bool ready() const { return updates >= kLeastUpdates; }
    int missing() const { return ready() ? 0 : kLeastUpdates - updates; }
};

struct Prediction {
    double predicted = 0;
    bool recalled = false;
};
Calibration calibrationOf(const std::vector<Prediction>& predictions);

struct MemoryFigures {
    MasteryMap mastery;
    Calibration calibration;
    int writtenAnswers = 0;  // answers typed rather than chosen
    int accentsMissed = 0;   // of those, almost right: a slip of accent, ñ, ¿ ¡ or capital letter
};

// The map alone, from a file with a memory. Throws StoreError when the file cannot be read.
MasteryMap loadMasteryMap(QSqlDatabase& db, qint64 today);
// Both, read from the file in one pass each; nothing for a file without a memory (an older layout
// opened read-only). Throws StoreError when the file cannot be read.
std::optional<MemoryFigures> loadMemoryFigures(QSqlDatabase& db, qint64 today);

}  // namespace progress
