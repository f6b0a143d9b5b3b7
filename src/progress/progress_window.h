// The Progress window: the learner's test history at a glance. A chart of the score of each
// evaluated test with its moving average, the list of tests, the sentences most often answered
// wrongly (with "practise these", which opens the practice window on exactly them), the share of
// right answers by topic and the mix-ups of fillers; a filter by level and topic in the Settings
// menu; the history exported to CSV. An empty history explains how it fills. A second page shows
// the memory: how much of each topic at each level the learner is likely to remember today (a
// click on a cell practises its sentences), and how well the memory model's predictions came true.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QStringList>
#include <optional>
#include <vector>

#include "app/task_window.h"
#include "mastery.h"
#include "progress_model.h"

namespace progress {

// What the widgets that no control stands for show (the chart and the tables), in the working
// language; the view draws it again whenever `revision` changes.
struct ProgressPage {
    struct Point {
        QDateTime when;
        double percent = 0;
        double average = 0;
    };
    struct Table {
        QStringList headers;
        std::vector<QStringList> rows;
    };
    int revision = 0;
    QLocale locale;
    QString scoreSeries, averageSeries;
    std::vector<Point> points;
    QString chartDescription;  // every point, for a screen reader
    Table runs;                // newest first: date, answers right of presented, score
    Table missed;              // sentence, times wrong, last time
    Table topics;              // topic, share right with right and all answers
    std::vector<double> topicPercents;
    QStringList mixups;

    // The memory page.
    QString testsTab, memoryTab;
    enum class Shade { NoSentences, Unseen, Weak, Fading, Strong };
    struct Cell {
        QString text;    // "87% · 12/20 · 3 due"
        QString spoken;  // the same as a sentence, with its topic and level
        Shade shade = Shade::NoSentences;
    };
    QStringList masteryTopics;       // the rows
    QStringList masteryLevels;       // the columns
    std::vector<Cell> masteryCells;  // row by row; empty when there is nothing to show
    QString masteryDescription;      // every cell, for a screen reader
    Table calibration;               // empty until enough predictions can be checked
};

class ProgressWindow : public app::TaskWindow {
public:
    static constexpr int kMixupsShown = 40;

    explicit ProgressWindow(app::Context& ctx);
    void Form_Load() override;

    void mnuShowLevel_Click(int index);
    void mnuShowTopic_Click(int index);
    void cmdPractise_Click();
    void cmdExport_Click();
    void cmdClose_Click();
    // A cell of the mastery grid (topic * 3 + level - 1): practice on its sentences, in order.
    void masteryCell_Click(int cell);
    // The same as an event from the desktop (a click or Enter on the grid's cell).
    void chooseMasteryCell(int cell);
    // Reads the memory's figures the first time their page is shown (they are read at loading
    // only when no test has been taken, as that page then opens first).
    void showMemoryPage();
    // The same as an event from the desktop (the memory page's tab chosen).
    void memoryPage_Show();

    // Empty until the history could be read.
    const std::optional<ProgressModel>& model() const { return model_; }
    const ProgressPage& page() const { return page_; }
    // Empty for a file without a memory, or before its page was first shown.
    const std::optional<MemoryFigures>& memoryFigures() const { return memory_; }
    bool memoryLoaded() const { return memoryLoaded_; }

    // --- controls -----------------------------------------------------------------------
    forms::Control& lblTitle = addLabel(QStringLiteral("lblTitle"), QStringLiteral("Your progress"));
    forms::Control& lblSummary = addLabel(QStringLiteral("lblSummary"));
    forms::Control& lblFilter = addLabel(QStringLiteral("lblFilter"));
    forms::Control& lblEmpty = addLabel(QStringLiteral("lblEmpty"));
    forms::Control& frmChart = add(forms::ControlKind::Frame, QStringLiteral("frmChart"));
    forms::Control& frmRuns = add(forms::ControlKind::Frame, QStringLiteral("frmRuns"));
    forms::Control& frmMissed = add(forms::ControlKind::Frame, QStringLiteral("frmMissed"));
    forms::Control& frmTopics = add(forms::ControlKind::Frame, QStringLiteral("frmTopics"));
    forms::Control& frmMixups = add(forms::ControlKind::Frame, QStringLiteral("frmMixups"));
    forms::Control& frmMastery = add(forms::ControlKind::Frame, QStringLiteral("frmMastery"));
    forms::Control& lblMasteryEmpty = addLabel(QStringLiteral("lblMasteryEmpty"));
    forms::Control& lblLegend = addLabel(QStringLiteral("lblLegend"));
    forms::Control& frmCalibration = add(forms::ControlKind::Frame, QStringLiteral("frmCalibration"));
    forms::Control& lblCalibration = addLabel(QStringLiteral("lblCalibration"));
    forms::Control& cmdPractise = addButton(QStringLiteral("cmdPractise"), QStringLiteral("Practise &these"));
    forms::Control& cmdExport = addButton(QStringLiteral("cmdExport"), QStringLiteral("&Export to CSV..."));
    forms::Control& cmdClose = addButton(QStringLiteral("cmdClose"), QStringLiteral("&Close"));

    forms::Control& mnuSettings = addMenu(QStringLiteral("mnuSettings"), QStringLiteral("Settin&gs"));
    forms::Control& mnuLevel = addMenu(QStringLiteral("mnuLevel"), QStringLiteral("&Level"));
    forms::ControlArray& mnuShowLevel =
        addCheckedArray(QStringLiteral("mnuShowLevel"), {"&All levels", "&1", "&2", "&3"});
    forms::Control& mnuTopic = addMenu(QStringLiteral("mnuTopic"), QStringLiteral("Topi&cs"));
    forms::ControlArray& mnuShowTopic = addCheckedArray(QStringLiteral("mnuShowTopic"), QStringList(19));

private:
    void refresh();
    void buildPage();
    void buildMemoryPage();
    void loadMemory(store::Database& db);
    // Opens the practice window on these sentences in this order, under this name.
    void practise(const std::vector<int>& serials, const QString& label);
    QString topicName(int topic) const;
    QString shortTopicName(int topic) const;
    QString date(const QDateTime& when) const;

    std::optional<ProgressModel> model_;
    std::optional<MemoryFigures> memory_;
    bool memoryLoaded_ = false;
    std::vector<QString> runDates_;  // each run's start in the working language, by run index
    ProgressPage page_;
};

}  // namespace progress
