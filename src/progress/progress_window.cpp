// The Progress window: loading the history, the filter menus, the page the view draws, practising
// the most missed sentences and the export.
#include "progress_window.h"

#include <QTimeZone>
#include <cmath>

#include "app/window_names.h"
#include "forms/platform.h"
#include "forms/window_registry.h"
#include "history_csv.h"
#include "memory/memory_store.h"
#include "store/database.h"
#include "store/store_error.h"
#include "store/topics.h"
#include "text/ui_text.h"
#include "text/window_texts.h"

namespace progress {

namespace {

// Rounded as the test's evaluation rounds: a half to the even neighbour.
QString percentText(double percent) {
    return QString::number(static_cast<long long>(std::nearbyint(percent))) + QLatin1Char('%');
}

QString withoutMarker(QString caption) {
    for (int i = 0; i < caption.size(); ++i)
        if (caption[i] == u'&' && i + 1 < caption.size()) caption.remove(i, 1);
    return caption;
}

QLocale localeOf(int langBase) {
    switch (langBase) {
        case text::Hungarian:
            return QLocale(QLocale::Hungarian, QLocale::Hungary);
        case text::Spanish:
            return QLocale(QLocale::Spanish, QLocale::Spain);
        case text::French:
            return QLocale(QLocale::French, QLocale::France);
        default:
            return QLocale(QLocale::English, QLocale::UnitedKingdom);
    }
}

}  // namespace

ProgressWindow::ProgressWindow(app::Context& ctx)
    : app::TaskWindow(app::kProgress, ctx, text::TitleWindow::Progress) {
    caption = QStringLiteral("Progress");
    mnuDatabase.enabled = false;
    onClick(mnuShowLevel, &ProgressWindow::mnuShowLevel_Click);
    onClick(mnuShowTopic, &ProgressWindow::mnuShowTopic_Click);
    onClick(cmdPractise, &ProgressWindow::cmdPractise_Click);
    onClick(cmdExport, &ProgressWindow::cmdExport_Click);
    onClick(cmdClose, &ProgressWindow::cmdClose_Click);
}

void ProgressWindow::Form_Load() {
    loadCommon(text::progressTexts());
    try {
        const std::unique_ptr<store::Database> db = ctx.openDatabase(true);
        model_ = ProgressModel::load(*db);
        // The memory's figures read every answer ever given: they wait until their page is first
        // shown, unless it is the page that opens (no test taken yet).
        memoryLoaded_ = false;
        if (model_->points().empty()) loadMemory(*db);
    } catch (const store::StoreError& e) {
        model_.reset();
        memory_.reset();
        memoryLoaded_ = true;
        message(uiText(text::KeyProgressCannotRead).arg(ctx.g.DatabasePath, reason(e)),
                forms::MsgIcon::Critical, TitleWord);
    }
    refresh();
}

void ProgressWindow::loadMemory(store::Database& db) {
    memory_ = loadMemoryFigures(db.db(), memory::dayOf(ctx.platform.now()));
    memoryLoaded_ = true;
}

void ProgressWindow::showMemoryPage() {
    if (memoryLoaded_) return;
    try {
        const std::unique_ptr<store::Database> db = ctx.openDatabase(true);
        loadMemory(*db);
    } catch (const store::StoreError& e) {
        memory_.reset();
        memoryLoaded_ = true;
        message(uiText(text::KeyProgressCannotRead).arg(ctx.g.DatabasePath, reason(e)),
                forms::MsgIcon::Critical, TitleWord);
    }
    refresh();
}

void ProgressWindow::memoryPage_Show() {
    if (ctx.windows.busy()) return;
    ctx.windows.runEvent(this, forms::OnError::Report, [&] { showMemoryPage(); });
}

QString ProgressWindow::topicName(int topic) const {
    if (topic < 0) return uiText(text::KeyProgressNoTopic);
    return withoutMarker(uiText(text::topicItemKey(topic))).replace(u'_', QStringLiteral(" – "));
}

QString ProgressWindow::shortTopicName(int topic) const {
    // A verb subtopic by its own name: "Ser/Estar/Haber" rather than "Verbs_Ser/Estar/Haber".
    if (topic < 0) return uiText(text::KeyProgressNoTopic);
    const QString full = withoutMarker(uiText(text::topicItemKey(topic)));
    return full.contains(u'_') ? full.section(u'_', 1) : full;
}

QString ProgressWindow::date(const QDateTime& when) const {
    // Through the zone's own rules, read once: the C library's local time looks at the zone's file
    // again for each of ten thousand runs.
    static const QTimeZone zone = QTimeZone::systemTimeZone();
    return page_.locale.toString(zone.isValid() ? when.toTimeZone(zone) : when.toLocalTime(),
                                 QLocale::ShortFormat);
}

void ProgressWindow::refresh() {
    const bool any = model_ && !model_->empty();
    const bool anyInFilter = any && (!model_->points().empty() || model_->answersInFilter() > 0);
    for (forms::Control* c : {&frmMissed, &frmTopics, &frmMixups}) c->visible = anyInFilter;
    frmChart.visible = frmRuns.visible = anyInFilter && !model_->points().empty();
    lblEmpty.visible = !anyInFilter;
    lblEmpty.caption = any ? uiText(text::KeyProgressNothingInFilter) : uiText(text::KeyProgressEmpty);
    lblFilter.visible = any;
    mnuLevel.enabled = mnuTopic.enabled = any;
    cmdExport.enabled = any;
    cmdPractise.enabled = anyInFilter && !model_->mostMissed().empty();

    if (any) {
        const Filter& f = model_->filter();
        lblFilter.caption = uiText(text::KeyProgressShowing)
                                .arg(f.level == 0 ? uiText(text::KeyProgressAllLevels)
                                                  : uiText(text::KeyProgressLevel).arg(f.level),
                                     f.topic < 0 ? uiText(text::KeyProgressAllTopics) : topicName(f.topic));
    }
    lblSummary.visible = anyInFilter && !model_->points().empty();
    if (lblSummary.visible) {
        const std::vector<RunPoint>& points = model_->points();
        const int averaged = std::min<int>(ProgressModel::kAverageOf, static_cast<int>(points.size()));
        lblSummary.caption = uiText(text::KeyProgressSummary)
                                 .arg(QString::number(points.size()), percentText(points.back().percent),
                                      QString::number(averaged), percentText(points.back().average));
    }

    const bool seen = memory_ && memory_->mastery.anySeen();
    // Until the figures are read the page says nothing, rather than that there is nothing.
    lblMasteryEmpty.visible = memoryLoaded_ && !seen;
    lblLegend.visible = frmCalibration.visible = seen;
    if (seen) {
        const Calibration& c = memory_->calibration;
        const QLocale locale = localeOf(ctx.g.LangBase);
        lblCalibration.caption =
            c.ready() ? uiText(text::KeyCalibrationLogLoss)
                            .arg(locale.toString(c.logLoss, 'f', 3), locale.toString(c.updates),
                                 locale.toString(c.baseLogLoss, 'f', 3), percentText(100 * c.shareRecalled))
                      : uiText(text::KeyCalibrationNotYet).arg(c.missing());
        if (memory_->writtenAnswers > 0)
            lblCalibration.caption +=
                QStringLiteral("\n\n") +
                uiText(text::KeyAccentsMissed).arg(locale.toString(memory_->accentsMissed));
    }
    buildPage();
}

void ProgressWindow::buildPage() {
    const int revision = page_.revision + 1;
    page_ = ProgressPage();
    page_.revision = revision;
    page_.locale = localeOf(ctx.g.LangBase);
    buildMemoryPage();
    if (!model_) return;
    const ProgressModel& m = *model_;

    page_.scoreSeries = uiText(text::KeyProgressScore);
    page_.averageSeries = uiText(text::KeyProgressAverage).arg(ProgressModel::kAverageOf);
    QStringList spoken;
    if (runDates_.size() != m.history().runs.size()) {
        // Once per opening: the dates stay while the filter changes.
        runDates_.clear();
        for (const RunRecord& run : m.history().runs) runDates_.push_back(date(run.started));
    }
    for (const RunPoint& p : m.points()) {
        page_.points.push_back({p.when, p.percent, p.average});
        spoken << runDates_[static_cast<size_t>(p.run)] + QStringLiteral(": ") + percentText(p.percent) +
                      QStringLiteral(" (%1/%2)").arg(p.correct).arg(p.answered);
    }
    page_.chartDescription = spoken.join(QStringLiteral("; "));

    page_.runs.headers = {uiText(text::KeyProgressDate), uiText(text::KeyProgressRight),
                          uiText(text::KeyProgressScore)};
    page_.runs.rows.reserve(m.points().size());
    for (auto it = m.points().rbegin(); it != m.points().rend(); ++it)
        page_.runs.rows.push_back(
            {runDates_[static_cast<size_t>(it->run)],
             QString::number(it->correct) + QLatin1Char('/') + QString::number(it->answered),
             percentText(it->percent)});

    page_.missed.headers = {uiText(text::KeyProgressSentence), uiText(text::KeyProgressWrong),
                            uiText(text::KeyProgressLastTime)};
    for (const Missed& missed : m.mostMissed()) {
        const QString sentence =
            !missed.present
                ? QStringLiteral("#%1 %2").arg(missed.serial).arg(uiText(text::KeyProgressSentenceGone))
                : missed.sentence;
        page_.missed.rows.push_back(
            {sentence, QString::number(missed.wrong),
             page_.locale.toString(missed.last.toLocalTime().date(), QLocale::ShortFormat)});
    }

    page_.topics.headers = {uiText(text::KeyProgressTopic), uiText(text::KeyProgressRight)};
    for (const TopicShare& share : m.topicShares()) {
        page_.topics.rows.push_back({shortTopicName(share.topic), QStringLiteral("%1 (%2/%3)")
                                                                      .arg(percentText(share.percent))
                                                                      .arg(share.correct)
                                                                      .arg(share.answered)});
        page_.topicPercents.push_back(share.percent);
    }

    for (const Confusion& c : m.confusions()) {
        if (page_.mixups.size() >= kMixupsShown) break;
        const QString topic = shortTopicName(c.topic);
        page_.mixups
            << (c.count == 1
                    ? uiText(text::KeyProgressMixupOnce).arg(topic, c.chosen, c.right)
                    : uiText(text::KeyProgressMixup).arg(topic, c.chosen, c.right, QString::number(c.count)));
    }
}

void ProgressWindow::buildMemoryPage() {
    page_.testsTab = uiText(text::KeyMemoryTestsTab);
    page_.memoryTab = uiText(text::KeyMemoryTab);
    for (int t = 0; t < MasteryMap::kTopics; ++t) page_.masteryTopics << shortTopicName(t);
    for (int level = 1; level <= MasteryMap::kLevels; ++level) {
        QString header = uiText(text::KeyProgressLevel).arg(level);
        header[0] = header[0].toUpper();
        page_.masteryLevels << header;
    }
    if (!memory_ || !memory_->mastery.anySeen()) return;

    QStringList spoken;
    for (int t = 0; t < MasteryMap::kTopics; ++t)
        for (int level = 1; level <= MasteryMap::kLevels; ++level) {
            const MasteryCell& c = memory_->mastery.cell(t, level);
            ProgressPage::Cell cell;
            const QString where = page_.masteryTopics[t];
            if (c.sentences == 0) {
                cell.text = QStringLiteral("–");
                cell.spoken = uiText(text::KeyMasterySpokenEmpty).arg(where).arg(level);
            } else if (c.seen == 0) {
                cell.shade = ProgressPage::Shade::Unseen;
                cell.text = uiText(text::KeyMasteryUnseen).arg(c.sentences);
                cell.spoken = uiText(text::KeyMasterySpokenUnseen).arg(where).arg(level).arg(c.sentences);
            } else {
                // The colour goes by the figure shown, so that "90%" is never amber.
                const double percent = std::nearbyint(100 * c.meanRetrievability);
                cell.shade = percent < 70   ? ProgressPage::Shade::Weak
                             : percent < 90 ? ProgressPage::Shade::Fading
                                            : ProgressPage::Shade::Strong;
                cell.text = uiText(text::KeyMasteryCell)
                                .arg(percentText(percent))
                                .arg(c.seen)
                                .arg(c.sentences)
                                .arg(c.due);
                cell.spoken = uiText(text::KeyMasterySpoken)
                                  .arg(where)
                                  .arg(level)
                                  .arg(percentText(percent))
                                  .arg(c.seen)
                                  .arg(c.sentences)
                                  .arg(c.due);
            }
            spoken << cell.spoken;
            page_.masteryCells.push_back(std::move(cell));
        }
    page_.masteryDescription = spoken.join(QStringLiteral("; "));

    const Calibration& calibration = memory_->calibration;
    if (!calibration.ready()) return;
    page_.calibration.headers = {uiText(text::KeyCalibrationPredicted), uiText(text::KeyCalibrationAnswers),
                                 uiText(text::KeyCalibrationMeanPredicted),
                                 uiText(text::KeyCalibrationRecalled)};
    for (int b = 0; b < Calibration::kBins; ++b) {
        const CalibrationBin& bin = calibration.bins[static_cast<size_t>(b)];
        const QString none = QStringLiteral("–");
        page_.calibration.rows.push_back({QStringLiteral("%1–%2%").arg(10 * b).arg(10 * (b + 1)),
                                          QString::number(bin.count),
                                          bin.count > 0 ? percentText(100 * bin.meanPredicted) : none,
                                          bin.count > 0 ? percentText(100 * bin.shareRecalled) : none});
    }
}

void ProgressWindow::mnuShowLevel_Click(int index) {
    for (int i = 0; i < mnuShowLevel.size(); ++i) mnuShowLevel[i].checked = i == index;
    if (!model_) return;
    Filter f = model_->filter();
    f.level = index;
    model_->setFilter(f);
    refresh();
}

void ProgressWindow::mnuShowTopic_Click(int index) {
    for (int i = 0; i < mnuShowTopic.size(); ++i) mnuShowTopic[i].checked = i == index;
    if (!model_) return;
    Filter f = model_->filter();
    f.topic = index - 1;
    model_->setFilter(f);
    refresh();
}

void ProgressWindow::cmdPractise_Click() {
    if (!model_ || model_->mostMissed().empty()) return;
    practise(model_->mostMissedSerials(), uiText(text::KeyProgressMostMissedLabel));
}

void ProgressWindow::masteryCell_Click(int cell) {
    const int topic = cell / MasteryMap::kLevels;
    const int level = cell % MasteryMap::kLevels + 1;
    // No grid is shown before a sentence has been seen.
    if (!memory_ || !memory_->mastery.anySeen() || topic < 0 || topic >= MasteryMap::kTopics) return;
    const std::vector<int>& serials = memory_->mastery.cell(topic, level).serials;
    if (serials.empty()) return;
    practise(serials,
             shortTopicName(topic) + QStringLiteral(" · ") + uiText(text::KeyProgressLevel).arg(level));
}

void ProgressWindow::chooseMasteryCell(int cell) {
    if (ctx.windows.busy()) return;
    ctx.windows.runEvent(this, forms::OnError::Report, [&] { masteryCell_Click(cell); });
}

void ProgressWindow::practise(const std::vector<int>& serials, const QString& label) {
    ctx.g.PracticeSerials = serials;
    ctx.g.PracticeLabel = label;
    // The practice window takes the list when it loads, so it must load anew.
    ctx.windows.unload(app::kPractice);
    forms::Form* practice = ctx.windows.show(app::kPractice);
    if (practice) practice->click(QStringLiteral("Command3"));
    ctx.windows.unload(name());
}

void ProgressWindow::cmdExport_Click() {
    const QString suggested =
        QStringLiteral("plurquiz-history-%1.csv").arg(ctx.platform.now().date().toString(Qt::ISODate));
    const std::optional<QString> path = ctx.platform.saveFileName(
        uiText(text::KeyProgressExportCaption), suggested, uiText(text::KeyProgressCsvFiles));
    if (!path || path->isEmpty()) return;
    try {
        const int lines =
            exportHistoryCsv(*ctx.openDatabase(true), *path, [this](int topic) { return topicName(topic); });
        message(uiText(text::KeyProgressExported).arg(*path).arg(lines), forms::MsgIcon::Information,
                TitleWord);
    } catch (const store::StoreError& e) {
        message(uiText(text::KeyProgressExportFailed)
                    // The file written is the learner's own: its system error is the reason there.
                    .arg(*path, e.engineCode() == 0 && e.problem() == store::Problem::Other ? e.message()
                                                                                            : reason(e)),
                forms::MsgIcon::Exclamation, TitleWord);
    }
}

void ProgressWindow::cmdClose_Click() {
    switchTo(app::kLauncher);
}

}  // namespace progress
