// The Progress window on the fake desktop: reached from the launcher and the test window, the
// explanation of an empty history in every language, the figures and the filter menus, "practise
// these" opening the practice window on exactly the most missed sentences in their order, the
// export, and a file whose history cannot be read.
#include <QSqlQuery>
#include <QtTest>

#include "app/context.h"
#include "app/window_names.h"
#include "base/random_source.h"
#include "fake_platform.h"
#include "forms/window_registry.h"
#include "memory/memory_store.h"
#include "practice/practice_window.h"
#include "progress/progress_window.h"
#include "progress/run_history.h"
#include "test_database.h"
#include "text/ui_text.h"

using progress::ProgressWindow;

namespace {

// Serials 1-8, levels 1, 1, 2, 2, 3, 3, 1, 1; right letters A, B, C, D, A, B, C, D.
std::vector<TestRow> rows() {
    std::vector<TestRow> out;
    const char* letters[] = {"A", "B", "C", "D"};
    const int levels[] = {1, 1, 2, 2, 3, 3, 1, 1};
    for (int i = 1; i <= 8; ++i)
        out.push_back({i, 100 * i, levels[i - 1], "1", "1", QString::fromLatin1(letters[(i - 1) % 4])});
    return out;
}

QString rightOf(int serial) {
    return QString(QChar(u'A' + (serial - 1) % 4));
}

struct ProgressFixture {
    QTemporaryDir dir;
    FakePlatform platform;
    forms::WindowRegistry windows;
    base::RandomSource random{3};
    app::Context ctx{platform, windows, random, dir.path(), dir.filePath(QStringLiteral("appdata")), {}};

    ProgressFixture() {
        app::defineWindows(ctx);
        makeDatabase(dir, rows());
        ctx.g.LangBase = text::English;
        ctx.g.DatabasePath = dir.filePath(QStringLiteral("st_data.sqlite"));
    }
    // An evaluated run, `day` days after the first, with these serials answered wrongly (by the
    // letter after the right one) and the others right.
    void run(int day, const QList<int>& serials, const QList<int>& wrong) {
        store::Database db(ctx.g.DatabasePath);
        progress::RunRecorder r;
        const QDateTime start = QDateTime(QDate(2026, 11, 1), QTime(17, 0)).addDays(day);
        r.begin(start, {false, 20, 0});
        int correct = 0;
        for (int s : serials) {
            const bool right = !wrong.contains(s);
            const QString chosen = right ? rightOf(s) : QString(QChar(u'A' + s % 4));
            r.answer(db, {{s, chosen, rightOf(s), right, 5}});
            correct += right;
        }
        r.finish(db, start.addSecs(600), static_cast<int>(serials.size()), correct);
    }
    ProgressWindow& open() { return *dynamic_cast<ProgressWindow*>(windows.show(app::kProgress)); }
    // A memory of the sentence last updated `daysAgo` days before the fake clock's day, of this
    // stability (recall is 90% when the two are equal), due `dueIn` days from that day.
    void remember(int serial, double stability, int daysAgo, int dueIn) {
        store::Database db(ctx.g.DatabasePath);
        const qint64 today = memory::dayOf(platform.clock);
        QSqlQuery q(db.db());
        q.prepare(
            QStringLiteral("INSERT INTO memory_states (sentence, stability, difficulty, first_day, last_day, "
                           "due_day, updates, lapses) SELECT id, ?, 5, ?, ?, ?, 1, 0 FROM sentences "
                           "WHERE serial = ?"));
        for (const QVariant& v : {QVariant(stability), QVariant(today - daysAgo), QVariant(today - daysAgo),
                                  QVariant(today + dueIn), QVariant(serial)})
            q.addBindValue(v);
        QVERIFY(q.exec());
    }
    // Updates with a prediction, as the memory logs them.
    void predicted(int count) {
        store::Database db(ctx.g.DatabasePath);
        QSqlQuery q(db.db());
        q.prepare(
            QStringLiteral("INSERT INTO answer_log (answered_at, day, serial, source, correct, grade, "
                           "updated, predicted) VALUES ('2026-12-01T10:00:00Z', 2461000, 1, 1, 1, 3, 1, ?)"));
        for (int i = 0; i < count; ++i) {
            q.addBindValue(0.05 + 0.9 * i / count);
            QVERIFY(q.exec());
        }
    }
};

}  // namespace

