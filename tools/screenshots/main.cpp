// Renders every window of the program, in each working language, to PNG files, so that a person
// can look at them: plurquiz-screenshots DIR.
#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QSqlQuery>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <map>

#include "app/context.h"
#include "app/window_names.h"
#include "base/random_source.h"
#include "forms/window_registry.h"
#include "memory/memory_store.h"
#include "memory/today_queue.h"
#include "progress/run_history.h"
#include "qtui/qt_platform.h"
#include "qtui/view_manager.h"
#include "store/database.h"

namespace {

// Dialogs would wait for a click; here they only note what they would have said.
class QuietPlatform : public qtui::QtPlatform {
public:
    using qtui::QtPlatform::QtPlatform;
    void messageBox(const QString& text, const QString& caption, forms::MsgIcon) override {
        qInfo("message [%s]: %s", qPrintable(caption), qPrintable(text));
    }
    bool confirm(const QString& text, const QString& caption) override {
        qInfo("question [%s]: %s", qPrintable(caption), qPrintable(text));
        return false;
    }
    // The input box is drawn as the learner would see it, saved to `inputShot`, and cancelled.
    std::optional<QString> inputBox(const QString& prompt, const QString& caption,
                                    const QString& def) override {
        QInputDialog dialog;
        dialog.setWindowTitle(caption);
        dialog.setLabelText(prompt);
        dialog.setTextValue(def);
        dialog.setMinimumWidth(480);
        dialog.show();
        QApplication::processEvents();
        if (!inputShot.isEmpty()) dialog.grab().save(inputShot);
        return std::nullopt;
    }
    QString inputShot;
};

void grab(qtui::ViewManager& views, const QString& window, const QDir& out, const QString& file) {
    qtui::FormView* view = views.viewOf(window);
    if (!view) {
        qWarning("%s is not open", qPrintable(window));
        return;
    }
    QApplication::processEvents();
    const QString path = out.filePath(file + QStringLiteral(".png"));
    if (!view->window()->grab().save(path))
        qWarning("cannot write %s", qPrintable(path));
    else
        qInfo("%s", qPrintable(path));
}

// The review window over three failed items taken from the material, each guessed wrongly: before
// Start, on the first item, answered wrongly with the solution, and at the end of the list.
// Closing it empties the log again.
void grabReview(forms::WindowRegistry& windows, qtui::ViewManager& views, const QString& database,
                const QDir& out, const QString& lang) {
    {
        store::Database db(database);
        QSqlQuery(db.db()).exec(QStringLiteral(
            "INSERT INTO hiba1 SELECT CASE felelet2 WHEN 'A' THEN 'B' ELSE 'A' END, mondat, a, b, "
            "c, d, felelet1, felelet2 FROM test1 ORDER BY sorszam LIMIT 3"));
    }
    forms::Form* review = windows.show(app::kReview);
    if (!review) return;
    grab(views, app::kReview, out, QStringLiteral("review_") + lang);
    review->click(QStringLiteral("Command1"));
    grab(views, app::kReview, out, QStringLiteral("review_started_") + lang);
    const QString guess = review->c(QStringLiteral("Label23")).caption;
    review->click(QStringLiteral("Option3D%1").arg(qMax(0, QStringLiteral("ABCD").indexOf(guess)) + 1));
    review->click(QStringLiteral("Command8"));
    grab(views, app::kReview, out, QStringLiteral("review_wrong_solution_") + lang);
    for (int i = 0; i < 3; ++i) review->click(QStringLiteral("Command4"));
    grab(views, app::kReview, out, QStringLiteral("review_end_") + lang);
    review->click(QStringLiteral("Command6"));
}

// Six weeks of a learner's tests: a run every day or two, scores rising from about 55% to about
// 85%, a few ser/estar and tense sentences that keep going wrong, a wrong filler chosen at random.
void fillHistory(const QString& database) {
    store::Database db(database);
    // In place of the runs the steps above made.
    QSqlQuery(db.db()).exec(QStringLiteral("DELETE FROM test_answers"));
    QSqlQuery(db.db()).exec(QStringLiteral("DELETE FROM test_runs"));
    std::vector<std::array<QString, 2>> sentences;  // serial, right letter
    std::vector<int> weak;
    QSqlQuery q(db.db());
    q.exec(QStringLiteral("SELECT sorszam, felelet2, kulcs1, kulcs2 FROM test1 ORDER BY sorszam"));
    while (q.next()) {
        if (q.value(2).toString() == QLatin1String("1") &&
            (q.value(3).toString() == QLatin1String("1") || q.value(3).toString() == QLatin1String("2")) &&
            weak.size() < 14 && q.value(0).toInt() % 3 == 0)
            weak.push_back(static_cast<int>(sentences.size()));
        sentences.push_back({q.value(0).toString(), q.value(1).toString()});
    }
    if (sentences.empty()) return;
    base::RandomSource random(2026);
    const QDateTime now = QDateTime::currentDateTime();
    constexpr int kRuns = 26;
    for (int run = 0; run < kRuns; ++run) {
        const QDateTime started = now.addSecs(-3600LL * 38 * (kRuns - run) + 3600LL * random.draw1ToN(6));
        const int length = run % 3 == 0 ? 30 : 20;
        progress::RunRecorder recorder;
        recorder.begin(started, {false, length, run % 4 == 0 ? 20 : 0});
        const double skill = 0.55 + 0.3 * run / (kRuns - 1) + (random.next() - 0.5) * 0.12;
        int correct = 0;
        for (int i = 0; i < length; ++i) {
            const bool fromWeak = !weak.empty() && random.next() < 0.3;
            const auto& s = sentences[static_cast<size_t>(
                fromWeak ? weak[static_cast<size_t>(random.draw1ToN(static_cast<int>(weak.size())) - 1)]
                         : random.draw1ToN(static_cast<int>(sentences.size())) - 1)];
            const bool right = random.next() < (fromWeak ? skill - 0.35 : skill);
            QString chosen = s[1];
            if (!right) {
                const int rightIndex = QStringLiteral("ABCD").indexOf(s[1]);
                chosen = QString(QChar(u'A' + (rightIndex + random.draw1ToN(3)) % 4));
            }
            correct += right;
            recorder.answer(db, {{s[0].toInt(), chosen, s[1], right, 3.0 + random.next() * 9}});
        }
        recorder.finish(db, started.addSecs(length * 9), length, correct);
    }
}

// Ten weeks of a learner's days in Today, ending with a few days away: the sentences due each
// day and eight new ones, new ones level by level (so level 3 is not started yet). The learner
// remembers roughly as the model foretells, worse with auxiliaries, ser/estar and the moods, and misses a
// day now and then.
void fillMemory(const QString& database) {
    store::Database db(database);
    store::Database::Transaction t(db);
    QSqlQuery(db.db()).exec(QStringLiteral("DELETE FROM answer_log"));
    QSqlQuery(db.db()).exec(QStringLiteral("DELETE FROM memory_states"));
    std::map<int, double> hardness;  // by serial: the power the model's chance is raised to
    QSqlQuery q(db.db());
    q.exec(QStringLiteral("SELECT sorszam, kulcs1, kulcs2 FROM test1"));
    while (q.next()) {
        const bool verb = q.value(1).toString() == QLatin1String("1");
        const QString sub = q.value(2).toString();
        hardness[q.value(0).toInt()] = verb && sub == QLatin1String("4")   ? 2.0
                                       : verb && sub == QLatin1String("1") ? 1.5
                                       : verb && sub == QLatin1String("3") ? 1.3
                                                                           : 1.0;
    }
    memory::MemorySettings settings = memory::loadSettings(db.db());
    settings.newPerDay = 8;
    const memory::Model model = settings.model();
    base::RandomSource random(1492);
    const QDateTime now = QDateTime::currentDateTime();
    for (int daysAgo = 70; daysAgo >= 4; --daysAgo) {
        if (random.next() < 0.2) continue;
        const QDateTime evening(now.date().addDays(-daysAgo), QTime(19, 0));
        const qint64 day = memory::dayOf(evening);
        const memory::TodayQueue queue = memory::buildTodayQueue(db.db(), day, settings);
        int second = 0;
        for (const auto* items : {&queue.due, &queue.fresh})
            for (const memory::QueueItem& item : *items) {
                const double chance = item.fresh ? 0.7 : item.retrievability;
                const bool right = random.next() < std::pow(chance, hardness[item.serial]);
                const memory::AnswerEvent event{memory::Source::Today,
                                                right ? memory::Grade::Good : memory::Grade::Again, right,
                                                evening.addSecs(12 * ++second)};
                memory::recordAnswer(db.db(), item.sentence, item.serial, event, model);
            }
    }
    t.commit();
}

// The launcher with its count of the day, then Today over the memory above: a sentence, a right
// and a wrong answer with the solution, and the end of a short session.
void grabToday(forms::WindowRegistry& windows, qtui::ViewManager& views, const QDir& out,
               const QString& lang) {
    windows.find(app::kProgress)->click(QStringLiteral("cmdClose"));
    windows.unload(app::kLauncher);  // loaded again: its count of today reads the memory above
    windows.show(app::kLauncher);
    windows.find(app::kLauncher)->click(QStringLiteral("today"));
    grab(views, app::kLauncher, out, QStringLiteral("launcher_today_") + lang);
    windows.find(app::kLauncher)->click(QStringLiteral("ok"));
    forms::Form& today = *windows.find(app::kToday);
    grab(views, app::kToday, out, QStringLiteral("today_") + lang);
    const int right = qMax(0, QStringLiteral("ABCD").indexOf(today.c(QStringLiteral("Label10")).caption));
    today.click(QStringLiteral("Option3D%1").arg(2 + right));
    grab(views, app::kToday, out, QStringLiteral("today_right_") + lang);
    today.click(QStringLiteral("Command2"));
    const int next = qMax(0, QStringLiteral("ABCD").indexOf(today.c(QStringLiteral("Label10")).caption));
    today.click(QStringLiteral("Option3D%1").arg(2 + (next + 1) % 4));
    today.click(QStringLiteral("Command1"));
    grab(views, app::kToday, out, QStringLiteral("today_wrong_solution_") + lang);
    // The rest answered right, as a learner who knows them would.
    for (int i = 0; i < 2000 && today.c(QStringLiteral("Command2")).visible; ++i) {
        const int letter =
            qMax(0, QStringLiteral("ABCD").indexOf(today.c(QStringLiteral("Label10")).caption));
        today.click(QStringLiteral("Option3D%1").arg(2 + letter));
        today.click(QStringLiteral("Command2"));
    }
    grab(views, app::kToday, out, QStringLiteral("today_end_") + lang);
}

// Written answers in practice: a right one, one with its first letter in capitals (almost right),
// a wrong one; then the setting off again for the windows after.
void grabWritten(forms::Form& practice, qtui::ViewManager& views, const QDir& out, const QString& lang) {
    practice.click(QStringLiteral("mnuWrite"));
    auto typeAndCheck = [&](const std::function<QString(const QString&, const QString&)>& typed,
                            const char* file) {
        const QString labels[] = {QStringLiteral("Label14"), QStringLiteral("Label12"),
                                  QStringLiteral("Label15"), QStringLiteral("Label16")};
        const int right =
            qMax(0, QStringLiteral("ABCD").indexOf(practice.c(QStringLiteral("Label10")).caption));
        const QString filler = practice.c(labels[right]).caption.trimmed();
        const QString other = practice.c(labels[(right + 1) % 4]).caption.trimmed();
        practice.c(QStringLiteral("txtAnswer")).caption = typed(filler, other);
        practice.click(QStringLiteral("cmdCheck"));
        grab(views, app::kPractice, out, QString::fromLatin1(file) + lang);
        practice.click(QStringLiteral("Command2"));
    };
    typeAndCheck([](const QString& f, const QString&) { return f; }, "practice_written_right_");
    typeAndCheck([](const QString& f, const QString&) { return f.left(1).toUpper() + f.mid(1); },
                 "practice_written_almost_");
    typeAndCheck([](const QString& f, const QString&) { return f.left(f.size() / 2) + QStringLiteral("x"); },
                 "practice_written_wrong_");
    practice.click(QStringLiteral("mnuWrite"));
}

void grabProgress(forms::WindowRegistry& windows, qtui::ViewManager& views, const QDir& out,
                  const QString& file) {
    windows.find(app::kLauncher)->click(QStringLiteral("mnuProgress"));
    grab(views, app::kProgress, out, file);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font = QApplication::font();
    font.setPointSize(10);
    QApplication::setFont(font);
    if (argc < 2) {
        qCritical("usage: plurquiz-screenshots DIR");
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(QStringLiteral("."));
    QTemporaryDir programDir;

    const std::pair<const char*, const char*> languages[] = {
        {"Command1", "en"}, {"Command6", "hu"}, {"Command5", "es"}, {"Command2", "fr"}};
    for (const auto& [button, code] : languages) {
        const QString lang = QString::fromLatin1(code);
        forms::WindowRegistry windows;
        qtui::ViewManager views(&windows);
        windows.setObserver(&views);
        QuietPlatform platform(views);
        base::RandomSource random;
        // The program folder is new and empty: there is no old file to take over.
        app::Context ctx(platform, windows, random, programDir.path(),
                         programDir.filePath(QStringLiteral("data")), app::LegacyImporter{});
        app::defineWindows(ctx);

        windows.show(app::kStartup);
        if (lang == QLatin1String("en")) {
            grab(views, app::kStartup, out, QStringLiteral("lang"));
            grab(views, app::kBackground, out, QStringLiteral("hatter"));
        }
        windows.find(app::kStartup)->click(QString::fromLatin1(button));
        grab(views, app::kAbout, out, QStringLiteral("sobre_splash_") + lang);
        windows.find(app::kAbout)->timer(QStringLiteral("Timer1"));
        grab(views, app::kLauncher, out, QStringLiteral("launcher_") + lang);
        windows.find(app::kLauncher)->click(QStringLiteral("mnuabout"));
        grab(views, app::kAbout, out, QStringLiteral("sobre_about_") + lang);
        windows.find(app::kAbout)->click(QStringLiteral("Command1"));
        if (lang == QLatin1String("en")) {
            windows.find(app::kLauncher)->click(QStringLiteral("mnuhow"));
            grab(views, app::kHowTo, out, QStringLiteral("howto"));
            windows.unload(app::kHowTo);
        }
        if (lang == QLatin1String("en")) {
            // Before any test: the explanation of how the history fills.
            grabProgress(windows, views, out, QStringLiteral("progress_empty_en"));
            windows.find(app::kProgress)->click(QStringLiteral("cmdClose"));
        }
        windows.find(app::kLauncher)->click(QStringLiteral("ok"));
        grab(views, app::kPractice, out, QStringLiteral("practice_") + lang);
        {
            forms::Form& practice = *windows.find(app::kPractice);
            practice.click(QStringLiteral("Command3"));
            grab(views, app::kPractice, out, QStringLiteral("practice_started_") + lang);
            const QString right = practice.c(QStringLiteral("Label10")).caption;
            const QString options = QStringLiteral("ABCD");
            const int rightIndex = qMax(0, options.indexOf(right));
            practice.click(QStringLiteral("Option3D%1").arg(2 + rightIndex));
            grab(views, app::kPractice, out, QStringLiteral("practice_right_") + lang);
            practice.click(QStringLiteral("Option3D%1").arg(2 + (rightIndex + 1) % 4));
            practice.click(QStringLiteral("Command1"));
            grab(views, app::kPractice, out, QStringLiteral("practice_wrong_solution_") + lang);
            practice.click(QStringLiteral("mnuTopicItem"), 2);
            grab(views, app::kPractice, out, QStringLiteral("practice_topic_") + lang);
            grabWritten(practice, views, out, lang);
        }
        windows.find(app::kPractice)->click(QStringLiteral("mnuTest"));
        grab(views, app::kTest, out, QStringLiteral("test_") + lang);
        {
            forms::Form& test = *windows.find(app::kTest);
            test.click(QStringLiteral("mnuTiempoItem"), 0);
            test.click(QStringLiteral("Command3"));
            test.keyPress(u'b');
            grab(views, app::kTest, out, QStringLiteral("test_timed_") + lang);
            test.click(QStringLiteral("Command4"));
            test.click(QStringLiteral("Command4"));
            test.click(QStringLiteral("Command5"));
            grab(views, app::kTest, out, QStringLiteral("test_evaluated_") + lang);
        }
        windows.find(app::kTest)->click(QStringLiteral("mnuPlurquiz"));
        windows.find(app::kLauncher)->click(QStringLiteral("database"));
        windows.find(app::kLauncher)->click(QStringLiteral("ok"));
        grab(views, app::kEditor, out, QStringLiteral("editor_") + lang);
        {
            forms::Form& editor = *windows.find(app::kEditor);
            editor.click(QStringLiteral("Command10"));
            grab(views, app::kEditor, out, QStringLiteral("editor_started_") + lang);
            editor.click(QStringLiteral("Command12"));
            grab(views, app::kEditor, out, QStringLiteral("editor_legend_") + lang);
            platform.inputShot =
                out.filePath(QStringLiteral("editor_search_") + lang + QStringLiteral(".png"));
            editor.click(QStringLiteral("Command5"));
            platform.inputShot.clear();
        }
        grabReview(windows, views, ctx.g.DatabasePath, out, lang);
        fillHistory(ctx.g.DatabasePath);
        fillMemory(ctx.g.DatabasePath);
        windows.show(app::kLauncher);
        grabProgress(windows, views, out, QStringLiteral("progress_") + lang);
        if (qtui::FormView* view = views.viewOf(app::kProgress))
            if (auto* tabs = view->window()->findChild<QTabWidget*>(QStringLiteral("tabPages"))) {
                tabs->setCurrentIndex(1);
                grab(views, app::kProgress, out, QStringLiteral("progress_memory_") + lang);
                tabs->setCurrentIndex(0);
            }
        if (lang == QLatin1String("en")) {
            windows.find(app::kProgress)->click(QStringLiteral("mnuShowTopic"), 2);  // ser/estar/haber
            grab(views, app::kProgress, out, QStringLiteral("progress_topic_en"));
        }
        grabToday(windows, views, out, lang);
        windows.endProgram();
        windows.setObserver(nullptr);
        QApplication::processEvents();
    }
    return 0;
}
