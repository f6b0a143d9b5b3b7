// The catalogue of interface texts: every caption and message under a numeric key, in English,
// Hungarian, Spanish and French, looked up by key + the working language's base.
#pragma once

#include <QString>
#include <vector>

namespace text {

// The working language's base value: the text id of key k is k + base.
enum LangBase : int { English = 16, Hungarian = 116, Spanish = 216, French = 316 };

inline bool isLangBase(int base) {
    return base == English || base == Hungarian || base == Spanish || base == French;
}

// The language's ISO 639-1 code: "en", "hu", "es", "fr" (English for any other base).
inline const char* languageCode(int base) {
    switch (base) {
        case Hungarian:
            return "hu";
        case Spanish:
            return "es";
        case French:
            return "fr";
        default:
            return "en";
    }
}

// Keys from 90 on: messages the program adds to the original catalogue.
enum Key : int {
    KeyCannotCreate = 90,
    KeyLocked = 91,
    KeyReadOnly = 92,
    KeyDamaged = 93,
    KeyMissingTable = 94,
    KeyImportFailed = 95,
    KeyImporting = 96,
    KeyWriteFailed = 97,
    KeyNothingToReorder = 98,
    KeyCannotOpen = 99,
    // 100-119: the database file at start and the import of material.
    KeyNoImporter = 100,
    KeyEmptyFile = 101,
    KeyFolderReadOnly = 102,
    KeyLogStartedEmpty = 103,
    KeyFileGone = 104,
    KeyReorderFailed = 105,
    // 250-269: what is wrong with the database file, as one sentence inside a window's message
    // (the engine's own words follow as a detail), and the start-up messages for a file of
    // another program and of a later layout.
    KeyCauseLocked = 250,
    KeyCauseReadOnly = 251,
    KeyCauseDiskFull = 252,
    KeyCauseMissing = 253,
    KeyCauseDamaged = 254,
    KeyCauseDeletedMeanwhile = 255,
    KeyCauseNoRecord = 256,
    KeyCauseRefused = 257,
    KeyCauseOther = 258,
    KeyCauseDetail = 259,
    KeyCauseForeign = 260,
    KeyForeign = 261,
    KeyLaterLayout = 262,
    KeyCauseLaterLayout = 263,
    KeyCauseDiskError = 264,
    KeyCauseMissingTable = 265,
    KeyCauseEmpty = 266,
    KeyCauseCannotOpen = 267,
    // 120-139: the window runtime.
    KeyActionFailed = 120,
    // 140-159: the practice window.
    KeyRightAnswer = 140,
    KeyWrongAnswer = 141,
    KeySentencesCannotBeRead = 142,  // practice and test windows at load
    KeyPracticeNothingToPractise = 143,
    KeyEmptyLevel = 144,
    KeyEmptySpecialGroup = 145,
    // 160-169: the review window.
    KeyReviewNothingToReview = 160,
    KeyReviewCannotEmpty = 161,
    KeyReviewCannotRead = 162,
    // 170-179: the test window.
    KeyTestNothingToTest = 171,
    KeyLogWriteFailed = 172,
    KeySecondsLeft = 173,
    // 180-199: the database window.
    KeySerialOutOfRange = 180,
    KeyLevelOutOfRange = 181,
    KeyLetterOutOfRange = 182,
    KeySerialTaken = 183,
    KeyCannotStoreRecord = 184,
    KeyDiscardChanges = 185,
    KeyNoFreeSerial = 186,
    KeyConfirmDelete = 187,
    KeyDropNewRecord = 188,
    KeyWarnGaps = 189,
    KeyWarnEqualFillers = 190,
    KeyWarnSolution = 191,
    KeyWarnSameSentence = 192,
    KeySpokenSerial = 193,
    KeySpokenSentence = 194,
    KeySpokenAnswer = 195,
    KeySpokenRightLetter = 196,
    KeySpokenSolution = 197,
    KeySpokenAboutPicture = 198,
    KeyNoSentenceHere = 310,
    // 200-239: the progress window.
    KeyProgressMenuItem = 200,  // launcher's Help menu, test window's Tasks menu
    KeyProgressHeading = 201,
    KeyProgressSummary = 202,
    KeyProgressShowing = 203,
    KeyProgressAllLevels = 204,
    KeyProgressLevel = 205,
    KeyProgressAllTopics = 206,
    KeyProgressChartFrame = 207,
    KeyProgressRunsFrame = 208,
    KeyProgressMissedFrame = 209,
    KeyProgressTopicsFrame = 210,
    KeyProgressMixupsFrame = 211,
    KeyProgressPractise = 212,
    KeyProgressExport = 213,
    KeyProgressScore = 214,
    KeyProgressAverage = 215,
    KeyProgressDate = 216,
    KeyProgressSentence = 217,
    KeyProgressWrong = 218,
    KeyProgressLastTime = 219,
    KeyProgressTopic = 220,
    KeyProgressRight = 222,
    KeyProgressMixup = 223,
    KeyProgressMixupOnce = 224,
    KeyProgressNoTopic = 225,
    KeyProgressEmpty = 226,
    KeyProgressNothingInFilter = 227,
    KeyHistoryWriteFailed = 228,  // the test window, once per run
    KeyProgressExported = 229,
    KeyProgressExportFailed = 230,
    KeyProgressCannotRead = 231,
    KeyProgressCsvFiles = 232,
    KeyProgressMostMissedLabel = 233,  // the practice window's topic label on those sentences
    KeyProgressAllLevelsItem = 234,
    KeyProgressAllTopicsItem = 235,
    KeyProgressExportCaption = 236,
    KeyProgressSentenceGone = 237,
    // 420-439: the Progress window's memory page.
    KeyMemoryTestsTab = 420,
    KeyMemoryTab = 421,
    KeyMasteryFrame = 422,
    KeyMasteryCell = 423,
    KeyMasteryUnseen = 424,
    KeyMasterySpoken = 425,
    KeyMasterySpokenUnseen = 426,
    KeyMasterySpokenEmpty = 427,
    KeyMasteryLegend = 428,
    KeyMasteryNothingYet = 429,
    KeyCalibrationFrame = 430,
    KeyCalibrationNotYet = 431,
    KeyCalibrationPredicted = 432,
    KeyCalibrationAnswers = 433,
    KeyCalibrationMeanPredicted = 434,
    KeyCalibrationRecalled = 435,
    KeyCalibrationLogLoss = 436,
    // 240-249: hearing the sentence (and 330-349)
    KeyListen = 240,
    KeyListenHint = 241,
    KeyListenNoService = 242,
    KeyListenNoSpanishVoice = 243,
    KeyListenStarting = 330,
    KeySpeakAfterAnswer = 244,
    // 270-289: the history's answers
    KeyHistoryAnswersLost = 270,  // the test window, when it leaves a run with answers not written
    // 290-309: the limits of the fields
    KeySentenceTooLong = 290,
    KeyFillerTooLong = 291,
    KeySolutionTooLong = 292,
    // 350-369: Today, the day's spaced-repetition session
    KeyTodayOption = 350,    // the launcher's fourth task
    KeyTodayLeft = 352,      // "%1 due · %2 new · %3 done"
    KeyTodayDueCount = 353,  // under the launcher's option
    KeyTodayOnlyNew = 354,
    KeyTodayNothingLeft = 355,
    KeyTodayAllDone = 356,
    KeyTodayNothing = 357,
    KeyTodayNextDue = 358,
    KeyTodayNewPerDay = 359,  // menu items
    KeyTodayNewLevel = 360,
    KeyTodayRetention = 361,
    KeyTodayNewPrompt = 362,
    KeyTodayNewInvalid = 363,
    KeyTodayWriteFailed = 364,
    KeyTodayAnswersLost = 365,
    KeyMemoryRebuilding = 366,  // the first opening of a file with a long test history
    // 367-389: written answers
    KeyWrittenMenu = 367,
    KeyWrittenCheck = 368,
    KeyWrittenAlmost = 369,       // the orange panel, as a screen reader names it
    KeyWrittenRight = 370,        // "Right: %1"
    KeyWrittenAlmostText = 371,   // "Almost: %1 (%2)"
    KeyWrittenWrong = 372,        // "The right filler: %1"
    KeyWrittenLetterFirst = 373,  // 373-381: the names of the nine letter buttons
    KeyAccentsMissed = 382,       // the Progress window
    KeyWrittenBox = 383,          // the answer box, as a screen reader names it
    // 400-419: the program on a terminal
    KeyCommandLineHelp = 400,
    KeyUnknownArgument = 401,
    // 450-479: answers typed instead of chosen
    KeyWrittenAccent = 450,  // "accent: %1, not %2" (the right word, the typed one)
    KeyWrittenEnye = 451,
    KeyWrittenMarks = 452,
    KeyWrittenCapital = 453,
    KeyWrittenAccentDecides = 454,  // the right filler is ambiguous in writing
    KeyWrittenEnyeDecides = 455,
    KeyWrittenSeparator = 456,       // between two of the above, and between two differences
    KeyWrittenDifference = 457,      // "%1: %2" (the typed text, its differences)
    KeyWrittenShouldBe = 458,        // "%1 should be %2" (typed letters, right ones)
    KeyWrittenMissingAfter = 459,    // "%1 missing after %2" (letters, the word part before them)
    KeyWrittenMissingAtStart = 460,  // "%1 missing at the start of %2" (letters, the right word)
    KeyWrittenExtraAfter = 461,
    KeyWrittenExtraAtStart = 462,
    KeyWrittenNothingTyped = 463,
    KeyWrittenGapTakesNothing = 464,
    KeyWrittenSpace = 465,  // a space as a screen reader says it
};
constexpr int kLastOriginalKey = 89;  // the last key that also has a text id (key + base)

// The text of `key` in the language `langBase`; empty for a key without text.
QString uiText(int key, int langBase);
// The text with the absolute id `id` (key + base) of an original key 0-89, as the original string
// table was addressed; empty for any other id.
QString uiTextById(int id);
bool hasText(int key);
// The keys after the original ones, in ascending order.
std::vector<int> addedKeys();

// The title separator between the product name and a window's own name.
inline const QString kTitleSeparator = QStringLiteral("  ----  ");

}  // namespace text