class ProgressWindowTest : public QObject {
    Q_OBJECT
private slots:
    void reachedFromTheLauncherAndFromTheTestWindow() {
        ProgressFixture f;
        f.windows.show(app::kLauncher);
        f.windows.find(app::kLauncher)->click(QStringLiteral("mnuProgress"));
        QVERIFY(f.windows.isVisible(app::kProgress));
        QVERIFY(!f.windows.isLoaded(app::kLauncher));  // it takes the launcher's place
        auto* w = f.windows.findAs<ProgressWindow>(app::kProgress);
        QCOMPARE(w->caption, QStringLiteral("Plurquiz Español  ----  Progress"));
        w->click(QStringLiteral("cmdClose"));
        QVERIFY(f.windows.isVisible(app::kLauncher));
        QVERIFY(!f.windows.isLoaded(app::kProgress));

        f.windows.find(app::kLauncher)->click(QStringLiteral("test"));
        f.windows.find(app::kLauncher)->click(QStringLiteral("ok"));
        f.windows.find(app::kTest)->click(QStringLiteral("mnuProgress"));
        QVERIFY(f.windows.isVisible(app::kProgress));
        QVERIFY(!f.windows.isLoaded(app::kTest));
        // And on to the test again through its own Tasks menu.
        f.windows.find(app::kProgress)->click(QStringLiteral("mnuTest"));
        QVERIFY(f.windows.isVisible(app::kTest));
        QVERIFY(!f.windows.isLoaded(app::kProgress));
    }

    void anEmptyHistoryIsExplainedInEveryLanguage_data() {
        QTest::addColumn<int>("base");
        QTest::addRow("English") << int(text::English);
        QTest::addRow("Hungarian") << int(text::Hungarian);
        QTest::addRow("Spanish") << int(text::Spanish);
        QTest::addRow("French") << int(text::French);
    }
    void anEmptyHistoryIsExplainedInEveryLanguage() {
        QFETCH(int, base);
        ProgressFixture f;
        f.ctx.g.LangBase = base;
        ProgressWindow& w = f.open();
        QVERIFY(w.lblEmpty.visible);
        QCOMPARE(w.lblEmpty.caption, text::uiText(text::KeyProgressEmpty, base));
        for (forms::Control* c :
             {&w.frmChart, &w.frmRuns, &w.frmMissed, &w.frmTopics, &w.frmMixups, &w.lblSummary})
            QVERIFY2(!c->visible, qPrintable(c->name));
        QVERIFY(!w.cmdExport.enabled && !w.mnuLevel.enabled && !w.mnuTopic.enabled);
        QVERIFY(w.page().points.empty());
        QVERIFY(f.platform.messages.empty());
        QCOMPARE(w.lblTitle.caption, text::uiText(text::KeyProgressHeading, base));
    }

