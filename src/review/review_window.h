// The review window "Hibatst": the sentences answered wrongly in tests, one at a time from the
// log of failed items, with the four candidates and the learner's earlier guess. The learner may
// answer again (a green or red bar at once, nothing is stored), ask for the solution, and move
// through the list; closing the window empties the log. Opened by the test window, modeless, and
// in the topmost layer from the start.
#pragma once

#include <memory>
#include <optional>

#include "app/app_form.h"
#include "app/memory_answers.h"
#include "app/question_labels.h"
#include "store/bound_view.h"
#include "store/database.h"

namespace review {

class ReviewWindow : public app::AppForm {
    // The connection Data1 runs over; declared first, so that it outlives the cursor.
    std::unique_ptr<store::Database> db_;

public:
    explicit ReviewWindow(app::Context& ctx);
    void Form_Load() override;
    void Form_Unload() override;

    void Command1_Click();          // Start / Restart
    void Command4_Click();          // Next, the main way forward
    void Command2_Click();          // First
    void Command3_Click();          // Previous
    void Command5_Click();          // Next in the top row
    void Command7_Click();          // Last
    void Command8_Click();          // Solution
    void Command6_Click();          // Close
    void Option_Click(int letter);  // 0-3: A-D
    void Form_KeyPress(QChar& key);
    void mnuOnTop_Click() { toggleOnTop(); }
    // Hearing the sentence.
    void cmdListen_Click() { listenTo(cmdListen, SentenceToSay); }
    void mnuSpeak_Click() { toggleSpeakAfterAnswer(mnuSpeak); }
    void cmdCheck_Click();  // a written answer

    // The failed items: rows 1..ItemCount of the log (row 0 is the placeholder); empty until the
    // database file could be read.
    std::optional<store::BoundView> Data1;
    int ItemCount = 0;
    // The last rowid of the log the learner has been offered (at load, then at each Start): the
    // rows that closing deletes. 0 when there was nothing to offer.
    qint64 OfferedUpTo = 0;
    // The item's sentence completed by its right filler, as Listen reads it out.
    QString SentenceToSay;

    // --- controls -----------------------------------------------------------------------
    forms::Control& Command2 = addButton(QStringLiteral("Command2"), QStringLiteral("&First"));
    forms::Control& Command3 = addButton(QStringLiteral("Command3"), QStringLiteral("&Previous"));
    forms::Control& Command5 = addButton(QStringLiteral("Command5"), QStringLiteral("Ne&xt"));
    forms::Control& Command7 = addButton(QStringLiteral("Command7"), QStringLiteral("&Last"));
    forms::Control& Label30 = addLabel(QStringLiteral("Label30"));  // position of the item
    forms::Control& Label32 = addLabel(QStringLiteral("Label32"), QStringLiteral("/"));
    forms::Control& Label31 = addLabel(QStringLiteral("Label31"));  // number of items
    forms::Control& Label22 = addLabel(QStringLiteral("Label22"));  // StepCounter
    forms::Control& Label11 = addLabel(QStringLiteral("Label11"), QStringLiteral("."));
    forms::Control& Label13 = addLabel(QStringLiteral("Label13"));  // the sentence
    forms::Control& Frame3D1 = add(forms::ControlKind::Frame, QStringLiteral("Frame3D1"));
    forms::Control& Option3D1 = addOption(Frame3D1, QStringLiteral("Option3D1"));  // A
    forms::Control& Option3D2 = addOption(Frame3D1, QStringLiteral("Option3D2"));  // B
    forms::Control& Option3D3 = addOption(Frame3D1, QStringLiteral("Option3D3"));  // C
    forms::Control& Option3D4 = addOption(Frame3D1, QStringLiteral("Option3D4"));  // D
    forms::Control& Option3D5 = addOption(Frame3D1, QStringLiteral("Option3D5"));  // no choice
    forms::Control& Label1 = addLabel(QStringLiteral("Label1"), QStringLiteral("A"));
    forms::Control& Label2 = addLabel(QStringLiteral("Label2"), QStringLiteral("B"));
    forms::Control& Label3 = addLabel(QStringLiteral("Label3"), QStringLiteral("C"));
    forms::Control& Label4 = addLabel(QStringLiteral("Label4"), QStringLiteral("D"));
    forms::Control& Label14 = addLabel(QStringLiteral("Label14"));  // candidate a, top left
    forms::Control& Label12 = addLabel(QStringLiteral("Label12"));  // candidate b, bottom left
    forms::Control& Label15 = addLabel(QStringLiteral("Label15"));  // candidate c, top right
    forms::Control& Label16 = addLabel(QStringLiteral("Label16"));  // candidate d, bottom right
    forms::Control& Label17 = addLabel(QStringLiteral("Label17"));  // green bar: right
    forms::Control& Label18 = addLabel(QStringLiteral("Label18"));  // red bar: wrong
    forms::Control& Label21 = addLabel(QStringLiteral("Label21"), QStringLiteral("Your guess was:"));
    forms::Control& Label23 = addLabel(QStringLiteral("Label23"));  // the earlier guess
    forms::Control& Label19 = addLabel(QStringLiteral("Label19"));  // the right letter
    forms::Control& Label20 = addLabel(QStringLiteral("Label20"));  // the solution
    forms::Control& Label9 = addLabel(QStringLiteral("Label9"));    // the new guess, never shown
    forms::Control& Label10 = addLabel(QStringLiteral("Label10"));  // the right letter, never shown
    forms::Control& Command8 = addButton(QStringLiteral("Command8"), QStringLiteral("S&olution"));
    forms::Control& Command1 = addButton(QStringLiteral("Command1"), QStringLiteral("&Start"));
    forms::Control& Command4 = addButton(QStringLiteral("Command4"), QStringLiteral("&Next"));
    forms::Control& Command6 = addButton(QStringLiteral("Command6"), QStringLiteral("&Close"));
    forms::Control& cmdListen = addButton(QStringLiteral("cmdListen"), QStringLiteral("Listen"));

    forms::Control& mnuSettings = addMenu(QStringLiteral("mnuSettings"), QStringLiteral("Settin&gs"));
    forms::Control& mnuSpeak =
        addItem(QStringLiteral("mnuSpeak"), QStringLiteral("Read the sentence &aloud after each answer"));
    app::WrittenControls written = addWrittenControls();
    forms::Control& mnuOnTop = addItem(QStringLiteral("mnuOnTop"), QStringLiteral("&OnTop"));

private:
    // The first answer to each item shown reaches the learner's memory.
    app::MemoryAnswers memory_{ctx, memory::Source::Review};
    app::WrittenAnswers writing_{ctx, *this, written, Frame3D1};
    bool answeredShown_ = false;
    app::QuestionLabels question() { return {Label13, Label14, Label12, Label15, Label16, Label10}; }
    // Shows the fields of the current row.
    void display();
    void showStepCounter();
    // The position of the current item in Label30; past the end of the list, the last one.
    void showPosition();
    // The state after the end of the list (or of an empty one): Start/Restart and Close only.
    void showEndOfList(int messageKey, int startCaptionKey);
    // The steps First, Previous, Next and Last share after the cursor has moved.
    void afterMove();
    void message(const QString& text, forms::MsgIcon icon);
    // Deletes the offered rows once per window; a failure is told, and every row stays.
    void emptyTheLog();

    bool logEmptied_ = false;
};

}  // namespace review
