// The practice window "Spgyak": one gapped sentence at a time with its four fillers, answered by
// mouse or by the keys a-d with an instant green or red panel, the solution on request, and Next
// either at random over the whole table or in order through a level, a topic or from a starting
// point, with First/Previous/Next/Last and the position in the selection.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "app/memory_answers.h"
#include "app/question_labels.h"
#include "app/task_window.h"
#include "store/database.h"
#include "store/snapshot.h"

namespace practice {

// The two ways Next goes on.
enum PracticeModeValue : int { RandomMode = 0, SequentialMode = 1 };

class PracticeWindow : public app::TaskWindow {
public:
    explicit PracticeWindow(app::Context& ctx);
    void Form_Load() override;
    void Form_Unload() override;

    // Start, answering, solution, the two Next buttons.
    void Command3_Click();
    void Option_Click(int letter);  // 0-3: A-D
    void cmdCheck_Click();          // a written answer
    void Form_KeyPress(QChar& key);
    void Command1_Click();
    void Command2_Click();
    void Command10_Click();
    void Command6_Click() { mnuPlurquiz_Click(); }
    void oke();
    // Hearing the sentence.
    void cmdListen_Click() { listenTo(cmdListen, SentenceToSay); }
    void mnuSpeak_Click() { toggleSpeakAfterAnswer(mnuSpeak); }

    // Navigation and search.
    void Command5_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void beg_Click(int index);
    void Label28_Click();
    void so();
    void szam();
    void keresa();

    // Level and topic menus.
    void mnuNivelItem_Click(int index);
    void mnuTopicItem_Click(int index);

private:
    // Declared before Selection: a snapshot reads its rows through this connection, so the
    // connection must outlive it.
    std::unique_ptr<store::Database> db_;

public:
    QString& PracticeTitle = TitleWord;
    int PracticeMode = RandomMode;
    int RecordPosition = 0;
    int SelectionCount = 0;
    QString StartFilter;
    int LargestSerial = 0;
    // The records practised in order; empty until the database could be read.
    std::optional<store::Snapshot> Selection;
    // The sentence on screen completed by its right filler, as Listen reads it out.
    QString SentenceToSay;