    void theFiguresOfTheHistory() {
        ProgressFixture f;
        f.run(0, {1, 2, 3, 4}, {2, 3});        // 50%
        f.run(1, {1, 2, 5, 6, 7}, {2});        // 80%
        f.run(2, {2, 3, 7, 8}, {2, 3, 7, 8});  // 0%
        ProgressWindow& w = f.open();
        QVERIFY(!w.lblEmpty.visible && w.frmChart.visible && w.frmMissed.visible);
        const progress::ProgressPage& page = w.page();
        QCOMPARE(page.points.size(), size_t(3));
        QCOMPARE(page.points[2].average, 130.0 / 3);
        QCOMPARE(page.runs.rows.front().mid(1), (QStringList{"0/4", "0%"}));  // newest first
        QCOMPARE(page.runs.rows.back().mid(1), (QStringList{"2/4", "50%"}));
        QVERIFY(page.chartDescription.contains(QStringLiteral("80% (4/5)")));
        QCOMPARE(w.lblSummary.caption, QStringLiteral("Tests: 3 · latest: 0% · average of the last 3: 43%"));
        QCOMPARE(page.missed.rows.front()[0], QStringLiteral("Sentence 2 ..."));
        QCOMPARE(page.missed.rows.front()[1], QStringLiteral("3"));
        QVERIFY(w.cmdPractise.enabled && w.cmdExport.enabled);
        // Sentence 2 (right B) was answered C three times; sentences 3 and 7 (right C) D three times in
        // all: the two tie and go by the filler chosen.
        QCOMPARE(page.mixups.mid(0, 2),
                 (QStringList{"Ser/Estar/Haber: chose “cuatro” where “tres” was right: 3 times",
                              "Ser/Estar/Haber: chose “tres” where “dos” was right: 3 times"}));
    }

    void theFilterMenusRecomputeEverything() {
        ProgressFixture f;
        f.run(0, {1, 2, 3, 4}, {2, 3});
        f.run(1, {5, 6, 7}, {5});
        ProgressWindow& w = f.open();
        QCOMPARE(w.lblFilter.caption, QStringLiteral("Showing: all levels · all topics"));
        const int before = w.page().revision;
        w.click(QStringLiteral("mnuShowLevel"), 2);
        QVERIFY(w.mnuShowLevel[2].checked && !w.mnuShowLevel[0].checked);
        QCOMPARE(w.lblFilter.caption, QStringLiteral("Showing: level 2 · all topics"));
        QVERIFY(w.page().revision > before);
        QCOMPARE(w.page().points.size(), size_t(1));  // only the first run had sentences of level 2
        QCOMPARE(w.page().runs.rows.front().mid(1), (QStringList{"1/2", "50%"}));
        w.click(QStringLiteral("mnuShowTopic"), 9);  // nouns: none of these sentences
        QCOMPARE(w.lblFilter.caption, QStringLiteral("Showing: level 2 · Nouns"));
        QVERIFY(w.lblEmpty.visible);
        QCOMPARE(w.lblEmpty.caption, text::uiText(text::KeyProgressNothingInFilter, text::English));
        QVERIFY(!w.cmdPractise.enabled);
        w.click(QStringLiteral("mnuShowTopic"), 2);  // ser/estar/haber: every sentence here
        w.click(QStringLiteral("mnuShowLevel"), 0);
        QCOMPARE(w.lblFilter.caption, QStringLiteral("Showing: all levels · Verbs – Ser/Estar/Haber"));
        QCOMPARE(w.page().points.size(), size_t(2));
    }

    // The list of the most missed sentences, as the window shows it, opens the practice window in
    // order on exactly those sentences.
    void practiseTheseOpensPracticeOnExactlyThoseSentencesInOrder() {
        ProgressFixture f;
        f.run(0, {1, 2, 3, 4, 5, 6}, {6, 3, 4});
        f.run(1, {3, 4, 7, 8}, {4, 8});
        f.run(2, {2, 4, 6}, {4, 6});
        // Wrong: 4 three times, 6 twice, then once each: 8 on day 1 before 3 on day 0.
        ProgressWindow& w = f.open();
        QCOMPARE(w.model()->mostMissedSerials(), (std::vector<int>{4, 6, 8, 3}));
        w.click(QStringLiteral("cmdPractise"));
        QVERIFY(!f.windows.isLoaded(app::kProgress));
        auto* p = f.windows.findAs<practice::PracticeWindow>(app::kPractice);
        QVERIFY(p && f.windows.isVisible(app::kPractice));
        QVERIFY(f.ctx.g.PracticeSerials.empty());  // taken
        QCOMPARE(p->PracticeMode, int(practice::SequentialMode));
        QVERIFY(!p->Command3.visible && p->Command2.visible && !p->Command10.visible);  // started, in order
        QCOMPARE(p->Label31.caption, QStringLiteral("4"));
        QCOMPARE(p->Label21.caption, text::uiText(text::KeyProgressMostMissedLabel, text::English));
        QList<int> shown;
        for (int i = 0; i < 4; ++i) {
            shown << p->Label26.caption.toInt();
            QCOMPARE(p->Label30.caption, QString::number(i + 1));
            p->click(QStringLiteral("Command2"));
        }
        QCOMPARE(shown, (QList<int>{4, 6, 8, 3}));
        // Past the last one the list starts again, as any selection does.
        QCOMPARE(f.platform.messages.size(), size_t(1));
        QCOMPARE(p->Label26.caption, QStringLiteral("4"));

        // Opened again from the launcher, the practice window is as it always was.
        p->click(QStringLiteral("Command6"));
        f.windows.find(app::kLauncher)->click(QStringLiteral("ok"));
        p = f.windows.findAs<practice::PracticeWindow>(app::kPractice);
        QCOMPARE(p->PracticeMode, int(practice::RandomMode));
        QVERIFY(p->Command3.visible);
    }

