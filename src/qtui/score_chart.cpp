// Finding and loading the score chart's plugin, once.
#include "score_chart.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>
#include <algorithm>

namespace qtui {

std::vector<ScoreChartData::Point> thinnedPoints(const std::vector<ScoreChartData::Point>& all, size_t most) {
    if (most == 0 || all.size() <= most) return all;
    const size_t per = (all.size() + most - 1) / most;
    std::vector<ScoreChartData::Point> out;
    for (size_t first = 0; first < all.size(); first += per) {
        const size_t last = std::min(all.size(), first + per);
        double when = 0, percent = 0, average = 0;
        for (size_t i = first; i < last; ++i) {
            when += static_cast<double>(all[i].msecs);
            percent += all[i].percent;
            average += all[i].average;
        }
        const double count = static_cast<double>(last - first);
        out.push_back({static_cast<qint64>(when / count), percent / count, average / count});
    }
    return out;
}

ScoreChartPlugin* scoreChartPlugin() {
    static ScoreChartPlugin* const plugin = []() -> ScoreChartPlugin* {
        const QDir program(QCoreApplication::applicationDirPath());
        const QString file = QStringLiteral("libplurquiz_chart.so");
        for (const QString& path :
             {program.filePath(file), program.filePath(QStringLiteral("../") + file),
              program.filePath(QStringLiteral(PLURQUIZ_INSTALLED_PLUGIN_DIR "/") + file)}) {
            if (!QFileInfo::exists(path)) continue;
            QPluginLoader loader(path);
            if (auto* found = qobject_cast<ScoreChartPlugin*>(loader.instance())) return found;
            qWarning("the score chart plugin %s cannot be loaded: %s", qPrintable(path),
                     qPrintable(loader.errorString()));
        }
        return nullptr;
    }();
    return plugin;
}

}  // namespace qtui