    // --- controls -----------------------------------------------------------------------
    forms::Control& Label13 = addLabel(QStringLiteral("Label13"));  // the sentence
    forms::Control& Frame3D1 = add(forms::ControlKind::Frame, QStringLiteral("Frame3D1"));
    forms::Control& Option3D1 = addOption(Frame3D1, QStringLiteral("Option3D1"));  // no choice
    forms::Control& Option3D2 = addOption(Frame3D1, QStringLiteral("Option3D2"));
    forms::Control& Option3D3 = addOption(Frame3D1, QStringLiteral("Option3D3"));
    forms::Control& Option3D4 = addOption(Frame3D1, QStringLiteral("Option3D4"));
    forms::Control& Option3D5 = addOption(Frame3D1, QStringLiteral("Option3D5"));
    forms::Control& Label1 = addLabel(QStringLiteral("Label1"), QStringLiteral("A"));
    forms::Control& Label2 = addLabel(QStringLiteral("Label2"), QStringLiteral("B"));
    forms::Control& Label3 = addLabel(QStringLiteral("Label3"), QStringLiteral("C"));
    forms::Control& Label4 = addLabel(QStringLiteral("Label4"), QStringLiteral("D"));
    forms::Control& Label14 = addLabel(QStringLiteral("Label14"));  // filler a, top left
    forms::Control& Label12 = addLabel(QStringLiteral("Label12"));  // filler b, bottom left
    forms::Control& Label15 = addLabel(QStringLiteral("Label15"));  // filler c, top right
    forms::Control& Label16 = addLabel(QStringLiteral("Label16"));  // filler d, bottom right
    forms::Control& Label11 = addLabel(QStringLiteral("Label11"), QStringLiteral("."));
    forms::Control& Label9 = addLabel(QStringLiteral("Label9"));    // the letter chosen
    forms::Control& Label10 = addLabel(QStringLiteral("Label10"));  // the right letter
    forms::Control& Label19 = addLabel(QStringLiteral("Label19"));  // green: right
    forms::Control& Label20 = addLabel(QStringLiteral("Label20"));  // red: wrong
    forms::Control& Label17 = addLabel(QStringLiteral("Label17"));  // the solution
    forms::Control& Label18 = addLabel(QStringLiteral("Label18"));  // the right letter, shown
    forms::Control& Label22 = addLabel(QStringLiteral("Label22"));  // sentences since Start
    forms::Control& Label23 = addLabel(QStringLiteral("Label23"), QStringLiteral("Record:"));
    forms::Control& Label30 = addLabel(QStringLiteral("Label30"));
    forms::Control& Label32 = addLabel(QStringLiteral("Label32"), QStringLiteral("/"));
    forms::Control& Label31 = addLabel(QStringLiteral("Label31"));
    forms::Control& Label27 = addLabel(QStringLiteral("Label27"));  // level value
    forms::Control& Label28 = addLabel(QStringLiteral("Label28"), QStringLiteral("Level:"));
    forms::Control& Label21 = addLabel(QStringLiteral("Label21"));  // topic name
    forms::Control& Label29 = addLabel(QStringLiteral("Label29"), QStringLiteral("Topic:"));
    forms::Control& Label24 = addLabel(QStringLiteral("Label24"));  // record-number hint
    forms::Control& Label26 = addLabel(QStringLiteral("Label26"));  // sorszam
    forms::Control& Command3 = addButton(QStringLiteral("Command3"), QStringLiteral("&S t a r t"));
    forms::Control& Command1 = addButton(QStringLiteral("Command1"), QStringLiteral("S&olution"));
    forms::Control& Command2 = addButton(QStringLiteral("Command2"), QStringLiteral("Ne&xt"));
    forms::Control& Command10 = addButton(QStringLiteral("Command10"), QStringLiteral("Ne&xt"));
    forms::Control& Command5 = addButton(QStringLiteral("Command5"), QStringLiteral("&First"));
    forms::Control& Command7 = addButton(QStringLiteral("Command7"), QStringLiteral("&Previous"));
    forms::Control& Command8 = addButton(QStringLiteral("Command8"), QStringLiteral("&Next"));
    forms::Control& Command9 = addButton(QStringLiteral("Command9"), QStringLiteral("&Last"));
    forms::Control& Command6 = addButton(QStringLiteral("Command6"), QStringLiteral("&Close"));
    forms::Control& cmdListen = addButton(QStringLiteral("cmdListen"), QStringLiteral("Listen"));

    ParameterMenus settings = addParameterMenus(store::MenuOf::Practice);
    forms::Control& mnuLevel = addMenu(QStringLiteral("mnuLevel"), QStringLiteral("&Level"));
    forms::ControlArray& mnuNivelItem =
        addCheckedArray(QStringLiteral("mnuNivelItem"), {"&1", "&2", "&3", "&1-3"});
    forms::ControlArray& mnuTopicItem = addTopicMenu();
    forms::Control& mnustart = addMenu(QStringLiteral("mnustart"), QStringLiteral("&Starting point"));
    forms::ControlArray& beg = addCheckedArray(
        QStringLiteral("beg"), store::captionsOf(store::kStartingPoints, store::MenuOf::Practice));
    forms::Control& mnuSpeak =
        addItem(QStringLiteral("mnuSpeak"), QStringLiteral("Read the sentence &aloud after each answer"));
    app::WrittenControls written = addWrittenControls();

private:
    // The first answer to each sentence shown reaches the learner's memory.
    app::MemoryAnswers memory_{ctx, memory::Source::Practice};
    app::WrittenAnswers writing_{ctx, *this, written, Frame3D1};
    std::array<QString, 4> shownOptions_;  // the fillers of the sentence shown, as stored
    bool answeredShown_ = false;
    app::QuestionLabels question() { return {Label13, Label14, Label12, Label15, Label16, Label10}; }
    // Shows the fields of a record (the display mapping); only captions change.
    void display(const app::FieldReader& field);
    void displaySelection();
    void showCounter();
    // Sequential mode on exactly these sentences, in this order (from the Progress window), their
    // name shown as the topic.
    void openOnSerials(const std::vector<int>& serials, const QString& label);
    // Rebuilds Selection from the whole table: snapshot, sorted by sorrend2, filtered.
    void rebuildSelection(const QString& condition);
    // The steps a level or topic choice shares before the selection is rebuilt.
    void enterSequentialMode();
    void message(int key, forms::MsgIcon icon);
};

}  // namespace practice
