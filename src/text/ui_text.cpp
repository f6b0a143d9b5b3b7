// Looking texts up in the catalogue. Keys 0-89 keep their texts exactly as the program has always
// shown them, odd spellings included; keys from 90 on are the program's own later messages. The
// texts themselves are in texts_*.cpp, one file per window or subject.
#include "ui_text.h"

#include "catalogue.h"

namespace text {
namespace {

const Catalogue& catalogue() {
    static const Catalogue table = [] {
        Catalogue c;
        addOriginalTexts(c);
        addFilesTexts(c);
        addPracticeTexts(c);
        addReviewTexts(c);
        addTestTexts(c);
        addEditorTexts(c);
        addProgressTexts(c);
        addListeningTexts(c);
        addTodayTexts(c);
        addCommandLineTexts(c);
        addWrittenTexts(c);
        return c;
    }();
    return table;
}

int column(int langBase) {
    switch (langBase) {
        case English:
            return 0;
        case Hungarian:
            return 1;
        case Spanish:
            return 2;
        case French:
            return 3;
        default:
            return -1;
    }
}

}  // namespace

QString uiText(int key, int langBase) {
    const int col = column(langBase);
    const auto& table = catalogue();
    auto it = table.find(key);
    if (col < 0 || it == table.end()) return {};
    return QString::fromUtf8(it->second[static_cast<size_t>(col)]);
}

QString uiTextById(int id) {
    // Ids address only the original keys: the four languages' id ranges are 100 apart, so a key
    // of 100 or more would alias the next language's ids. Later keys are looked up by key alone.
    for (int base : {English, Hungarian, Spanish, French}) {
        const int key = id - base;
        if (key >= 0 && key <= kLastOriginalKey) return uiText(key, base);
    }
    return {};
}

bool hasText(int key) {
    return catalogue().count(key) != 0;
}

std::vector<int> addedKeys() {
    std::vector<int> keys;
    for (const auto& [key, texts] : catalogue())
        if (key > kLastOriginalKey) keys.push_back(key);
    return keys;
}

}  // namespace text
