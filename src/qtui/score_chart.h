// The score chart of the Progress window, drawn by a plugin that is loaded the first time the
// window opens: the chart library and what it pulls in stay out of every start that never shows it.
#pragma once

#include <QString>
#include <QtPlugin>
#include <vector>

class QWidget;

namespace qtui {

struct ScoreChartData {
    struct Point {
        qint64 msecs = 0;  // when the test started, since the epoch
        double percent = 0;
        double average = 0;
    };
    std::vector<Point> points;
    QString scoreSeries, averageSeries;  // the legend's names
};

// At most `most` points for drawing: a longer history becomes the means of runs taken together in
// order, equal groups but the last; a shorter one is returned as it is.
std::vector<ScoreChartData::Point> thinnedPoints(const std::vector<ScoreChartData::Point>& all, size_t most);

class ScoreChartPlugin {
public:
    virtual ~ScoreChartPlugin() = default;
    // A chart view in `parent`, empty until drawn.
    virtual QWidget* createView(QWidget* parent) = 0;
    // Replaces what `view` (made by createView) shows.
    virtual void draw(QWidget* view, const ScoreChartData& data) = 0;
};

// The plugin, looked for beside the program (the build folder), one folder up (the test
// programs) and in PREFIX/LIBDIR/plurquiz (an installed program); null when it cannot be loaded.
ScoreChartPlugin* scoreChartPlugin();

}  // namespace qtui

#define PLURQUIZ_SCORE_CHART_IID "org.plurquiz.Espanol.ScoreChart/1.0"
Q_DECLARE_INTERFACE(qtui::ScoreChartPlugin, PLURQUIZ_SCORE_CHART_IID)
