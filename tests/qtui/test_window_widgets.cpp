// The real windows on their widgets, where a model test cannot look: the database window's fonts
// as the boxes draw them (chosen with the mouse and with the keys) and its layout, menu items
// under a disabled menu pressed through the accessibility interface during a test run, and a
// sentence with an '&' in the practice and test windows.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QStyleFactory>
#include <QtTest>
#include <algorithm>

#include "app_fixture.h"
#include "qtui/view_manager.h"
#include "store/database.h"
#include "test_database.h"
#include "text/ui_text.h"

namespace {

// The program with its windows on (offscreen) widgets, over three sentences.
struct ScreenFixture : AppFixture {
    qtui::ViewManager views{&windows};
    ScreenFixture() {
        makeDatabase(dir, {{1, 10}, {2, 20}, {3, 30}});
        ctx.g.LangBase = text::English;
        ctx.g.DatabasePath = dir.filePath(QStringLiteral("st_data.sqlite"));
        windows.setObserver(&views);
    }
    ~ScreenFixture() {
        windows.endProgram();
        windows.setObserver(nullptr);
    }
    QMainWindow* open(const QString& name) {
        windows.show(name);
        QMainWindow* window = views.viewOf(name)->window();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window)) qWarning("window %s not active", qPrintable(name));
        return window;
    }
    void sql(const QString& statement) {
        store::Database db(ctx.g.DatabasePath);
        QSqlQuery q(db.db());
        if (!q.exec(statement)) qFatal("%s", qPrintable(statement));
    }
};

// Presses a menu item as a screen reader does: the item's own press action, not its menu's.
void pressThroughAccessibility(QAction* item) {
    QMenu* menu = nullptr;
    for (QObject* o : item->associatedObjects())
        if ((menu = qobject_cast<QMenu*>(o))) break;
    QVERIFY(menu);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(menu);
    QVERIFY(list);
    for (int i = 0; i < list->childCount(); ++i) {
        QAccessibleInterface* entry = list->child(i);
        if (entry && entry->object() == item) {
            QVERIFY(entry->actionInterface());
            entry->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            return;
        }
    }
    QFAIL("the item is not in its menu's accessible children");
}

// A family the system has that the design font is not, so that a change shows.
QString otherFamily(const QString& design) {
    for (const QString& family : QFontDatabase::families())
        if (QFontInfo(QFont(family)).family() != design && !QFontDatabase::isPrivateFamily(family))
            return family;
    return {};
}

}  // namespace

class WindowWidgetsTest : public QObject {
    Q_OBJECT
private slots:
    // The program's own style: with it, the keys that open a menu give the menu bar the focus.
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

