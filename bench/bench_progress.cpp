// Progress benchmark at a lifetime's scale: a test1 of 3,000 sentences (as the material holds)
// and a history of 10,000 evaluated runs of 50 answers, 500,000 answers in all, about one in three
// wrong. It times what the Progress window does: loading the model from a new connection, a change
// of the level or topic filter, and what a test run adds per answer. Each figure is the median of
// several runs; the target stands beside it. Figures: bench/README.md.
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <cstdio>

#include "app/context.h"
#include "app/window_names.h"
#include "base/random_source.h"
#include "bench_timing.h"
#include "forms/platform.h"
#include "forms/window_registry.h"
#include "progress/progress_model.h"
#include "progress/progress_window.h"
#include "progress/run_history.h"
#include "qtui/form_view.h"
#include "qtui/view_manager.h"
#include "store/database.h"
#include "store/schema.h"
#include "text/ui_text.h"

namespace {

constexpr int kSentences = 3000;
constexpr int kRuns = 10000;
constexpr int kAnswersPerRun = 50;

QString makeFile(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("bench.sqlite"));
    store::Database::create(path);
    store::Database db(path);
    base::RandomSource random(1);
    const char* topics[][2] = {{"1", "1"}, {"1", "2"}, {"1", "3"}, {"1", "4"}, {"1", "6"}, {"1", "7"},
                               {"1", "8"}, {"2", "0"}, {"3", "0"}, {"4", "0"}, {"5", "0"}, {"6", "0"},
                               {"7", "0"}, {"8", "0"}, {"9", "0"}, {"a", "1"}, {"a", "2"}, {"1", "0"}};
    store::Database::Transaction t(db);
    QSqlQuery q(db.db());
    q.prepare(QStringLiteral("INSERT INTO test1 VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int serial = 1; serial <= kSentences; ++serial) {
        const auto& topic = topics[serial % 18];
        for (const QVariant& v : std::initializer_list<QVariant>{
                 serial, serial, random.draw1ToN(3000), random.draw1ToN(3), QString::fromLatin1(topic[0]),
                 QString::fromLatin1(topic[1]),
                 QStringLiteral("Frase número %1 con su hueco ... en medio.").arg(serial),
                 QStringLiteral("uno %1").arg(serial % 7), QStringLiteral("dos %1").arg(serial % 5),
                 QStringLiteral("tres"), QStringLiteral("cuatro"),
                 QStringLiteral("Frase número %1.").arg(serial), QString(QChar(u'A' + serial % 4))})
            q.addBindValue(v);
        if (!q.exec()) store::throwQueryError(q);
    }
    QSqlQuery run(db.db()), answer(db.db());
    run.prepare(QStringLiteral("INSERT INTO test_runs VALUES (?, ?, ?, 0, 50, 0, 50, ?)"));
    answer.prepare(
        QStringLiteral("INSERT INTO test_answers (run_id, position, serial, chosen, right_letter, correct, "
                       "seconds, sentence)"
                       " VALUES (?, ?, ?, ?, ?, ?, ?, (SELECT id FROM sentences WHERE serial = ?))"));
    const QDateTime first(QDate(2000, 1, 1), QTime(8, 0), Qt::UTC);
    for (int r = 1; r <= kRuns; ++r) {
        const QDateTime start = first.addSecs(3600LL * 20 * r);
        int correct = 0;
        for (int i = 1; i <= kAnswersPerRun; ++i) {
            const int serial = random.draw1ToN(kSentences);
            const QString right(QChar(u'A' + serial % 4));
            const bool ok = random.next() < 0.68;
            correct += ok;
            for (const QVariant& v : std::initializer_list<QVariant>{
                     r, i, serial, ok ? right : QString(QChar(u'A' + (serial + random.draw1ToN(3)) % 4)),
                     right, ok ? 1 : 0, 2.5 + random.next() * 8, serial})
                answer.addBindValue(v);
            if (!answer.exec()) store::throwQueryError(answer);
        }
        for (const QVariant& v : std::initializer_list<QVariant>{
                 r, progress::historyTime(start), progress::historyTime(start.addSecs(600)), correct})
            run.addBindValue(v);
        if (!run.exec()) store::throwQueryError(run);
    }
    t.commit();
    return path;
}

void report(const char* what, double ms, const char* target) {
    std::printf("%-58s %8.2f ms  (target %s)\n", what, ms, target);
}

long sink = 0;

// A desktop that answers nothing: the window's texts and figures are all that is timed.
struct SilentPlatform : forms::Platform {
    void messageBox(const QString& text, const QString&, forms::MsgIcon) override {
        std::printf("message: %s\n", qPrintable(text));
    }
    bool confirm(const QString&, const QString&) override { return false; }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<forms::FontSpec> fontDialog() override { return {}; }
    std::optional<QString> saveFileName(const QString&, const QString&, const QString&) override {
        return {};
    }
    void beep() override {}
    bool setTopmost(const forms::Form&, bool) override { return true; }
    QSize screenSize() const override { return {1280, 1024}; }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    struct Mute : forms::Speech {
        Status status() override { return Status::NoService; }
        void say(const QString&) override {}
    } mute;
    forms::Speech& speech() override { return mute; }
    void useLanguage(const QString&) override {}
};

}  // namespace

