// The one source of random numbers of the program: uniform draws in [0, 1). Tests replace it
// with a fixed sequence or a fixed seed.
#pragma once

#include <QRandomGenerator>
#include <functional>

namespace base {

class RandomSource {
public:
    // Seeded once from the system's entropy. Reseeding from the clock before every draw, as
    // one might, returns the same number for every draw inside one clock tick (a reshuffle of a
    // thousand rows would give most of them one value), so the generator is seeded once.
    RandomSource() : gen_(QRandomGenerator::securelySeeded()) {}
    explicit RandomSource(quint32 seed) : gen_(seed) {}
    virtual ~RandomSource() = default;

    virtual double next() { return gen_.generateDouble(); }

    // floor(r * n + 1): a whole number in 1..n for n >= 1.
    int draw1ToN(int n) { return static_cast<int>(next() * n) + 1; }

private:
    QRandomGenerator gen_;
};

}  // namespace base
