// Finding and loading the score chart's plugin, once.
#include "score_chart.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace qtui {

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
