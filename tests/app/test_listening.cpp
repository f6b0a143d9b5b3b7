// Hearing the sentence in the practice and review windows, with a fake voice: Listen shows only
// after an answer and reads exactly the completed sentence (never the grammatical note), is
// disabled with the reason where no Spanish voice speaks, and the Settings item makes every
// answer read the sentence aloud. The voice is not even asked before the first answer.
#include <QSqlQuery>
#include <QtTest>

#include "app_fixture.h"
#include "practice/practice_window.h"
#include "review/review_window.h"
#include "test_database.h"
#include "text/ui_text.h"

namespace {

using Status = forms::Speech::Status;

// The two windows as the learner uses them: how to start, answer A and go to the next sentence,
// and what the first two sentences read completed.
struct WindowCase {
    QString window;
    QStringList toStart;
    const char* answerA;
    const char* answerB;
    const char* next;
    QString first, second;
};

WindowCase practiceCase() {
    return {app::kPractice,  {"mnuNivelItem:3", "Command3"},
            "Option3D2",     "Option3D3",
            "Command2",      "Sentence 1 uno",
            "Sentence 2 dos"};
}
WindowCase reviewCase() {
    return {app::kReview, {"Command1"}, "Option3D1", "Option3D2", "Command4", "Sentence 1 c", "Sentence 2 c"};
}

struct ListeningFixture : AppFixture {
    explicit ListeningFixture(int langBase = text::English) {
        ctx.g.LangBase = langBase;
        ctx.g.DatabasePath = makeDatabase(dir, {{1, 100, 1, "1", "0", "A"}, {2, 200, 1, "1", "0", "B"}});
        store::Database db(ctx.g.DatabasePath);
        QSqlQuery q(db.db());
        // Solutions with their grammatical notes, which are never read out.
        QVERIFY(
            q.exec("UPDATE test1 SET felelet1 = 'Sentence ' || sorszam || ' ' || "
                   "CASE sorszam WHEN 1 THEN 'uno' ELSE 'dos' END || ' — a note on it'"));
        QVERIFY(
            q.exec("INSERT INTO hiba1 VALUES ('B', 'Sentence 1 ...', 'a', 'b', 'c', 'd', "
                   "'Sentence 1 c — la nota', 'C')"));
        QVERIFY(
            q.exec("INSERT INTO hiba1 VALUES ('A', 'Sentence 2 ...', 'a', 'b', 'c', 'd', "
                   "'Sentence 2 c — otra nota', 'C')"));
    }
    forms::Form& started(const WindowCase& wc) {
        forms::Form& w = *windows.show(wc.window);
        for (const QString& step : wc.toStart) {
            const QStringList parts = step.split(u':');
            w.click(parts[0], parts.size() > 1 ? parts[1].toInt() : -1);
        }
        return w;
    }
    FakeSpeech& voice() { return platform.voice; }
};

forms::Control& listen(forms::Form& w) {
    return w.c(QStringLiteral("cmdListen"));
}

}  // namespace

class ListeningTest : public QObject {
    Q_OBJECT

    void addWindows() {
        QTest::addColumn<int>("which");
        QTest::addRow("practice") << 0;
        QTest::addRow("review") << 1;
    }
    static WindowCase windowCase(int which) { return which == 0 ? practiceCase() : reviewCase(); }

private slots:
    void nothingIsSpokenBeforeAnAnswer_data() { addWindows(); }
    void nothingIsSpokenBeforeAnAnswer() {
        QFETCH(int, which);
        const WindowCase wc = windowCase(which);
        ListeningFixture f;
        forms::Form& w = f.started(wc);
        QVERIFY(!listen(w).visible);
        QCOMPARE(listen(w).shortcut, QStringLiteral("Ctrl+L"));
        // Ctrl+L reaches the handler whether or not the button shows: before an answer it must
        // not give the sentence away, by the button or by the key.
        w.click(QStringLiteral("cmdListen"));
        if (which == 0)
            static_cast<practice::PracticeWindow&>(w).cmdListen_Click();
        else
            static_cast<review::ReviewWindow&>(w).cmdListen_Click();
        QVERIFY(f.voice().said.isEmpty());
        // Loading and starting the window leave the speech engine unstarted; half a second on,
        // while the learner reads, it is looked for, once.
        QCOMPARE(f.voice().statusQueries, 0);
        w.timer(QStringLiteral("speechWarmUp"));
        QCOMPARE(f.voice().statusQueries, 1);
        QVERIFY(!w.timerControl(QStringLiteral("speechWarmUp")).enabled());
    }