    // The grid over sentences 1-8 (all Ser/Estar/Haber, so under Verbs too): level 1 holds 1, 2, 7
    // and 8, level 2 holds 3 and 4, level 3 5 and 6.
    void theMasteryGrid() {
        ProgressFixture f;
        f.remember(7, 10, 10, 0);  // 90%, due today
        f.remember(2, 4, 0, 4);    // 100%
        f.remember(3, 6, 3, -2);   // overdue
        ProgressWindow& w = f.open();
        const progress::ProgressPage& page = w.page();
        QVERIFY(!w.lblMasteryEmpty.visible && w.lblLegend.visible && w.frmCalibration.visible);
        QCOMPARE(page.masteryTopics.size(), 18);
        QCOMPARE(page.masteryLevels, (QStringList{"Level 1", "Level 2", "Level 3"}));
        QCOMPARE(page.masteryCells.size(), size_t(54));
        using Shade = progress::ProgressPage::Shade;
        const progress::ProgressPage::Cell& verbs1 = page.masteryCells[0];
        const progress::ProgressPage::Cell& serEstar1 = page.masteryCells[3];
        QCOMPARE(serEstar1.text, verbs1.text);
        QCOMPARE(serEstar1.text, QStringLiteral("95% · 2/4 · 1 due"));
        QCOMPARE(serEstar1.shade, Shade::Strong);
        QCOMPARE(serEstar1.spoken,
                 QStringLiteral(
                     "Ser/Estar/Haber, level 1: 95% likely remembered today; 2 of 4 sentences seen, 1 due"));
        QVERIFY(page.masteryCells[4].text.endsWith(QStringLiteral(" · 1/2 · 1 due")));
        QCOMPARE(page.masteryCells[5].text, QStringLiteral("not started · 0/2"));
        QCOMPARE(page.masteryCells[5].shade, Shade::Unseen);
        QCOMPARE(page.masteryCells[5].spoken,
                 QStringLiteral("Ser/Estar/Haber, level 3: none of its 2 sentences seen yet"));
        QCOMPARE(page.masteryCells[6].shade, Shade::NoSentences);  // tenses: none here
        QVERIFY(page.masteryDescription.contains(serEstar1.spoken + QStringLiteral("; ")));
        // A single sentence at exactly 90% is green, as its figure says.
        ProgressFixture g;
        g.remember(5, 8, 8, 0);
        QCOMPARE(g.open().page().masteryCells[5].text, QStringLiteral("90% · 1/2 · 1 due"));
        QCOMPARE(g.windows.findAs<ProgressWindow>(app::kProgress)->page().masteryCells[5].shade,
                 Shade::Strong);
    }

