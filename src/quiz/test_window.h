// The test window "Sptest": a run of sentences at random or in order from a starting point,
// open-ended or counted, untimed or timed; every answer scored, every wrong one logged, and at
// the end the score, the percentage and a link to the failed items.
#pragma once

#include <memory>
#include <optional>

#include "app/question_labels.h"
#include "app/task_window.h"
#include "progress/run_history.h"
#include "store/bound_view.h"
#include "store/database.h"
#include "store/table_view.h"

namespace quiz {

// The order of a run.
enum TestModeValue : int { RandomOrder = 0, SequentialOrder = 1 };

class TestWindow : public app::TaskWindow {
public:
    explicit TestWindow(app::Context& ctx);
    void Form_Load() override;
    void Form_Unload() override;

    void Command3_Click();  // Start / Restart
    void Command2_Click();  // Next in order
    void Command4_Click();  // Next at random
    void Command5_Click();  // Evaluation
    void Command6_Click();  // Close, also closing the review
    void Option_Click(int letter);
    void Form_KeyPress(QChar& key);
    void Timer1_Timer();
    void Timer2_Timer();  // the countdown beside the delay
    void Label17_Click();
    void beg_Click(int index);
    void mnuNumeroItem_Click(int index);
    void mnuTiempoItem_Click(int index);

    // --- controls -----------------------------------------------------------------------
    forms::Control& Label22 = addLabel(QStringLiteral("Label22"));  // item number
    forms::Control& Label11 = addLabel(QStringLiteral("Label11"), QStringLiteral("."));
    forms::Control& lblOfRun = addLabel(QStringLiteral("lblOfRun"));  // "/ N" in a counted run
    forms::Control& Label19 = addLabel(QStringLiteral("Label19"));    // "Number of sentences"
    forms::Control& Label25 = addLabel(QStringLiteral("Label25"));
    forms::Control& Label20 = addLabel(QStringLiteral("Label20"));  // "Delay"
    forms::Control& Label23 = addLabel(QStringLiteral("Label23"));
    forms::Control& lblSecondsLeft = addLabel(QStringLiteral("lblSecondsLeft"));
    forms::Control& Label13 = addLabel(QStringLiteral("Label13"));
    forms::Control& Frame3D1 = add(forms::ControlKind::Frame, QStringLiteral("Frame3D1"));
    forms::Control& Option3D1 = addOption(Frame3D1, QStringLiteral("Option3D1"));
    forms::Control& Option3D2 = addOption(Frame3D1, QStringLiteral("Option3D2"));
    forms::Control& Option3D3 = addOption(Frame3D1, QStringLiteral("Option3D3"));
    forms::Control& Option3D4 = addOption(Frame3D1, QStringLiteral("Option3D4"));
    forms::Control& Option3D5 = addOption(Frame3D1, QStringLiteral("Option3D5"));  // no choice
    forms::Control& Label1 = addLabel(QStringLiteral("Label1"), QStringLiteral("A"));
    forms::Control& Label2 = addLabel(QStringLiteral("Label2"), QStringLiteral("B"));
    forms::Control& Label3 = addLabel(QStringLiteral("Label3"), QStringLiteral("C"));
    forms::Control& Label4 = addLabel(QStringLiteral("Label4"), QStringLiteral("D"));
    forms::Control& Label14 = addLabel(QStringLiteral("Label14"));
    forms::Control& Label12 = addLabel(QStringLiteral("Label12"));
    forms::Control& Label15 = addLabel(QStringLiteral("Label15"));
    forms::Control& Label16 = addLabel(QStringLiteral("Label16"));
    forms::Control& Label9 = addLabel(QStringLiteral("Label9"), QStringLiteral("0"));  // the guess
    forms::Control& Label10 = addLabel(QStringLiteral("Label10"));                     // the right letter
    forms::Control& Frame3D2 = add(forms::ControlKind::Frame, QStringLiteral("Frame3D2"));
    forms::Control& Label18 = addLabel(QStringLiteral("Label18"));  // score
    forms::Control& Label21 = addLabel(QStringLiteral("Label21"));  // percentage
    forms::Control& Label17 = addLabel(QStringLiteral("Label17"));  // link to the failed items
    forms::Control& Command3 = addButton(QStringLiteral("Command3"), QStringLiteral("&Start"));
    forms::Control& Command2 = addButton(QStringLiteral("Command2"), QStringLiteral("&Next"));
    forms::Control& Command4 = addButton(QStringLiteral("Command4"), QStringLiteral("&Next"));
    forms::Control& Command5 = addButton(QStringLiteral("Command5"), QStringLiteral("E&valuation"));
    forms::Control& Command6 = addButton(QStringLiteral("Command6"), QStringLiteral("&Close"));
    forms::Timer& Timer1 = addTimer(QStringLiteral("Timer1"), 0, false);
    forms::Timer& Timer2 = addTimer(QStringLiteral("Timer2"), 1000, false);

    forms::Control& mnuProgress = addItem(QStringLiteral("mnuProgress"), QStringLiteral("Prog&ress..."));
    app::WrittenControls written = addWrittenControls();
    ParameterMenus settings = addParameterMenus(store::MenuOf::Test);
    forms::Control& mnuStart = addMenu(QStringLiteral("mnuStart"), QStringLiteral("&Starting point"));
    forms::ControlArray& beg = addCheckedArray(
        QStringLiteral("beg"), store::captionsOf(store::kStartingPoints, store::MenuOf::Test));

private:
    app::QuestionLabels question() { return {Label13, Label14, Label12, Label15, Label16, Label10}; }
    void message(int key, forms::MsgIcon icon);
    // Scores the sentence shown and records the answer (when wrong, with its failed item, in one
    // write); a refused write of a wrong answer is told and ends the handler, so that the run
    // stays on the sentence.
    void score();
    void next(bool sequential);
    void randomDraw(bool counting);
    void advanceSequential();
    void showBound();
    void evaluate();
    void searchStartingPoint();
    void restartCountdown();
    void showItemNumber(int n);
    progress::FailedItem failedItemShown() const;
    void tellHistoryFailure();
    // The run is left: what the history still keeps is written if it can be, else counted aloud.
    void settleHistory();
    // The delay and its countdown stop (until the next Next that scores).
    void stopTimers();
    int shownSerial() const;
    // The fillers of the sentence shown, as stored.
    std::array<QString, 4> optionsShown() const;
    // A new sentence of the run: an empty answer box when answers are written.
    void newWrittenAnswer();
    app::WrittenAnswers writing_{ctx, *this, written, Frame3D1};

    std::unique_ptr<store::Database> db_;
    std::unique_ptr<store::BoundView> data1_;  // test1 in natural order, for runs in order
    std::optional<store::TableView> randomView_;
    int secondsLeft_ = 0;
    progress::RunRecorder history_;
    QDateTime shownAt_;  // when the sentence on screen was shown
};

}  // namespace quiz