    void listenReadsTheCompletedSentenceWithoutTheNote_data() { addWindows(); }
    void listenReadsTheCompletedSentenceWithoutTheNote() {
        QFETCH(int, which);
        const WindowCase wc = windowCase(which);
        ListeningFixture f;
        forms::Form& w = f.started(wc);
        w.click(QString::fromLatin1(wc.answerB));  // a wrong answer shows Listen as well
        QVERIFY(listen(w).visible && listen(w).enabled);
        QCOMPARE(listen(w).toolTip, text::uiText(text::KeyListenHint, text::English));
        QVERIFY(f.voice().said.isEmpty());  // not on its own: the setting is off
        w.click(QStringLiteral("cmdListen"));
        QCOMPARE(f.voice().said, QStringList{wc.first});
        // The next sentence hides Listen until it is answered, and then reads its own sentence.
        w.click(QString::fromLatin1(wc.next));
        QVERIFY(!listen(w).visible);
        w.click(QStringLiteral("cmdListen"));
        QCOMPARE(f.voice().said.size(), 1);
        w.click(QString::fromLatin1(wc.answerA));
        w.click(QStringLiteral("cmdListen"));
        QCOMPARE(f.voice().said, (QStringList{wc.first, wc.second}));
    }

    void withoutASpanishVoiceListenSaysWhy_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("langBase");
        QTest::addColumn<int>("reasonKey");
        const int none = static_cast<int>(Status::NoService),
                  noSpanish = static_cast<int>(Status::NoSpanishVoice);
        QTest::addRow("practice, no speech service")
            << 0 << none << int(text::English) << int(text::KeyListenNoService);
        QTest::addRow("practice, no Spanish voice, in Spanish")
            << 0 << noSpanish << int(text::Spanish) << int(text::KeyListenNoSpanishVoice);
        QTest::addRow("review, no Spanish voice")
            << 1 << noSpanish << int(text::English) << int(text::KeyListenNoSpanishVoice);
        QTest::addRow("review, no speech service, in Hungarian")
            << 1 << none << int(text::Hungarian) << int(text::KeyListenNoService);
    }
    void withoutASpanishVoiceListenSaysWhy() {
        QFETCH(int, which);
        QFETCH(int, status);
        QFETCH(int, langBase);
        QFETCH(int, reasonKey);
        ListeningFixture f(langBase);
        f.voice().answer = static_cast<Status>(status);
        f.ctx.g.SpeakAfterAnswer = true;
        forms::Form& w = f.started(windowCase(which));
        QCOMPARE(listen(w).caption, text::uiText(text::KeyListen, langBase));
        w.click(QString::fromLatin1(windowCase(which).answerA));
        QVERIFY(listen(w).visible);
        QVERIFY(!listen(w).enabled);
        QCOMPARE(listen(w).toolTip, text::uiText(reasonKey, langBase));
        QVERIFY(!listen(w).toolTip.isEmpty());
        w.click(QStringLiteral("cmdListen"));
        QVERIFY(f.voice().said.isEmpty());
        // Everything else goes on as without speech: the answer's bar shows, no message comes.
        const QStringList bars =
            which == 0 ? QStringList{"Label19", "Label20"} : QStringList{"Label17", "Label18"};
        QVERIFY(w.c(bars[0]).visible || w.c(bars[1]).visible);
        QVERIFY(f.platform.messages.empty());
    }

    // The window never waits for the service: Listen waits disabled, and a short timer asks again.
    void aStartingServiceIsAskedAgainRatherThanWaitedFor_data() { addWindows(); }
    void aStartingServiceIsAskedAgainRatherThanWaitedFor() {
        QFETCH(int, which);
        const WindowCase wc = windowCase(which);
        ListeningFixture f;
        f.ctx.g.SpeakAfterAnswer = true;
        forms::Form& w = f.started(wc);
        const forms::Timer& check = w.timerControl(QStringLiteral("listenCheck"));
        QVERIFY(!check.enabled());
        f.voice().answer = Status::Starting;
        w.click(QString::fromLatin1(wc.answerA));
        QVERIFY(listen(w).visible && !listen(w).enabled);
        QCOMPARE(listen(w).toolTip, text::uiText(text::KeyListenStarting, text::English));
        QVERIFY(check.enabled());
        w.timer(QStringLiteral("listenCheck"));  // still starting: asks again later
        QVERIFY(check.enabled() && !listen(w).enabled);
        f.voice().answer = Status::Ready;
        w.timer(QStringLiteral("listenCheck"));
        QVERIFY(!check.enabled() && listen(w).enabled);
        QCOMPARE(f.voice().said, QStringList{wc.first});  // the setting's reading, once ready

        // A service that answers only after the next sentence showed reads nothing of the old one.
        f.voice().answer = Status::Starting;
        w.click(QString::fromLatin1(wc.next));
        w.click(QString::fromLatin1(wc.answerA));
        w.click(QString::fromLatin1(wc.next));
        f.voice().answer = Status::Ready;
        w.timer(QStringLiteral("listenCheck"));
        QVERIFY(!check.enabled() && !listen(w).visible);
        QCOMPARE(f.voice().said.size(), 1);
    }

    void theSettingReadsEveryAnswerAloud_data() { addWindows(); }
    void theSettingReadsEveryAnswerAloud() {
        QFETCH(int, which);
        const WindowCase wc = windowCase(which);
        ListeningFixture f;
        forms::Form& w = f.started(wc);
        forms::Control& item = w.c(QStringLiteral("mnuSpeak"));
        QVERIFY(item.checkable && !item.checked);
        w.click(QStringLiteral("mnuSpeak"));
        QVERIFY(item.checked && f.ctx.g.SpeakAfterAnswer);
        QVERIFY(f.voice().said.isEmpty());  // choosing the setting says nothing yet
        w.click(QString::fromLatin1(wc.answerB));
        w.click(QString::fromLatin1(wc.answerA));  // answering again reads it again
        w.click(QString::fromLatin1(wc.next));
        w.click(QString::fromLatin1(wc.answerA));
        QCOMPARE(f.voice().said, (QStringList{wc.first, wc.first, wc.second}));
        w.click(QStringLiteral("mnuSpeak"));
        QVERIFY(!item.checked && !f.ctx.g.SpeakAfterAnswer);
        w.click(QString::fromLatin1(wc.answerB));
        QCOMPARE(f.voice().said.size(), 3);
    }

    // The setting is kept with the program's other settings: a window opened later shows it.
    void theSettingOutlivesTheWindow() {
        ListeningFixture f;
        f.started(practiceCase()).click(QStringLiteral("mnuSpeak"));
        f.windows.unload(app::kPractice);
        forms::Form& review = f.started(reviewCase());
        QVERIFY(review.c(QStringLiteral("mnuSpeak")).checked);
        review.click(QString::fromLatin1(reviewCase().answerA));
        QCOMPARE(f.voice().said, QStringList{reviewCase().first});
    }
};

QTEST_GUILESS_MAIN(ListeningTest)
#include "test_listening.moc"