    // A cell opens the practice window on its sentences, in the practice window's order, under the
    // cell's name; a cell of no sentences opens nothing.
    void aCellOpensPracticeOnItsSentencesInOrder() {
        ProgressFixture f;
        {
            store::Database db(f.ctx.g.DatabasePath);  // sorrend2 against the serials' order
            QSqlQuery(db.db()).exec(QStringLiteral("UPDATE test1 SET sorrend2 = 1000 - sorrend2"));
        }
        f.remember(7, 10, 10, 0);
        ProgressWindow& w = f.open();
        w.masteryCell_Click(6);  // tenses, level 1: no sentences
        QVERIFY(f.windows.isVisible(app::kProgress) && !f.windows.isLoaded(app::kPractice));
        w.chooseMasteryCell(3);  // ser/estar/haber, level 1
        QVERIFY(!f.windows.isLoaded(app::kProgress));
        auto* p = f.windows.findAs<practice::PracticeWindow>(app::kPractice);
        QVERIFY(p && f.windows.isVisible(app::kPractice));
        QCOMPARE(p->PracticeMode, int(practice::SequentialMode));
        QCOMPARE(p->Label21.caption, QStringLiteral("Ser/Estar/Haber · level 1"));
        QCOMPARE(p->Label31.caption, QStringLiteral("4"));
        QList<int> shown;
        for (int i = 0; i < 4; ++i) {
            shown << p->Label26.caption.toInt();
            p->click(QStringLiteral("Command2"));
        }
        QCOMPARE(shown, (QList<int>{8, 7, 2, 1}));
    }

    // Nothing seen yet, or a file without a memory (an older layout opened read-only): the page
    // says there is nothing yet, and no cell opens anything.
    void aMemoryWithNothingInItSaysSo_data() {
        QTest::addColumn<bool>("tables");
        QTest::addRow("nothing seen") << true;
        QTest::addRow("no memory tables") << false;
    }
    void aMemoryWithNothingInItSaysSo() {
        QFETCH(bool, tables);
        ProgressFixture f;
        f.run(0, {1, 2}, {2});
        {
            // The test's answers reached the memory: it forgets them, or goes altogether.
            store::Database db(f.ctx.g.DatabasePath);
            for (const char* table : {"memory_states", "answer_log"})
                QSqlQuery(db.db()).exec(
                    (tables ? QStringLiteral("DELETE FROM %1") : QStringLiteral("DROP TABLE %1"))
                        .arg(QLatin1String(table)));
        }
        ProgressWindow& w = f.open();
        QVERIFY(w.frmChart.visible);  // the tests' page as ever
        // With a test taken the tests' page opens; the memory is read when its page is shown.
        QVERIFY(!w.memoryLoaded() && !w.lblMasteryEmpty.visible);
        w.memoryPage_Show();
        QVERIFY(w.lblMasteryEmpty.visible && !w.lblLegend.visible && !w.frmCalibration.visible);
        QCOMPARE(w.lblMasteryEmpty.caption, text::uiText(text::KeyMasteryNothingYet, text::English));
        QVERIFY(w.page().masteryCells.empty());
        w.masteryCell_Click(3);
        QVERIFY(!f.windows.isLoaded(app::kPractice));
        QVERIFY(f.platform.messages.empty());
    }

    void theCalibrationShowsFromAHundredUpdates_data() {
        QTest::addColumn<int>("updates");
        QTest::addColumn<QString>("line");
        QTest::addRow("99") << 99 << text::uiText(text::KeyCalibrationNotYet, text::English).arg(1);
        QTest::addRow("100") << 100 << QString();
    }
    void theCalibrationShowsFromAHundredUpdates() {
        QFETCH(int, updates);
        QFETCH(QString, line);
        ProgressFixture f;
        f.remember(1, 3, 1, 2);
        f.predicted(updates);
        ProgressWindow& w = f.open();
        QVERIFY(w.frmCalibration.visible);
        if (!line.isEmpty()) {
            QCOMPARE(w.lblCalibration.caption, line);
            QVERIFY(w.page().calibration.rows.empty());
            return;
        }
        QVERIFY2(w.lblCalibration.caption.startsWith(QStringLiteral("Log loss 0.")),
                 qPrintable(w.lblCalibration.caption));
        QVERIFY(w.lblCalibration.caption.contains(QStringLiteral(" over 100 answers")));
        const progress::ProgressPage::Table& table = w.page().calibration;
        QCOMPARE(table.rows.size(), size_t(10));
        QCOMPARE(table.rows[0], (QStringList{"0–10%", "6", "7%", "100%"}));  // 0.05 + 0.009 i, i < 6
    }

