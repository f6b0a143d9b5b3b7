// The starting points, run lengths and delays that the practice and test windows offer: each
// menu item's caption in either window and the value behind it.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace store {

struct StartingPoint {
    int threshold;  // the first sentence shown is the first whose sorrend2 exceeds it
    const char* practiceCaption;
    const char* testCaption;  // the test window's second item has no mnemonic
};

// Items 0-10 of the Starting point menus. The thresholds rise by 280 up to 2240, then by 260 and
// 250; the captions name the sentence numbers they come near in a table of about 550 sentences.
inline constexpr std::array<StartingPoint, 11> kStartingPoints = {{
    {0, "&1", "&1"},
    {280, "&51", "51"},
    {560, "1&01", "1&01"},
    {840, "151", "151"},
    {1120, "&201", "&201"},
    {1400, "251", "251"},
    {1680, "&301", "&301"},
    {1960, "351", "351"},
    {2240, "&401", "&401"},
    {2500, "451", "451"},
    {2750, "&501", "&501"},
}};

// The condition of a starting point: "sorrend2 > 280".
inline QString startingPointCriterion(int item) {
    return QStringLiteral("sorrend2 > %1").arg(kStartingPoints[static_cast<size_t>(item)].threshold);
}

// Items 0-3 of the Number of sentences menus: sentences per test run.
inline constexpr std::array<int, 4> kRunLengths = {20, 30, 40, 50};

struct Delay {
    int ms;
    const char* practiceCaption;
    const char* testCaption;
};

// Items 0-2 of the Delay menus: the time given to each sentence of a timed run.
inline constexpr std::array<Delay, 3> kDelays = {{
    {10000, "&10sec", "10sec"},
    {20000, "&20sec", "20sec"},
    {30000, "&30sec", "30sec"},
}};

enum class MenuOf { Practice, Test };

// One window's captions of a table above.
template <typename Item, size_t N>
QStringList captionsOf(const std::array<Item, N>& items, MenuOf window) {
    QStringList out;
    for (const Item& item : items)
        out << QString::fromUtf8(window == MenuOf::Practice ? item.practiceCaption : item.testCaption);
    return out;
}
inline QStringList runLengthCaptions() {
    QStringList out;
    for (int n : kRunLengths) out << QString::number(n);
    return out;
}

}  // namespace store