    // The font chosen with the Fonts item shows in the box that had the focus before the menu
    // opened, whether the menu was opened with the keys (the menu bar takes the focus then) or
    // with the mouse; the other boxes keep the design font.
    void theChosenFontShowsInTheBoxWorkedIn() {
        ScreenFixture f;
        QMainWindow* window = f.open(app::kEditor);
        f.form(app::kEditor).click(QStringLiteral("Command10"));
        auto* sentence = window->findChild<QPlainTextEdit*>(QStringLiteral("Text3"));
        auto* fillerA = window->findChild<QLineEdit*>(QStringLiteral("Text4"));
        auto* fillerB = window->findChild<QLineEdit*>(QStringLiteral("Text5"));
        for (QWidget* box : {static_cast<QWidget*>(sentence), static_cast<QWidget*>(fillerA)}) {
            box->ensurePolished();
            QVERIFY(box->font().bold());
            QCOMPARE(box->font().pointSizeF(), 12.0);
        }
        const QString design = QFontInfo(sentence->font()).family();
        const QString family = otherFamily(design);
        if (family.isEmpty()) QSKIP("only one font family is installed");
        const QString second = otherFamily(family);

        // By the keys: Alt+O opens Options, F chooses Fonts.
        f.platform.fontAnswers = {forms::FontSpec{family, 16, false, true, false, false}};
        sentence->setFocus();
        QTest::keyClick(window->windowHandle(), Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        // Meanwhile the menu bar has the focus; the box worked in is still the one the font goes to.
        QVERIFY(qobject_cast<QMenuBar*>(QApplication::focusWidget()));
        QCOMPARE(f.form(app::kEditor).activeControl, QStringLiteral("Text3"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_F);
        QTRY_VERIFY(f.platform.fontAnswers.empty());
        sentence->ensurePolished();
        QCOMPARE(QFontInfo(sentence->font()).family(), QFontInfo(QFont(family)).family());
        QCOMPARE(sentence->font().pointSizeF(), 16.0);
        QVERIFY(sentence->font().italic() && !sentence->font().bold());
        QCOMPARE(QFontInfo(fillerA->font()).family(), design);

        // By the mouse, in another box.
        f.platform.fontAnswers = {forms::FontSpec{second, 10, true, false, false, false}};
        fillerA->setFocus();
        QMenuBar* bar = window->menuBar();
        auto* options = window->findChild<QMenu*>(QStringLiteral("mnuOptions"));
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(options->menuAction()).center());
        QTRY_VERIFY(options->isVisible());
        auto* fonts = window->findChild<QAction*>(QStringLiteral("mnuFonts"));
        QTest::mouseClick(options, Qt::LeftButton, {}, options->actionGeometry(fonts).center());
        QTRY_VERIFY(f.platform.fontAnswers.empty());
        QCOMPARE(QFontInfo(fillerA->font()).family(), QFontInfo(QFont(second)).family());
        QCOMPARE(fillerA->font().pointSizeF(), 10.0);
        QCOMPARE(QFontInfo(fillerB->font()).family(), design);
        QCOMPARE(QFontInfo(sentence->font()).family(), QFontInfo(QFont(family)).family());
    }

    // The four filler boxes are equally wide, at any width of the window; Topics is a menu of
    // its own on the menu bar.
    void theDatabaseWindowsFillersAreEqualAndTopicsIsOnTheBar() {
        ScreenFixture f;
        QMainWindow* window = f.open(app::kEditor);
        f.form(app::kEditor).click(QStringLiteral("Command10"));
        for (int width : {700, 1100}) {
            window->resize(width, window->height());
            QApplication::processEvents();
            window->centralWidget()->layout()->activate();
            QList<int> widths;
            for (const char* name : {"Text4", "Text5", "Text6", "Text7"})
                widths << window->findChild<QLineEdit*>(QString::fromLatin1(name))->width();
            // Equal, but for the pixel that an odd width leaves to one column.
            const auto [narrowest, widest] = std::minmax_element(widths.begin(), widths.end());
            QVERIFY2(*widest - *narrowest <= 1, qPrintable(QStringLiteral("%1 %2 %3 %4")
                                                               .arg(widths[0])
                                                               .arg(widths[1])
                                                               .arg(widths[2])
                                                               .arg(widths[3])));
            QVERIFY(widths[0] > width / 3);
        }
        auto* topics = window->findChild<QMenu*>(QStringLiteral("mnuTopic"));
        QVERIFY(window->menuBar()->actions().contains(topics->menuAction()));
        QCOMPARE(window->findChild<QMenu*>(QStringLiteral("mnuOptions"))->actions().size(), 1);
        // On the bar "Topi&cs" would claim Alt+C together with "&Close", and the key would do
        // nothing: the menu gives its mnemonic up, and Alt+C closes the window.
        QCOMPARE(topics->title(), QStringLiteral("Topics"));
        window->activateWindow();
        QTest::keyClick(window->windowHandle(), Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(!f.windows.isLoaded(app::kEditor));
    }

    // During a run the settings and the starting point are off (in the test window the whole
    // Settings menu, in the practice window Parameters always and Starting point in a random
    // run): their items, pressed by a screen reader, change nothing in the window or the run.
    void aMenuThatIsOffIgnoresAScreenReader_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("worksBefore");  // an item the run has not yet turned off
        QTest::newRow("test") << QString(app::kTest) << "mnuNumeroItem_1";
        QTest::newRow("practice") << QString(app::kPractice) << "";
    }
    void aMenuThatIsOffIgnoresAScreenReader() {
        QFETCH(QString, window);
        QFETCH(QString, worksBefore);
        ScreenFixture f;
        QMainWindow* shown = f.open(window);
        forms::Form& form = f.form(window);
        auto item = [&](const QString& name) { return shown->findChild<QAction*>(name); };
        auto state = [&] {
            QStringList all{QString::number(f.ctx.g.RunLength), QString::number(f.ctx.g.DelayMs),
                            f.ctx.g.TestStartFilter};
            for (const auto& c : form.controls())
                all << QStringLiteral("%1 %2 %3%4%5")
                           .arg(c->key(), c->caption)
                           .arg(c->visible)
                           .arg(c->enabled)
                           .arg(c->checked);
            return all;
        };
        if (!worksBefore.isEmpty()) {
            const QStringList before = state();
            pressThroughAccessibility(item(worksBefore));
            QVERIFY(state() != before);  // the route reaches the window while the menu is on
        }
        form.click(QStringLiteral("Command3"));  // Start
        const QStringList during = state();
        for (const char* name : {"mnuNumeroItem_3", "mnuTiempoItem_2", "beg_4"})
            pressThroughAccessibility(item(QString::fromLatin1(name)));
        QCOMPARE(state(), during);
        for (const char* name : {"mnuNumeroItem_3", "mnuTiempoItem_2", "beg_4"})
            QVERIFY(!item(QString::fromLatin1(name))->isChecked());
    }

    // A sentence and a filler with an '&' show it, on screen and to a screen reader.
    void anAmpersandInASentenceIsShown_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("start");
        QTest::newRow("practice") << QString(app::kPractice) << "Command3";
        QTest::newRow("test") << QString(app::kTest) << "Command3";
    }
    void anAmpersandInASentenceIsShown() {
        QFETCH(QString, window);
        QFETCH(QString, start);
        ScreenFixture f;
        f.sql(QStringLiteral(
            "UPDATE test1 SET mondat = 'Tom & Jerry ' || sorszam || ' ...', a = 'pan & vino'"));
        QMainWindow* shown = f.open(window);
        f.form(window).click(start);
        auto* sentence = shown->findChild<QLabel*>(QStringLiteral("Label13"));
        auto* filler = shown->findChild<QLabel*>(QStringLiteral("Label14"));
        QVERIFY2(sentence->text().contains(QStringLiteral("Tom & Jerry ")), qPrintable(sentence->text()));
        QCOMPARE(sentence->textFormat(), Qt::PlainText);
        QVERIFY(sentence->accessibleName().contains(QStringLiteral("Tom & Jerry ")));
        QCOMPARE(filler->text().trimmed(), QStringLiteral("pan & vino"));
        QCOMPARE(filler->accessibleName().trimmed(), QStringLiteral("pan & vino"));
    }
};

QTEST_MAIN(WindowWidgetsTest)
#include "test_window_widgets.moc"
