// The Today window: the day's spaced-repetition session. It presents the sentences due today or
// earlier, the least likely to be remembered first, then a few never seen, with the practice
// window's look and keys (a-d, Next, Solution, Listen). The first answer of the day to a sentence
// moves its memory: Good when right, Again when wrong or given after the solution was shown.
// A line says what is left; the end says when the next sentences fall due.
#pragma once

#include <memory>
#include <optional>

#include "app/question_labels.h"
#include "app/task_window.h"
#include "memory/today_queue.h"
#include "progress/answer_journal.h"
#include "store/database.h"
#include "store/snapshot.h"

namespace today {

class TodayWindow : public app::TaskWindow {
public:
    explicit TodayWindow(app::Context& ctx);
    void Form_Load() override;
    void Form_Unload() override;

    void Option_Click(int letter);  // 0-3: A-D
    void cmdCheck_Click();          // a written answer
    void Form_KeyPress(QChar& key);
    void Command1_Click();  // Solution
    void Command2_Click();  // Next
    void cmdListen_Click() { listenTo(cmdListen, sentenceToSay_); }
    void mnuSpeak_Click() { toggleSpeakAfterAnswer(mnuSpeak); }
    void mnuNewPerDay_Click();
    void mnuRetentionItem_Click(int index);
    void mnuNewLevelItem_Click(int index);

private:
    // Declared before the snapshot, which reads through it.
    std::unique_ptr<store::Database> db_;

public:
    forms::Control& lblLeft = addLabel(QStringLiteral("lblLeft"));  // "12 due · 8 new · 3 done"
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
    forms::Control& Label14 = addLabel(QStringLiteral("Label14"));  // filler a
    forms::Control& Label12 = addLabel(QStringLiteral("Label12"));  // filler b
    forms::Control& Label15 = addLabel(QStringLiteral("Label15"));  // filler c
    forms::Control& Label16 = addLabel(QStringLiteral("Label16"));  // filler d
    forms::Control& Label9 = addLabel(QStringLiteral("Label9"));    // the letter chosen
    forms::Control& Label10 = addLabel(QStringLiteral("Label10"));  // the right letter
    forms::Control& Label19 = addLabel(QStringLiteral("Label19"));  // green: right
    forms::Control& Label20 = addLabel(QStringLiteral("Label20"));  // red: wrong
    forms::Control& Label17 = addLabel(QStringLiteral("Label17"));  // the solution
    forms::Control& Label18 = addLabel(QStringLiteral("Label18"));  // the right letter, shown
    forms::Control& lblEnd = addLabel(QStringLiteral("lblEnd"));    // the end of the day's session
    forms::Control& Command1 = addButton(QStringLiteral("Command1"), QStringLiteral("S&olution"));
    forms::Control& Command2 = addButton(QStringLiteral("Command2"), QStringLiteral("&Next"));
    forms::Control& Command6 = addButton(QStringLiteral("Command6"), QStringLiteral("&Close"));
    forms::Control& cmdListen = addButton(QStringLiteral("cmdListen"), QStringLiteral("Listen"));

    forms::Control& mnuSettings = addMenu(QStringLiteral("mnuSettings"), QStringLiteral("Settin&gs"));
    forms::Control& mnuNewPerDay =
        addItem(QStringLiteral("mnuNewPerDay"), QStringLiteral("&New sentences a day..."));
    forms::Control& mnuNewLevel =
        addMenu(QStringLiteral("mnuNewLevel"), QStringLiteral("New sentences of &level"));
    forms::ControlArray& mnuNewLevelItem =
        addItems(QStringLiteral("mnuNewLevelItem"),
                 {QStringLiteral("&1"), QStringLiteral("&2"), QStringLiteral("&3"), QStringLiteral("&1-3")});
    forms::Control& mnuRetention = addMenu(QStringLiteral("mnuRetention"), QStringLiteral("&Retention"));
    forms::ControlArray& mnuRetentionItem = addItems(
        QStringLiteral("mnuRetentionItem"),
        {QStringLiteral("80 %"), QStringLiteral("85 %"), QStringLiteral("90 %"), QStringLiteral("95 %")});
    forms::Control& mnuSpeak =
        addItem(QStringLiteral("mnuSpeak"), QStringLiteral("Read the sentence &aloud after each answer"));
    app::WrittenControls written = addWrittenControls();

    // What the session holds now (for tests): the serials in the order presented.
    std::vector<int> queuedSerials() const {
        std::vector<int> serials;
        for (const auto& i : items_) serials.push_back(i.serial);
        return serials;
    }
    int position() const { return position_; }

private:
    app::QuestionLabels question() { return {Label13, Label14, Label12, Label15, Label16, Label10}; }
    // Reads the settings and the day's queue afresh and shows its first sentence.
    void startSession();
    void showCurrent();
    void showEnd();
    void showLeft();
    void showSettings();
    void saveSettings(const memory::MemorySettings& settings);
    void message(const QString& text, forms::MsgIcon icon);

    memory::MemorySettings settings_;
    memory::TodayQueue queue_;
    std::optional<store::Snapshot> sentences_;
    std::vector<memory::QueueItem> items_;  // the queue's sentences still in the table, in order
    int position_ = 0;                      // index into items_
    bool answered_ = false;                 // the sentence on screen has had its answer
    bool solutionShown_ = false;
    int answeredNow_ = 0;  // answers given in this window since it opened
    QString sentenceToSay_;
    progress::AnswerJournal journal_;
    app::WrittenAnswers writing_{ctx, *this, written, Frame3D1};
    // The first answer to the sentence shown: logged, and the memory moved.
    void record(const QString& letter, bool right, memory::Grade grade, std::optional<QString> typed = {},
                int verdict = -1);
};

}  // namespace today
