// Which control of which window takes which catalogue text, and each task window's own name in
// the working language.
#pragma once

#include <QString>
#include <span>

namespace text {

struct TextBinding {
    const char* control;
    int index;  // item of a control array, or -1
    int key;
};

std::span<const TextBinding> launcherTexts();  // Plurqsp
std::span<const TextBinding> editorTexts();    // Form1
std::span<const TextBinding> practiceTexts();  // Spgyak
std::span<const TextBinding> reviewTexts();    // Hibatst
std::span<const TextBinding> testTexts();      // Sptest
std::span<const TextBinding> progressTexts();  // Progress
std::span<const TextBinding> todayTexts();     // Today
std::span<const TextBinding> aboutTexts();     // sobre (its caption is applied separately)
constexpr int kAboutCaptionKey = 89;
constexpr int kReviewMessageTitleKey = 66;

// The catalogue key of topic menu item i (0-17): 42-57, then 59 and 58.
int topicItemKey(int item);

enum class TitleWindow { Database, Practice, Review, Test, Progress, Today };
// The window's own name for a working language; empty for an unknown language.
QString titleWord(TitleWindow window, int langBase);

}  // namespace text