int main(int argc, char* argv[]) {
    // The window part draws on Qt's offscreen platform unless a display is chosen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // bench_progress [FILE]: the file is made there when missing and kept, else in a temporary folder.
    QTemporaryDir dir;
    QElapsedTimer made;
    made.start();
    const QString kept = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString path = kept.isEmpty() ? makeFile(dir) : kept;
    if (!kept.isEmpty() && !QFileInfo::exists(kept)) QFile::copy(makeFile(dir), kept);
    std::printf("%d sentences, %d runs, %d answers (made in %.1f s)\n", kSentences, kRuns,
                kRuns * kAnswersPerRun, made.elapsed() / 1000.0);

    report("history read (loadHistory only)",
           medianMs(7,
                    [&] {
                        store::Database db(path, true);
                        sink += static_cast<long>(progress::loadHistory(db).answers.size());
                    }),
           "none; part of the load");
    report("Progress model load (connection, history, sentences, figures)",
           medianMs(7,
                    [&] {
                        store::Database db(path, true);
                        sink += static_cast<long>(progress::ProgressModel::load(db).points().size());
                    }),
           "< 300 ms");

    {
        SilentPlatform platform;
        forms::WindowRegistry windows;
        base::RandomSource random(1);
        app::Context ctx(platform, windows, random, dir.path(), dir.path(), {});
        app::defineWindows(ctx);
        ctx.g.LangBase = text::English;
        ctx.g.DatabasePath = path;
        report("Progress window opened (model, every text of the page)",
               medianMs(5,
                        [&] {
                            auto* w = dynamic_cast<progress::ProgressWindow*>(windows.show(app::kProgress));
                            sink += static_cast<long>(w->page().runs.rows.size());
                            windows.unload(app::kProgress);
                        }),
               "none; the model's load is part of it");
        {
            // The same with the widgets: the window built, its chart and tables filled, and drawn.
            qtui::ViewManager views(&windows);
            windows.setObserver(&views);
            report("Progress window opened and drawn (widgets)",
                   medianMs(5,
                            [&] {
                                windows.show(app::kProgress);
                                sink += views.viewOf(app::kProgress)->window()->grab().width();
                                windows.unload(app::kProgress);
                                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                            }),
                   "< 300 ms");
            auto* shown = dynamic_cast<progress::ProgressWindow*>(windows.show(app::kProgress));
            int choice = 0;
            report("filter change in the window, drawn again (widgets)",
                   medianMs(11,
                            [&] {
                                shown->click(QStringLiteral("mnuShowLevel"), choice++ % 4);
                                sink += views.viewOf(app::kProgress)->window()->grab().width();
                            }),
                   "< 100 ms");
            windows.unload(app::kProgress);
            windows.setObserver(nullptr);
        }
        auto* w = dynamic_cast<progress::ProgressWindow*>(windows.show(app::kProgress));
        int item = 0;
        report("filter change in the window (figures and page)",
               medianMs(11,
                        [&] {
                            w->click(QStringLiteral("mnuShowLevel"), item++ % 4);
                            sink += w->page().revision;
                        }),
               "< 100 ms");
    }

    store::Database db(path, true);
    progress::ProgressModel model = progress::ProgressModel::load(db);
    const progress::Filter filters[] = {{2, -1}, {0, 1}, {3, 0}, {0, 15}, {1, 8}, {0, -1}};
    int next = 0;
    report("filter change (level, topic, both, back to everything)",
           medianMs(25,
                    [&] {
                        model.setFilter(filters[next++ % std::size(filters)]);
                        sink += static_cast<long>(model.points().size() + model.mostMissed().size());
                    }),
           "< 100 ms");

    store::Database writer(path);
    report("for comparison: one failed item logged (INSERT INTO hiba1)",
           medianMs(101,
                    [&] {
                        QSqlQuery q(writer.db());
                        sink += q.exec(QStringLiteral(
                            "INSERT INTO hiba1 VALUES ('B', 'Frase ...', 'a', 'b', 'c', 'd', 'Frase.', "
                            "'A')"));
                    }),
           "none");
    progress::RunRecorder recorder;
    recorder.begin(QDateTime::currentDateTimeUtc(), {false, 0, 0});
    int serial = 0;
    report("recording one answer (one committed transaction)",
           medianMs(201,
                    [&] {
                        serial = serial % kSentences + 1;
                        sink += recorder.answer(
                            writer, {{serial, QStringLiteral("B"), QStringLiteral("A"), false, 4.2}});
                    }),
           "< 5 ms");
    report("the run's evaluation",
           medianMs(1, [&] { sink += recorder.finish(writer, QDateTime::currentDateTimeUtc(), 201, 0); }),
           "none");
    std::printf("(checksum %ld)\n", sink);
    return 0;
}