    void practiseTheseSkipsASentenceDeletedMeanwhile() {
        ProgressFixture f;
        f.run(0, {1, 2, 3}, {1, 2, 3});
        ProgressWindow& w = f.open();
        {
            store::Database db(f.ctx.g.DatabasePath);
            QSqlQuery(db.db()).exec(QStringLiteral("DELETE FROM test1 WHERE sorszam = 2"));
        }
        w.click(QStringLiteral("cmdPractise"));
        auto* p = f.windows.findAs<practice::PracticeWindow>(app::kPractice);
        QCOMPARE(p->Label31.caption, QStringLiteral("2"));
        QCOMPARE(p->Label26.caption, QStringLiteral("1"));
        p->click(QStringLiteral("Command2"));
        QCOMPARE(p->Label26.caption, QStringLiteral("3"));
    }

    void theExportAsksWhereAndSaysWhatItWrote() {
        ProgressFixture f;
        f.run(0, {1, 2}, {2});
        ProgressWindow& w = f.open();
        f.platform.saveAnswers.push_back(std::nullopt);  // cancelled: nothing happens
        w.click(QStringLiteral("cmdExport"));
        QVERIFY(f.platform.messages.empty());
        QCOMPARE(f.platform.saveSuggestions.front(), QStringLiteral("plurquiz-history-2026-12-08.csv"));

        const QString path = f.dir.filePath(QStringLiteral("mine.csv"));
        f.platform.saveAnswers.push_back(path);
        w.click(QStringLiteral("cmdExport"));
        QCOMPARE(f.platform.messages.size(), size_t(1));
        QCOMPARE(f.platform.messages[0].text,
                 text::uiText(text::KeyProgressExported, text::English).arg(path).arg(2));
        QCOMPARE(f.platform.messages[0].icon, forms::MsgIcon::Information);
        const QStringList lines =
            QString::fromUtf8(fileBytes(path)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[1].contains(QStringLiteral(",Ser/Estar/Haber,Sentence 1 ...,")) ||
                lines[1].contains(QStringLiteral(",Verbs – Ser/Estar/Haber,Sentence 1 ...,")));

        // A place that cannot take the file: told, and nothing else changes.
        f.platform.saveAnswers.push_back(f.dir.filePath(QStringLiteral("missing/folder/h.csv")));
        w.click(QStringLiteral("cmdExport"));
        QCOMPARE(f.platform.messages.size(), size_t(2));
        QVERIFY(f.platform.messages[1].text.startsWith(
            text::uiText(text::KeyProgressExportFailed, text::English).section(u'\n', 0, 0)));
        QCOMPARE(f.platform.messages[1].icon, forms::MsgIcon::Exclamation);
    }

    void aHistoryThatCannotBeReadIsTold() {
        ProgressFixture f;
        const QString broken = f.dir.filePath(QStringLiteral("broken.sqlite"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        f.ctx.g.DatabasePath = broken;
        ProgressWindow& w = f.open();
        QCOMPARE(f.platform.messages.size(), size_t(1));
        QVERIFY(f.platform.messages[0].text.contains(broken));
        QCOMPARE(f.platform.messages[0].icon, forms::MsgIcon::Critical);
        QVERIFY(w.lblEmpty.visible && !w.cmdExport.enabled && !w.cmdPractise.enabled);
        w.click(QStringLiteral("mnuShowLevel"), 1);  // nothing to filter, nothing breaks
        QVERIFY(!w.model());
    }
};

QTEST_GUILESS_MAIN(ProgressWindowTest)
#include "test_progress_window.moc"
