// The score chart (Qt Charts) and the tables of the Progress window.
#include "progress_view.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "progress/progress_window.h"
#include "score_chart.h"
#include "ui_progress_window.h"

namespace qtui {

namespace {

const char* const kRevision = "pageRevision";
// A chart a few hundred pixels wide shows no more than a few hundred points.
constexpr size_t kMostDrawnPoints = 400;

// One table of the page as the view asks for it: only what is painted (or read by a screen
// reader) is looked at, so ten thousand tests make no ten thousand items or widgets.
class PageTable : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTable(const progress::ProgressPage::Table& table) {
        beginResetModel();
        table_ = table;  // the rows' lists are shared, not copied
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(table_.rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(table_.headers.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        const QStringList& row = table_.rows[static_cast<size_t>(index.row())];
        if (index.column() >= row.size()) return {};
        switch (role) {
            case Qt::DisplayRole:
                return row[index.column()];
            case Qt::ToolTipRole:  // the first column may be cut: its tool tip has it whole
                return index.column() == 0 ? QVariant(row[0]) : QVariant();
            case Qt::TextAlignmentRole:
                return index.column() > 0 ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
            default:
                return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= table_.headers.size())
            return {};
        return table_.headers[section];
    }

private:
    progress::ProgressPage::Table table_;
};

void fillTable(QTableView& table, const progress::ProgressPage::Table& content) {
    auto* model = dynamic_cast<PageTable*>(table.model());
    if (!model) {
        model = new PageTable(&table);
        table.setModel(model);
    }
    QHeaderView* header = table.horizontalHeader();
    for (int c = 0; c < header->count(); ++c) header->setSectionResizeMode(c, QHeaderView::Interactive);
    model->setTable(content);
    table.setCurrentIndex(QModelIndex());
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    // Columns fit the first rows (all alike: dates, counts, per cents), not each of ten thousand.
    header->setResizeContentsPrecision(200);
    for (int c = 1; c < model->columnCount(); ++c) table.resizeColumnToContents(c);
}

// The chart from the plugin, or (without it) the same figures as text.
void drawChart(QWidget& view, const progress::ProgressPage& page) {
    if (auto* text = qobject_cast<QLabel*>(&view)) {
        text->setText(page.chartDescription);
    } else if (ScoreChartPlugin* plugin = scoreChartPlugin()) {
        ScoreChartData data;
        data.scoreSeries = page.scoreSeries;
        data.averageSeries = page.averageSeries;
        std::vector<ScoreChartData::Point> all;
        all.reserve(page.points.size());
        for (const auto& p : page.points) all.push_back({p.when.toMSecsSinceEpoch(), p.percent, p.average});
        data.points = thinnedPoints(all, kMostDrawnPoints);
        plugin->draw(&view, data);
    }
    view.setAccessibleDescription(page.chartDescription);
}

}  // namespace

QMainWindow* buildProgressWindow(const QString& styleSheet) {
    auto* window = new QMainWindow;
    Ui::ProgressWindowUi ui;
    ui.setupUi(window);
    window->setStyleSheet(styleSheet);
    QWidget* view = nullptr;
    if (ScoreChartPlugin* plugin = scoreChartPlugin()) {
        view = plugin->createView(ui.chartHost);
    } else {
        auto* text = new QLabel(ui.chartHost);
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        text->setFocusPolicy(Qt::StrongFocus);
        view = text;
    }
    view->setObjectName(QStringLiteral("chartView"));
    ui.chartHostLayout->addWidget(view);
    for (QTableView* t : {ui.tblRuns, ui.tblMissed, ui.tblTopics}) {
        t->verticalHeader()->setVisible(false);
        t->horizontalHeader()->setHighlightSections(false);
    }
    return window;
}

void paintProgressWindow(forms::Form& form, QMainWindow& window) {
    auto* model = dynamic_cast<progress::ProgressWindow*>(&form);
    if (!model) return;
    const progress::ProgressPage& page = model->page();
    if (window.property(kRevision).toInt() == page.revision) return;
    window.setProperty(kRevision, page.revision);

    if (auto* view = window.findChild<QWidget*>(QStringLiteral("chartView"))) {
        drawChart(*view, page);
        view->setAccessibleName(model->frmChart.caption);
    }
    if (auto* t = window.findChild<QTableView*>(QStringLiteral("tblRuns"))) {
        fillTable(*t, page.runs);
        t->setAccessibleName(model->frmRuns.caption);
    }
    if (auto* t = window.findChild<QTableView*>(QStringLiteral("tblMissed"))) {
        fillTable(*t, page.missed);
        t->setAccessibleName(model->frmMissed.caption);
    }
    if (auto* t = window.findChild<QTableView*>(QStringLiteral("tblTopics"))) {
        fillTable(*t, page.topics);
        t->setAccessibleName(model->frmTopics.caption);
        // The share of right answers as a bar: red below half, amber below four in five, else green.
        for (int r = 0; r < t->model()->rowCount(); ++r) {
            const double percent = page.topicPercents[static_cast<size_t>(r)];
            auto* bar = new QProgressBar;
            bar->setRange(0, 100);
            bar->setValue(static_cast<int>(std::lround(percent)));
            bar->setFormat(page.topics.rows[static_cast<size_t>(r)][1]);
            bar->setAlignment(Qt::AlignCenter);
            const char* colour = percent < 50 ? "#d0342c" : percent < 80 ? "#e6a700" : "#2e9d4f";
            bar->setStyleSheet(QStringLiteral("QProgressBar { border: 1px solid #c5ccd6; border-radius: 3px; "
                                              "background: #f4f6f8; min-width: 90px; }"
                                              "QProgressBar::chunk { background: %1; border-radius: 2px; }")
                                   .arg(QLatin1String(colour)));
            t->setIndexWidget(t->model()->index(r, 1), bar);
        }
        t->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
        t->setColumnWidth(1, 130);
    }
    if (auto* list = window.findChild<QListWidget*>(QStringLiteral("lstMixups"))) {
        list->clear();
        list->addItems(page.mixups);
        list->setAccessibleName(model->frmMixups.caption);
    }
}

}  // namespace qtui
