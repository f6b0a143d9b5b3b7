// The per-window text tables, in the order the windows apply them.
#include "window_texts.h"

#include <array>
#include <vector>

#include "ui_text.h"

namespace text {
namespace {

constexpr TextBinding kLauncher[] = {
    {"activities", -1, 60},   {"practice", -1, 31},    {"test", -1, 32},   {"database", -1, 33},
    {"today", -1, 350},       {"change", -1, 74},      {"ok", -1, 0},      {"Exi", -1, 1},
    {"mnuhelp", -1, 25},      {"mnuworklang", -1, 28}, {"mnuhow", -1, 29}, {"mnuabout", -1, 30},
    {"mnuProgress", -1, 200},
};

constexpr TextBinding kReview[] = {
    {"Command1", -1, 2},   {"Command2", -1, 7},     {"Command3", -1, 8},    {"Command4", -1, 5},
    {"Command5", -1, 9},   {"Command6", -1, 4},     {"Command7", -1, 10},   {"Command8", -1, 6},
    {"Label21", -1, 67},   {"mnuSettings", -1, 27}, {"cmdListen", -1, 240}, {"mnuSpeak", -1, 244},
    {"cmdCheck", -1, 368}, {"mnuWrite", -1, 367},
};

constexpr TextBinding kTest[] = {
    {"Command2", -1, 5},  {"Command3", -1, 2},      {"Command4", -1, 5},       {"Command5", -1, 11},
    {"Command6", -1, 4},  {"mnuTasks", -1, 26},     {"mnuSettings", -1, 27},   {"mnuPractice", -1, 31},
    {"mnuTest", -1, 32},  {"mnuDatabase", -1, 33},  {"mnuParameters", -1, 34}, {"mnuNumber", -1, 35},
    {"mnuDelay", -1, 36}, {"mnuStart", -1, 38},     {"Label20", -1, 36},       {"Label19", -1, 35},
    {"Label17", -1, 83},  {"mnuProgress", -1, 200}, {"cmdCheck", -1, 368},     {"mnuWrite", -1, 367},
};

constexpr TextBinding kProgress[] = {
    {"lblTitle", -1, 201},       {"frmChart", -1, 207},    {"frmRuns", -1, 208},
    {"frmMissed", -1, 209},      {"frmTopics", -1, 210},   {"frmMixups", -1, 211},
    {"cmdPractise", -1, 212},    {"cmdExport", -1, 213},   {"cmdClose", -1, 4},
    {"mnuTasks", -1, 26},        {"mnuPractice", -1, 31},  {"mnuTest", -1, 32},
    {"mnuDatabase", -1, 33},     {"mnuSettings", -1, 27},  {"mnuLevel", -1, 37},
    {"mnuTopic", -1, 41},        {"mnuShowLevel", 0, 234}, {"mnuShowTopic", 0, 235},
    {"frmMastery", -1, 422},     {"lblLegend", -1, 428},   {"lblMasteryEmpty", -1, 429},
    {"frmCalibration", -1, 430},
};

constexpr TextBinding kToday[] = {
    {"Command1", -1, 6},       {"Command2", -1, 5},      {"Command6", -1, 4},       {"mnuTasks", -1, 26},
    {"mnuPractice", -1, 31},   {"mnuTest", -1, 32},      {"mnuDatabase", -1, 33},   {"mnuSettings", -1, 27},
    {"mnuNewPerDay", -1, 359}, {"mnuNewLevel", -1, 360}, {"mnuRetention", -1, 361}, {"cmdListen", -1, 240},
    {"mnuSpeak", -1, 244},     {"cmdCheck", -1, 368},    {"mnuWrite", -1, 367},
};

constexpr TextBinding kAbout[] = {
    {"Command1", -1, 0},
    {"Label1", -1, 65},
    {"Label4", -1, 87},
    {"Label3", -1, 88},
};

// The topic menu items close both the editor's and the practice window's tables.
template <size_t N>
std::vector<TextBinding> withTopicItems(const TextBinding (&head)[N]) {
    std::vector<TextBinding> all(std::begin(head), std::end(head));
    for (int i = 0; i < 18; ++i) all.push_back({"mnuTopicItem", i, topicItemKey(i)});
    return all;
}

constexpr TextBinding kEditorHead[] = {
    {"Command1", -1, 12},    {"Command2", -1, 4},    {"Command3", -1, 8},     {"Command4", -1, 15},
    {"Command5", -1, 13},    {"Command6", -1, 7},    {"Command7", -1, 9},     {"Command8", -1, 10},
    {"Command10", -1, 2},    {"Command11", -1, 14},  {"Label5", -1, 63},      {"Label6", -1, 61},
    {"Label11", -1, 62},     {"mnuTasks", -1, 26},   {"mnuPractice", -1, 31}, {"mnuTest", -1, 32},
    {"mnuDatabase", -1, 33}, {"mnuOptions", -1, 39}, {"mnuFonts", -1, 40},    {"mnuTopic", -1, 41},
};

constexpr TextBinding kPracticeHead[] = {
    {"Command1", -1, 6},  {"Command2", -1, 5},     {"Command3", -1, 2},       {"Command5", -1, 7},
    {"Command6", -1, 4},  {"Command7", -1, 8},     {"Command8", -1, 9},       {"Command9", -1, 10},
    {"Command10", -1, 5}, {"mnuTasks", -1, 26},    {"mnuSettings", -1, 27},   {"mnuPractice", -1, 31},
    {"mnuTest", -1, 32},  {"mnuDatabase", -1, 33}, {"mnuParameters", -1, 34}, {"mnuNumber", -1, 35},
    {"mnuDelay", -1, 36}, {"mnuLevel", -1, 37},    {"mnustart", -1, 38},      {"mnuTopic", -1, 41},
};

constexpr TextBinding kPracticeTail[] = {
    {"Label28", -1, 61},    {"Label29", -1, 62},   {"Label23", -1, 68},   {"Label24", -1, 76},
    {"cmdListen", -1, 240}, {"mnuSpeak", -1, 244}, {"cmdCheck", -1, 368}, {"mnuWrite", -1, 367},
};

}  // namespace

int topicItemKey(int item) {
    if (item == 16) return 59;
    if (item == 17) return 58;
    return 42 + item;
}

std::span<const TextBinding> launcherTexts() {
    return kLauncher;
}
std::span<const TextBinding> reviewTexts() {
    return kReview;
}
std::span<const TextBinding> testTexts() {
    return kTest;
}
std::span<const TextBinding> progressTexts() {
    static const std::vector<TextBinding> all = [] {
        std::vector<TextBinding> v(std::begin(kProgress), std::end(kProgress));
        for (int i = 0; i < 18; ++i) v.push_back({"mnuShowTopic", i + 1, topicItemKey(i)});
        return v;
    }();
    return all;
}
std::span<const TextBinding> todayTexts() {
    return kToday;
}
std::span<const TextBinding> aboutTexts() {
    return kAbout;
}

std::span<const TextBinding> editorTexts() {
    static const std::vector<TextBinding> all = withTopicItems(kEditorHead);
    return all;
}

std::span<const TextBinding> practiceTexts() {
    static const std::vector<TextBinding> all = [] {
        std::vector<TextBinding> v = withTopicItems(kPracticeHead);
        v.insert(v.end(), std::begin(kPracticeTail), std::end(kPracticeTail));
        return v;
    }();
    return all;
}

QString titleWord(TitleWindow window, int langBase) {
    static const std::array<std::array<const char*, 4>, 6> words = {{
        {"Database", "Adatbázis", "Base de datos", "Base de données"},
        {"Practice", "Gyakorlás", "Ejercicio", "Exercice"},
        {"Failed items", "Téves válaszok", "Soluciones erróneas", "Erreurs"},
        {"Test", "Teszt", "Test", "Test"},
        {"Progress", "Haladás", "Progreso", "Progrès"},
        {"Today", "Mai ismétlés", "Hoy", "Aujourd'hui"},
    }};
    int col = -1;
    if (langBase == English)
        col = 0;
    else if (langBase == Hungarian)
        col = 1;
    else if (langBase == Spanish)
        col = 2;
    else if (langBase == French)
        col = 3;
    if (col < 0) return {};
    return QString::fromUtf8(words[static_cast<size_t>(window)][static_cast<size_t>(col)]);
}

}  // namespace text
