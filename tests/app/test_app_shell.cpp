// The application shell: start-up, launcher, working language, about and how-to windows, and
// the conventions every window follows.
#include <QtTest>

#include "app/mt_test.h"
#include "app_fixture.h"
#include "text/ui_text.h"

using namespace app;

class AppShellTest : public QObject {
    Q_OBJECT

private slots:
    void startupWindowOffersFourLanguages() {
        AppFixture f;
        forms::Form& lang = *f.windows.show(kStartup);
        QCOMPARE(lang.caption, QStringLiteral("Plurquiz  Español"));
        QVERIFY(f.windows.isVisible(kBackground));
        QVERIFY(f.form(kBackground).maximised);
        QVERIFY(lang.c(QStringLiteral("Command3")).visible);
        QVERIFY(!lang.c(QStringLiteral("Command3")).enabled);
        QVERIFY(!lang.c(QStringLiteral("Command4")).enabled);
        lang.click(QStringLiteral("Command3"));  // Deutsch cannot be pressed
        QCOMPARE(f.ctx.g.LangBase, 0);
        QVERIFY(!f.windows.isLoaded(kAbout));
        QCOMPARE(f.platform.topmost.at(kStartup), true);
    }

    void startupSequence_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("langBase");
        QTest::addColumn<int>("checkedItem");
        QTest::addColumn<QString>("qtLanguage");
        QTest::addRow("English") << "Command1" << int(text::English) << 0 << "en";
        QTest::addRow("Magyar") << "Command6" << int(text::Hungarian) << 1 << "hu";
        QTest::addRow("Français") << "Command2" << int(text::French) << 2 << "fr";
        QTest::addRow("Español") << "Command5" << int(text::Spanish) << 3 << "es";
    }
    void startupSequence() {
        QFETCH(QString, button);
        QFETCH(int, langBase);
        QFETCH(int, checkedItem);
        QFETCH(QString, qtLanguage);
        AppFixture f;
        f.windows.show(kStartup);
        f.form(kStartup).click(button);
        QCOMPARE(f.ctx.g.LangBase, langBase);
        QCOMPARE(f.platform.language, qtLanguage);
        // The splash is up with the hourglass; the launcher is not there yet.
        QVERIFY(f.windows.isVisible(kAbout));
        QCOMPARE(f.form(kAbout).pointer, forms::MousePointer::Hourglass);
        QCOMPARE(f.form(kStartup).pointer, forms::MousePointer::Hourglass);
        QVERIFY(!f.windows.isLoaded(kLauncher));

        f.form(kAbout).timer(QStringLiteral("Timer1"));
        QVERIFY(f.windows.isVisible(kLauncher));
        QVERIFY(!f.windows.isLoaded(kAbout));
        QVERIFY(!f.windows.isLoaded(kStartup));
        QVERIFY(f.windows.isVisible(kBackground));
        QCOMPARE(f.ctx.g.SplashDone, qint16(1));
        QCOMPARE(f.ctx.g.DatabasePath, AppFolder(f.dir.path()) + QStringLiteral("st_data.sqlite"));

        forms::Form& launcher = f.form(kLauncher);
        QCOMPARE(launcher.caption, QStringLiteral("PLURQUIZ ESPAÑOL"));
        QCOMPARE(launcher.c(QStringLiteral("ok")).caption, text::uiText(0, langBase));
        QCOMPARE(launcher.c(QStringLiteral("Exi")).caption, text::uiText(1, langBase));
        QCOMPARE(launcher.c(QStringLiteral("change")).caption, text::uiText(74, langBase));
        QVERIFY(launcher.c(QStringLiteral("practice")).checked);
        QVERIFY(launcher.c(QStringLiteral("mnuOnTop")).checked);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(launcher.c(QStringLiteral("worklang"), i).checked, i == checkedItem);
        // Captions that stay in one language.
        QCOMPARE(launcher.c(QStringLiteral("worklang"), 2).caption, QStringLiteral("&Français"));
        QCOMPARE(launcher.c(QStringLiteral("mnuOnTop")).caption, QStringLiteral("&OnTop"));
        QVERIFY(f.platform.messages.empty());
    }

    void launcherInHungarian() {
        AppFixture f;
        forms::Form& launcher = f.startInLanguage("Command6");
        QCOMPARE(launcher.c(QStringLiteral("activities")).caption, QStringLiteral("Üzemmód:"));
        QCOMPARE(launcher.c(QStringLiteral("Exi")).caption, QStringLiteral("KILÉ&P"));
        QCOMPARE(launcher.c(QStringLiteral("mnuhow")).caption, QStringLiteral("&Hogyan"));
    }

    void workingLanguageMenuRelabelsTheLauncherAndLaterWindows() {
        AppFixture f;
        forms::Form& launcher = f.startInLanguage("Command1");
        launcher.click(QStringLiteral("worklang"), 3);
        QCOMPARE(f.ctx.g.LangBase, int(text::Spanish));
        QCOMPARE(f.platform.language, QStringLiteral("es"));
        QCOMPARE(launcher.c(QStringLiteral("ok")).caption, QStringLiteral("&ACEPTAR"));
        QCOMPARE(launcher.c(QStringLiteral("database")).caption, QStringLiteral("&Base de datos"));
        for (int i = 0; i < 4; ++i) QCOMPARE(launcher.c(QStringLiteral("worklang"), i).checked, i == 3);

        launcher.click(QStringLiteral("database"));
        launcher.click(QStringLiteral("ok"));
        forms::Form& editor = f.form(kEditor);
        QCOMPARE(editor.caption, QStringLiteral("Plurquiz Español  ----  Base de datos"));
        QCOMPARE(editor.c(QStringLiteral("Command10")).caption, QStringLiteral("E&mpezar"));
        QCOMPARE(editor.c(QStringLiteral("mnuTopicItem"), 16).caption, QStringLiteral("Frases &hechas"));
        QCOMPARE(editor.c(QStringLiteral("mnuTopicItem"), 17).caption, QStringLiteral("&Orden de palabras"));
    }

    void okOpensTheChosenWindowAndClosesTheLauncher_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::addRow("nothing changed: practice")
            << QString() << kPractice << "Plurquiz Español  ----  Practice";
        QTest::addRow("test") << "test" << kTest << "Plurquiz Español  ----  Test";
        QTest::addRow("database") << "database" << kEditor << "Plurquiz Español  ----  Database";
    }
    void okOpensTheChosenWindowAndClosesTheLauncher() {
        QFETCH(QString, option);
        QFETCH(QString, window);
        QFETCH(QString, title);
        AppFixture f;
        forms::Form& launcher = f.startInLanguage("Command1");
        if (!option.isEmpty()) launcher.click(option);
        launcher.click(QStringLiteral("ok"));
        QVERIFY(f.windows.isVisible(window));
        QVERIFY(!f.windows.isLoaded(kLauncher));
        QCOMPARE(f.form(window).caption, title);
        QVERIFY(f.form(window).c(QStringLiteral("mnuOnTop")).checked);
        QCOMPARE(f.platform.topmost.at(window), true);
    }

    void okIsTheDefaultButton() {
        AppFixture f;
        forms::Form& launcher = f.startInLanguage("Command1");
        QVERIFY(launcher.c(QStringLiteral("ok")).isDefault);
        QVERIFY(!launcher.c(QStringLiteral("Exi")).isDefault);
    }

    void taskMenusSwitchWindows_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("to");
        QTest::addRow("practice plurquiz") << kPractice << "mnuPlurquiz" << kLauncher;
        QTest::addRow("practice close") << kPractice << "Command6" << kLauncher;
        QTest::addRow("practice test") << kPractice << "mnuTest" << kTest;
        QTest::addRow("test plurquiz") << kTest << "mnuPlurquiz" << kLauncher;
        QTest::addRow("test close") << kTest << "Command6" << kLauncher;
        QTest::addRow("test practice") << kTest << "mnuPractice" << kPractice;
        QTest::addRow("database plurquiz") << kEditor << "mnuPlurquiz" << kLauncher;
        QTest::addRow("database practice") << kEditor << "mnuPractice" << kPractice;
        QTest::addRow("database test") << kEditor << "mnuTest" << kTest;
    }
    void taskMenusSwitchWindows() {
        QFETCH(QString, from);
        QFETCH(QString, item);
        QFETCH(QString, to);
        AppFixture f;
        f.startInLanguage("Command1");
        f.ctx.windows.unload(kLauncher);
        forms::Form& window = *f.windows.show(from);
        window.click(item);
        QVERIFY(f.windows.isVisible(to));
        QVERIFY(!f.windows.isLoaded(from));
    }

    void ownItemAndDatabaseCannotBeChosenFromPracticeAndTest_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("item");
        QTest::addRow("practice own") << kPractice << "mnuPractice";
        QTest::addRow("practice database") << kPractice << "mnuDatabase";
        QTest::addRow("test own") << kTest << "mnuTest";
        QTest::addRow("test database") << kTest << "mnuDatabase";
        QTest::addRow("database own") << kEditor << "mnuDatabase";
    }
    void ownItemAndDatabaseCannotBeChosenFromPracticeAndTest() {
        QFETCH(QString, window);
        QFETCH(QString, item);
        AppFixture f;
        f.startInLanguage("Command1");
        forms::Form& w = *f.windows.show(window);
        QVERIFY(!w.c(item).enabled);
        w.click(item);
        QVERIFY(f.windows.isLoaded(window));
    }

    void onTopTogglesTwiceBackToTopmost() {
        AppFixture f;
        forms::Form& launcher = f.startInLanguage("Command1");
        f.platform.topmostCalls.clear();
        launcher.click(QStringLiteral("mnuOnTop"));
        QVERIFY(!launcher.c(QStringLiteral("mnuOnTop")).checked);
        QCOMPARE(f.platform.topmost.at(kLauncher), false);
        launcher.click(QStringLiteral("mnuOnTop"));
        QVERIFY(launcher.c(QStringLiteral("mnuOnTop")).checked);
        QCOMPARE(f.platform.topmostCalls, (QStringList{"Plurqsp:off", "Plurqsp:on"}));
    }

    void exitEndsTheProgram() {
        AppFixture f;
        f.startInLanguage("Command1").click(QStringLiteral("Exi"));
        QVERIFY(f.windows.ended());
        QVERIFY(f.windows.loadedNames().isEmpty());
    }

    void aboutFromTheLauncherStaysUntilOk() {
        AppFixture f;
        forms::Form& launcher = f.startInLanguage("Command5");
        launcher.click(QStringLiteral("mnuabout"));
        forms::Form& about = f.form(kAbout);
        QCOMPARE(about.pointer, forms::MousePointer::Default);
        QVERIFY(about.c(QStringLiteral("Command1")).visible);
        QVERIFY(!about.timerControl(QStringLiteral("Timer1")).enabled());
        QCOMPARE(about.caption, QStringLiteral("Acerca de"));
        QCOMPARE(about.c(QStringLiteral("Command1")).caption, QStringLiteral("&ACEPTAR"));
        about.timer(QStringLiteral("Timer1"));  // a tick that was already queued changes nothing
        QVERIFY(f.windows.isLoaded(kAbout));
        about.click(QStringLiteral("Command1"));
        QVERIFY(!f.windows.isLoaded(kAbout));
        QVERIFY(f.windows.isVisible(kLauncher));
        QCOMPARE(f.ctx.g.SplashDone, qint16(1));
    }

    void aboutClosedByItsCloseBoxDoesNotReopenTheLauncher() {
        AppFixture f;
        f.startInLanguage("Command6").click(QStringLiteral("mnuabout"));
        QCOMPARE(f.form(kAbout).caption, QStringLiteral("Névjegy"));
        f.ctx.windows.unload(kLauncher);
        f.form(kAbout).closeBox();
        QVERIFY(!f.windows.isLoaded(kLauncher));
    }

    void animationCyclesThreeFrames() {
        AppFixture f;
        f.startInLanguage("Command1").click(QStringLiteral("mnuabout"));
        forms::Form& about = f.form(kAbout);
        auto frame = [&] { return about.c(QStringLiteral("Image1")).picture; };
        const QString f3 = about.c(QStringLiteral("Image3")).picture,
                      f4 = about.c(QStringLiteral("Image4")).picture,
                      f5 = about.c(QStringLiteral("Image5")).picture;
        QCOMPARE(frame(), f3);
        about.timer(QStringLiteral("Timer2"));
        QCOMPARE(frame(), f4);
        about.timer(QStringLiteral("Timer2"));
        QCOMPARE(frame(), f5);
        about.timer(QStringLiteral("Timer2"));
        QCOMPARE(frame(), f3);
    }

    void aboutMessageHasAParagraphAndThreeContactLines() {
        AppFixture f;
        f.startInLanguage("Command1").click(QStringLiteral("mnuabout"));
        f.form(kAbout).click(QStringLiteral("Image2"));
        QCOMPARE(f.platform.messages.size(), size_t(1));
        const auto& m = f.platform.messages.front();
        QCOMPARE(m.caption, QStringLiteral("Mi ez?"));
        QCOMPARE(m.icon, forms::MsgIcon::Information);
        const QStringList parts = m.text.split(QStringLiteral("\r\n"));
        QCOMPARE(parts.size(), 4);
        QVERIFY(parts[0].contains(QStringLiteral(".mdb")));
        for (int i = 1; i < 4; ++i) QVERIFY(parts[i].startsWith(QStringLiteral("    ")));
    }

    void howToOpensBesideTheLauncher() {
        AppFixture f;
        f.startInLanguage("Command2").click(QStringLiteral("mnuhow"));
        forms::Form& howTo = f.form(kHowTo);
        QCOMPARE(howTo.caption, QStringLiteral("How to ..."));
        QVERIFY(howTo.c(QStringLiteral("Label1")).caption.contains(QStringLiteral("ötven")));
        QVERIFY(f.windows.isVisible(kLauncher));
        howTo.click(QStringLiteral("Command1"));
        QVERIFY(!f.windows.isLoaded(kHowTo));
    }

    void appFolderEndsInExactlyOneSeparator_data() {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("expected");
        QTest::addRow("root") << "/"
                              << "/";
        QTest::addRow("folder") << "/opt/plurquiz"
                                << "/opt/plurquiz/";
        QTest::addRow("folder with separator") << "/opt/plurquiz/"
                                               << "/opt/plurquiz/";
        QTest::addRow("drive root") << "C:\\"
                                    << "C:\\";
        QTest::addRow("drive folder") << "C:\\App"
                                      << "C:\\App\\";
    }
    void appFolderEndsInExactlyOneSeparator() {
        QFETCH(QString, dir);
        QFETCH(QString, expected);
        QCOMPARE(AppFolder(dir), expected);
        QCOMPARE(AppFolder(dir) + QStringLiteral("st_data.sqlite"),
                 expected + QStringLiteral("st_data.sqlite"));
    }

    void centringKeepsTheSizeAndAcceptsLargeWindows() {
        AppFixture f;
        forms::Form& w = *f.windows.show(kHowTo);
        w.width = 600;
        w.height = 400;
        CentreOnScreen(w, QSize(1280, 1024));
        QCOMPARE(w.left, 340);
        QCOMPARE(w.top, 312);
        CentreOnScreen(w, QSize(500, 300));
        QCOMPARE(w.left, -50);
        QCOMPARE(w.top, -50);
        QCOMPARE(w.width, 600);
    }
};

QTEST_GUILESS_MAIN(AppShellTest)
#include "test_app_shell.moc"
