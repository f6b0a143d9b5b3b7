// The memory model: how likely a sentence is to be remembered after some days, and how an answer
// changes that. Stability is the number of days after which recall falls to 90 %, difficulty a
// value from 1 to 10 that slows the growth of stability. Pure functions, no clock and no file.
#pragma once

#include <array>

namespace memory {

// How an answer is graded: a wrong answer is Again, a right one Good (Hard and Easy are kept for
// answers that are right with a slip, or effortless).
enum class Grade : int { Again = 1, Hard = 2, Good = 3, Easy = 4 };

struct MemoryState {
    double stability = 0;
    double difficulty = 0;
};

// The 21 published default weights of the model.
inline constexpr std::array<double, 21> kDefaultWeights = {
    0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001,  1.8722, 0.1666, 0.796,
    1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};

inline constexpr double kDefaultRetention = 0.90;
inline constexpr double kMinRetention = 0.80;
inline constexpr double kMaxRetention = 0.95;
inline constexpr int kMaxIntervalDays = 36500;

class Model {
public:
    explicit Model(double requestedRetention = kDefaultRetention,
                   const std::array<double, 21>& weights = kDefaultWeights);

    // The chance of recall `days` after the last update of a sentence of stability `stability`.
    double retrievability(double days, double stability) const;
    // The state after the first answer ever given to a sentence.
    MemoryState first(Grade grade) const;
    // The state after an answer `elapsedDays` (at least 1) after the last update.
    MemoryState next(const MemoryState& state, int elapsedDays, Grade grade) const;
    // Whole days until recall falls to the requested retention: rounded, at least one day and at
    // most the longest interval.
    int intervalDays(double stability) const;
    double requestedRetention() const { return retention_; }

private:
    double initialDifficulty(Grade grade) const;
    std::array<double, 21> w_;
    double retention_;
    double decay_;
    double factor_;
};

}  // namespace memory
