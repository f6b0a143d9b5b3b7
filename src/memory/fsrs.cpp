// The memory model's formulas: a power forgetting curve whose decay is the last weight, initial
// stability and difficulty by grade, difficulty moved by the grade with linear damping towards 10
// and a slight reversion to the difficulty of an easy first answer, and stability grown after a
// success or cut after a lapse.
#include "fsrs.h"

#include <algorithm>
#include <cmath>

namespace memory {

namespace {
constexpr double kMinStability = 0.001;
double clampDifficulty(double d) {
    return std::clamp(d, 1.0, 10.0);
}
double g(Grade grade) {
    return static_cast<double>(static_cast<int>(grade));
}
}  // namespace

Model::Model(double requestedRetention, const std::array<double, 21>& weights)
    : w_(weights), retention_(std::clamp(requestedRetention, kMinRetention, kMaxRetention)) {
    decay_ = -w_[20];
    // Chosen so that recall is 90 % when the elapsed days equal the stability.
    factor_ = std::pow(0.9, 1.0 / decay_) - 1.0;
}

double Model::retrievability(double days, double stability) const {
    return std::pow(1.0 + factor_ * std::max(days, 0.0) / stability, decay_);
}

double Model::initialDifficulty(Grade grade) const {
    return w_[4] - std::exp(w_[5] * (g(grade) - 1.0)) + 1.0;
}

MemoryState Model::first(Grade grade) const {
    const int i = static_cast<int>(grade) - 1;
    return {std::max(w_[size_t(i)], kMinStability), clampDifficulty(initialDifficulty(grade))};
}

MemoryState Model::next(const MemoryState& state, int elapsedDays, Grade grade) const {
    const double s = state.stability;
    const double d = state.difficulty;
    const double r = retrievability(elapsedDays, s);

    // Difficulty: the step is damped as it nears 10, then pulled a little towards the difficulty
    // of an easy first answer (taken as the formula gives it, before any bound).
    const double step = -w_[6] * (g(grade) - 3.0);
    const double damped = d + step * (10.0 - d) / 9.0;
    const double nextD = clampDifficulty(w_[7] * initialDifficulty(Grade::Easy) + (1.0 - w_[7]) * damped);

    double nextS;
    if (grade == Grade::Again) {
        const double lapse =
            w_[11] * std::pow(d, -w_[12]) * (std::pow(s + 1.0, w_[13]) - 1.0) * std::exp(w_[14] * (1.0 - r));
        // A lapse never leaves the memory stronger than a short-term cut of what it was.
        nextS = std::min(lapse, s / std::exp(w_[17] * w_[18]));
    } else {
        const double hard = grade == Grade::Hard ? w_[15] : 1.0;
        const double easy = grade == Grade::Easy ? w_[16] : 1.0;
        nextS = s * (1.0 + std::exp(w_[8]) * (11.0 - d) * std::pow(s, -w_[9]) *
                               (std::exp(w_[10] * (1.0 - r)) - 1.0) * hard * easy);
    }
    return {std::max(nextS, kMinStability), nextD};
}

int Model::intervalDays(double stability) const {
    const double days = stability / factor_ * (std::pow(retention_, 1.0 / decay_) - 1.0);
    if (!std::isfinite(days) || days >= kMaxIntervalDays) return kMaxIntervalDays;
    return std::clamp(static_cast<int>(std::lround(days)), 1, kMaxIntervalDays);
}

}  // namespace memory
