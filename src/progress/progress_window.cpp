// The Progress window: loading the history, the filter menus, the page the view draws, practising
// the most missed sentences and the export.
#include "progress_window.h"

#include <cmath>

#include "app/window_names.h"
#include "forms/platform.h"
#include "forms/window_registry.h"
#include "history_csv.h"
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
        model_ = ProgressModel::load(*ctx.openDatabase(true));
    } catch (const store::StoreError& e) {
        model_.reset();
        message(uiText(text::KeyProgressCannotRead).arg(ctx.g.DatabasePath, reason(e)),
                forms::MsgIcon::Critical, TitleWord);
    }
    refresh();
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
    return page_.locale.toString(when.toLocalTime(), QLocale::ShortFormat);
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
    buildPage();
}

void ProgressWindow::buildPage() {
    const int revision = page_.revision + 1;
    page_ = ProgressPage();
    page_.revision = revision;
    page_.locale = localeOf(ctx.g.LangBase);
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
    ctx.g.PracticeSerials = model_->mostMissedSerials();
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
