// The catalogue's texts, gathered from one file per window or subject (texts_*.cpp).
#pragma once

#include <array>
#include <map>

namespace text {

using Texts = std::array<const char*, 4>;  // English, Hungarian, Spanish, French
using Catalogue = std::map<int, Texts>;

void addOriginalTexts(Catalogue& c);
void addFilesTexts(Catalogue& c);
void addPracticeTexts(Catalogue& c);
void addReviewTexts(Catalogue& c);
void addTestTexts(Catalogue& c);
void addEditorTexts(Catalogue& c);
void addProgressTexts(Catalogue& c);
void addListeningTexts(Catalogue& c);
void addTodayTexts(Catalogue& c);
void addCommandLineTexts(Catalogue& c);
void addWrittenTexts(Catalogue& c);

}  // namespace text
