// The score chart (Qt Charts) and the tables of the Progress window.
#include "progress_view.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QStyledItemDelegate>
#include <QTabWidget>
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
    if (model->columnCount() == 0) return;
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    // Columns fit the first rows (all alike: dates, counts, per cents), not each of ten thousand.
    header->setResizeContentsPrecision(200);
    for (int c = 1; c < model->columnCount(); ++c) table.resizeColumnToContents(c);
}

using Shade = progress::ProgressPage::Shade;

// The mastery grid's colours, read at a glance: green, amber and red as traffic lights, grey for
// a cell not started, the window's own white for one without sentences.
QColor shadeColour(Shade shade) {
    switch (shade) {
        case Shade::Strong:
            return QColor(0x8f, 0xd1, 0x9e);
        case Shade::Fading:
            return QColor(0xf5, 0xd0, 0x7a);
        case Shade::Weak:
            return QColor(0xee, 0x9a, 0x93);
        case Shade::Unseen:
            return QColor(0xe3, 0xe6, 0xea);
        case Shade::NoSentences:
            break;
    }
    return QColor(0xfa, 0xfb, 0xfc);
}

// The grid: a row per topic, a column per level; each cell its figures on its colour, and as a
// sentence for a screen reader.
class MasteryTable : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setPage(const progress::ProgressPage& page) {
        beginResetModel();
        topics_ = page.masteryTopics;
        levels_ = page.masteryLevels;
        cells_ = page.masteryCells;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || cells_.empty() ? 0 : static_cast<int>(topics_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || cells_.empty() ? 0 : static_cast<int>(levels_.size());
    }
    const progress::ProgressPage::Cell& cell(const QModelIndex& index) const {
        return cells_[static_cast<size_t>(index.row() * levels_.size() + index.column())];
    }
    QVariant data(const QModelIndex& index, int role) const override {
        const progress::ProgressPage::Cell& c = cell(index);
        switch (role) {
            case Qt::DisplayRole:
                return c.text;
            case Qt::AccessibleTextRole:
            case Qt::ToolTipRole:
                return c.spoken;
            case Qt::BackgroundRole:
                return shadeColour(c.shade);
            case Qt::TextAlignmentRole:
                return QVariant(Qt::AlignCenter);
            default:
                return {};
        }
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() && cell(index).shade != Shade::NoSentences ? Qt::ItemIsEnabled
                                                                          : Qt::NoItemFlags;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole) return {};
        const QStringList& names = orientation == Qt::Horizontal ? levels_ : topics_;
        return section < names.size() ? names[section] : QVariant();
    }

private:
    QStringList topics_, levels_;
    std::vector<progress::ProgressPage::Cell> cells_;
};

// Each cell as a tile on its colour, the one under the keyboard with a dark ring.
class TileDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QRectF tile = QRectF(option.rect).adjusted(2, 2, -2, -2);
        painter->setPen(Qt::NoPen);
        painter->setBrush(index.data(Qt::BackgroundRole).value<QColor>());
        painter->drawRoundedRect(tile, 4, 4);
        const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
        if (view && view->hasFocus() && view->currentIndex() == index) {
            painter->setPen(QPen(QColor(0x1f, 0x3b, 0x57), 2));
            painter->setBrush(Qt::NoBrush);
            painter->drawRoundedRect(tile.adjusted(1, 1, -1, -1), 4, 4);
        }
        painter->setPen(QColor(0x1b, 0x1f, 0x24));
        painter->setFont(option.font);
        painter->drawText(tile, Qt::AlignCenter, index.data(Qt::DisplayRole).toString());
        painter->restore();
    }
};

// A click on a cell, or Enter (or Space) on the current one, practises the cell.
class CellChooser : public QObject {
public:
    CellChooser(QTableView* table, progress::ProgressWindow* form)
        : QObject(table), table_(table), form_(form) {
        connect(table, &QTableView::clicked, this, [this](const QModelIndex& index) { choose(index); });
        table->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space) return false;
        choose(table_->currentIndex());
        return true;
    }

private:
    void choose(const QModelIndex& index) {
        // A window on its way out (hidden first) takes no more clicks.
        if (!index.isValid() || !table_->isVisible() || !(index.flags() & Qt::ItemIsEnabled)) return;
        form_->chooseMasteryCell(index.row() * table_->model()->columnCount() + index.column());
    }
    QTableView* table_;
    progress::ProgressWindow* form_;
};

void fillMastery(QTableView& table, progress::ProgressWindow& form, const progress::ProgressPage& page) {
    auto* model = dynamic_cast<MasteryTable*>(table.model());
    if (!model) {
        model = new MasteryTable(&table);
        table.setModel(model);
        table.setItemDelegate(new TileDelegate(&table));
        table.setFocusPolicy(Qt::StrongFocus);
        table.setMouseTracking(true);
        table.viewport()->setCursor(Qt::PointingHandCursor);
        table.horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        // The rows share the height, each at least a line and a margin.
        table.verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        table.verticalHeader()->setMinimumSectionSize(table.fontMetrics().height() + 8);
        table.verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // The window's model outlives the table: its widgets go first when it is unloaded.
        new CellChooser(&table, &form);
    }
    model->setPage(page);
    table.setVisible(!page.masteryCells.empty());
    table.setAccessibleDescription(page.masteryDescription);
    // The keyboard starts on the first cell, so Enter has something to open.
    if (!page.masteryCells.empty()) table.setCurrentIndex(model->index(0, 0));
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
    for (QTableView* t : {ui.tblRuns, ui.tblMissed, ui.tblTopics, ui.tblCalibration}) {
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
    if (auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("tabPages"))) {
        tabs->setTabText(0, page.testsTab);
        tabs->setTabText(1, page.memoryTab);
        // A learner who has only ever used Today sees the memory first.
        if (!window.property("tabChosen").toBool()) {
            if (page.runs.rows.empty() && !page.masteryCells.empty()) tabs->setCurrentIndex(1);
            // The memory's figures are read when their page is first shown.
            QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [model](int index) {
                if (index == 1) model->memoryPage_Show();
            });
        }
        window.setProperty("tabChosen", true);
    }
    if (auto* t = window.findChild<QTableView*>(QStringLiteral("tblMastery"))) {
        fillMastery(*t, *model, page);
        t->setAccessibleName(model->frmMastery.caption);
    }
    if (auto* t = window.findChild<QTableView*>(QStringLiteral("tblCalibration"))) {
        fillTable(*t, page.calibration);
        t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // The figures as wide as their words; the bins take what is left.
        if (t->model()->columnCount() > 0) {
            t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
            t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
        }
        t->setVisible(!page.calibration.rows.empty());
        t->setAccessibleName(model->frmCalibration.caption);
    }
    if (auto* list = window.findChild<QListWidget*>(QStringLiteral("lstMixups"))) {
        list->clear();
        list->addItems(page.mixups);
        list->setAccessibleName(model->frmMixups.caption);
    }
}

}  // namespace qtui
