// The score chart (Qt Charts) and the tables of the Progress window.
#include "progress_view.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QHeaderView>
#include <QLineSeries>
#include <QListWidget>
#include <QProgressBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include "progress/progress_window.h"
#include "ui_progress_window.h"

namespace qtui {

namespace {

const char* const kRevision = "pageRevision";
// Markers on every point only while they stay apart; a long history is a line.
constexpr size_t kMostMarkedPoints = 60;

void fillTable(QTableWidget& table, const progress::ProgressPage::Table& content) {
    // Ten thousand tests make ten thousand rows: the columns are sized once the rows are in, not
    // again at every row (which a header sizing itself to its contents would do).
    table.setUpdatesEnabled(false);
    QHeaderView* header = table.horizontalHeader();
    for (int c = 0; c < table.columnCount(); ++c) header->setSectionResizeMode(c, QHeaderView::Interactive);
    table.clearContents();
    table.setColumnCount(static_cast<int>(content.headers.size()));
    table.setHorizontalHeaderLabels(content.headers);
    table.setRowCount(static_cast<int>(content.rows.size()));
    for (int r = 0; r < table.rowCount(); ++r) {
        const QStringList& row = content.rows[static_cast<size_t>(r)];
        for (int c = 0; c < row.size() && c < table.columnCount(); ++c) {
            auto* item = new QTableWidgetItem(row[c]);
            if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (c == 0) item->setToolTip(row[c]);
            table.setItem(r, c, item);
        }
    }
    table.setCurrentCell(-1, -1);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < table.columnCount(); ++c) table.resizeColumnToContents(c);
    table.setUpdatesEnabled(true);
}

void drawChart(QChartView& view, const progress::ProgressPage& page) {
    auto* chart = new QChart;
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);

    auto* score = new QLineSeries;
    score->setName(page.scoreSeries);
    QPen scorePen(QColor(0x1f, 0x6f, 0xb4));
    scorePen.setWidthF(2);
    score->setPen(scorePen);
    score->setPointsVisible(page.points.size() <= kMostMarkedPoints);
    score->setMarkerSize(8);
    auto* average = new QLineSeries;
    average->setName(page.averageSeries);
    QPen averagePen(QColor(0xe6, 0x7e, 0x22));
    averagePen.setWidthF(2.5);
    averagePen.setStyle(Qt::DashLine);
    average->setPen(averagePen);
    for (const auto& p : page.points) {
        const qreal x = static_cast<qreal>(p.when.toMSecsSinceEpoch());
        score->append(x, p.percent);
        average->append(x, p.average);
    }
    chart->addSeries(score);
    chart->addSeries(average);

    auto* time = new QDateTimeAxis;
    qint64 first = page.points.empty() ? 0 : page.points.front().when.toMSecsSinceEpoch();
    qint64 last = page.points.empty() ? 0 : page.points.back().when.toMSecsSinceEpoch();
    // A little room on both sides, and at least an hour, so that a single test is a point in the middle.
    const qint64 pad = std::max<qint64>((last - first) / 20, 30 * 60 * 1000);
    first -= pad;
    last += pad;
    time->setRange(QDateTime::fromMSecsSinceEpoch(first), QDateTime::fromMSecsSinceEpoch(last));
    time->setFormat(last - first <= 2LL * 24 * 3600 * 1000 ? QStringLiteral("HH:mm")
                                                           : QStringLiteral("yyyy-MM-dd"));
    time->setTickCount(6);
    chart->addAxis(time, Qt::AlignBottom);
    auto* percent = new QValueAxis;
    percent->setRange(0, 100);
    percent->setTickCount(6);
    percent->setLabelFormat(QStringLiteral("%.0f %%"));
    chart->addAxis(percent, Qt::AlignLeft);
    for (QLineSeries* s : {score, average}) {
        s->attachAxis(time);
        s->attachAxis(percent);
    }
    QChart* old = view.chart();
    view.setChart(chart);
    delete old;
    view.setAccessibleDescription(page.chartDescription);
}

}  // namespace

QMainWindow* buildProgressWindow(const QString& styleSheet) {
    auto* window = new QMainWindow;
    Ui::ProgressWindowUi ui;
    ui.setupUi(window);
    window->setStyleSheet(styleSheet);
    auto* view = new QChartView(ui.chartHost);
    view->setObjectName(QStringLiteral("chartView"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setFocusPolicy(Qt::StrongFocus);
    ui.chartHostLayout->addWidget(view);
    for (QTableWidget* t : {ui.tblRuns, ui.tblMissed, ui.tblTopics}) {
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

    if (auto* view = window.findChild<QChartView*>(QStringLiteral("chartView"))) {
        drawChart(*view, page);
        view->setAccessibleName(model->frmChart.caption);
    }
    if (auto* t = window.findChild<QTableWidget*>(QStringLiteral("tblRuns"))) {
        fillTable(*t, page.runs);
        t->setAccessibleName(model->frmRuns.caption);
    }
    if (auto* t = window.findChild<QTableWidget*>(QStringLiteral("tblMissed"))) {
        fillTable(*t, page.missed);
        t->setAccessibleName(model->frmMissed.caption);
    }
    if (auto* t = window.findChild<QTableWidget*>(QStringLiteral("tblTopics"))) {
        fillTable(*t, page.topics);
        t->setAccessibleName(model->frmTopics.caption);
        // The share of right answers as a bar: red below half, amber below four in five, else green.
        for (int r = 0; r < t->rowCount(); ++r) {
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
            t->setCellWidget(r, 1, bar);
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
