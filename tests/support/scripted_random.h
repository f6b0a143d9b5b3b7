// A random source that returns the draws a test asks for.
#pragma once

#include <QTest>
#include <deque>

#include "base/random_source.h"

struct ScriptedRandom : base::RandomSource {
    std::deque<double> values;
    // Queues the r that makes draw1ToN(n) return k.
    void queueDraw(int k, int n) { values.push_back((k - 0.5) / n); }
    double next() override {
        if (values.empty()) {
            QTest::qFail("a random draw the test did not script", __FILE__, __LINE__);
            return 0.5;
        }
        const double v = values.front();
        values.pop_front();
        return v;
    }
};
