// The shared module: the globals every window reads and writes during one run of the program,
// the program folder rule and the centring of a window on the screen.
#pragma once

#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "forms/form.h"

namespace app {

struct Globals {
    int LangBase = 0;  // 0 until a language button is pressed
    QString DatabasePath;
    int SentenceCounter = 0;
    int CorrectCount = 0;
    double ScorePercent = 0;
    int RunLength = 0;
    int DelayMs = 0;
    int StepCounter = 0;
    int LargestSerial = 0;
    qint16 SplashDone = 0;
    // The test window's own state, kept while the program runs, also across its reopening.
    int TestMode = 0;
    QString TestStartFilter;
    // Sentences (serial numbers) the practice window is to open on, in this order, instead of its
    // usual selection: set by the Progress window's "practise these" and its mastery grid, taken by the
    // practice window when it loads.
    std::vector<int> PracticeSerials;
    // What the practice window names them after its "Topic:" (set with the serials).
    QString PracticeLabel;
    // Settings: read each sentence aloud after an answer (practice and review windows).
    bool SpeakAfterAnswer = false;
    // "Write the answers": read from the learner's file by the first answering window that opens.
    std::optional<bool> WriteAnswers;
};

// The program's folder with exactly one separator at its end: "/opt/plurquiz" gives
// "/opt/plurquiz/", the root "/" stays "/" (and "C:\" stays "C:\").
QString AppFolder(const QString& programDir);

// Moves the window, keeping its size, to the middle of the screen; a window larger than the
// screen gets a negative left or top.
void CentreOnScreen(forms::Form& window, QSize screen);

}  // namespace app
