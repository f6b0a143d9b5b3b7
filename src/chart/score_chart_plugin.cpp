// The score chart drawn with Qt Charts: each test's score and the moving average over time.
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QObject>
#include <QValueAxis>
#include <algorithm>

#include "qtui/score_chart.h"

namespace {

// Markers on every point only while they stay apart; a long history is a line.
constexpr size_t kMostMarkedPoints = 60;

class QtChartsScoreChart : public QObject, public qtui::ScoreChartPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PLURQUIZ_SCORE_CHART_IID)
    Q_INTERFACES(qtui::ScoreChartPlugin)

public:
    QWidget* createView(QWidget* parent) override {
        auto* view = new QChartView(parent);
        view->setRenderHint(QPainter::Antialiasing);
        view->setFocusPolicy(Qt::StrongFocus);
        return view;
    }

    void draw(QWidget* widget, const qtui::ScoreChartData& data) override {
        auto* view = qobject_cast<QChartView*>(widget);
        if (!view) return;
        auto* chart = new QChart;
        chart->setBackgroundRoundness(0);
        chart->setMargins(QMargins(4, 4, 4, 4));
        chart->legend()->setAlignment(Qt::AlignBottom);

        auto* score = new QLineSeries;
        score->setName(data.scoreSeries);
        QPen scorePen(QColor(0x1f, 0x6f, 0xb4));
        scorePen.setWidthF(2);
        score->setPen(scorePen);
        score->setPointsVisible(data.points.size() <= kMostMarkedPoints);
        score->setMarkerSize(8);
        auto* average = new QLineSeries;
        average->setName(data.averageSeries);
        QPen averagePen(QColor(0xe6, 0x7e, 0x22));
        averagePen.setWidthF(2.5);
        averagePen.setStyle(Qt::DashLine);
        average->setPen(averagePen);
        for (const auto& p : data.points) {
            score->append(static_cast<qreal>(p.msecs), p.percent);
            average->append(static_cast<qreal>(p.msecs), p.average);
        }
        chart->addSeries(score);
        chart->addSeries(average);

        auto* time = new QDateTimeAxis;
        qint64 first = data.points.empty() ? 0 : data.points.front().msecs;
        qint64 last = data.points.empty() ? 0 : data.points.back().msecs;
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
        QChart* old = view->chart();
        view->setChart(chart);
        delete old;
    }
};

}  // namespace

#include "score_chart_plugin.moc"
