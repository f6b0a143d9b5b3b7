// The window runtime: creation on first show, destruction on unload (also from inside the
// window's own handler or its load handler), option groups, controls that cannot be used, the
// event boundary that no error crosses, timers restarted inside a handler, and the end of the
// program when its last window goes.
#include <QtTest>

#include "base/random_source.h"
#include "fake_platform.h"
#include "forms/window_registry.h"

using namespace forms;

namespace {

struct Probe : Form {
    Probe(const QString& windowName, Runtime& runtime, QStringList& log)
        : Form(windowName, runtime), log_(log) {
        Off.enabled = false;
        None.visible = false;
        onClick(Close, [this] {
            rt.windows.unload(name());
            // The window is still whole until the event ends.
            log_ << QStringLiteral("after unload %1").arg(Close.name);
        });
        onClick(Off, [this] { log_ << QStringLiteral("off clicked"); });
        onClick(A, [this] { log_ << QStringLiteral("A"); });
        onClick(item, [this](int i) { log_ << QStringLiteral("item %1").arg(i); });
        onTimer(Tick, [this] { log_ << QStringLiteral("tick"); });
        onClick(Restart, [this] {
            Tick.setEnabled(false);
            Tick.setEnabled(true);
        });
        onClick(Fail, [this] {
            log_ << QStringLiteral("before failure");
            throw std::runtime_error("disk on fire");
        });
        onClick(
            FailQuietly, [] { throw base::DataError(QStringLiteral("no current record")); },
            OnError::EndQuietly);
        onClick(
            FailBadly, [] { throw std::logic_error("a fault of the program"); }, OnError::EndQuietly);
        onClick(FailLoudly, [] { throw base::DataError(QStringLiteral("no current record")); });
        onClick(UnloadAndFail, [this] {
            rt.windows.unload(name());
            throw base::DataError(QStringLiteral("late failure"));
        });
        onKeyPress([](QChar& k) {
            if (k == u'x') k = QChar();
        });
        // The items sit in Sub, a submenu of Menu.
        for (Control* i : item) i->menu = Sub.key();
        Sub.menu = Menu.key();
    }
    ~Probe() override { log_ << QStringLiteral("destroyed %1").arg(name()); }
    void Form_Load() override {
        log_ << QStringLiteral("load %1").arg(name());
        if (name() == QLatin1String("gone")) rt.windows.unload(name());
    }
    void Form_Unload() override { log_ << QStringLiteral("unload %1").arg(name()); }

    Control& Close = addButton(QStringLiteral("Close"));
    Control& Off = addButton(QStringLiteral("Off"));
    Control& Restart = addButton(QStringLiteral("Restart"));
    Control& Fail = addButton(QStringLiteral("Fail"));
    Control& FailQuietly = addButton(QStringLiteral("FailQuietly"));
    Control& FailBadly = addButton(QStringLiteral("FailBadly"));
    Control& FailLoudly = addButton(QStringLiteral("FailLoudly"));
    Control& UnloadAndFail = addButton(QStringLiteral("UnloadAndFail"));
    Control& Panel = add(ControlKind::Frame, QStringLiteral("Panel"));
    Control& A = addOption(Panel, QStringLiteral("A"));
    Control& B = addOption(Panel, QStringLiteral("B"));
    Control& None = addOption(Panel, QStringLiteral("None"));
    ControlArray& item =
        addItems(QStringLiteral("item"), {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")});
    Control& Menu = addMenu(QStringLiteral("Menu"));
    Control& Sub = addMenu(QStringLiteral("Sub"));
    Timer& Tick = addTimer(QStringLiteral("Tick"), 0);
    QStringList& log_;
};

struct Recorder : WindowObserver {
    QStringList events;
    int refreshes = 0;
    void created(Form& f) override { events << "created " + f.name(); }
    void shown(Form& f) override { events << "shown " + f.name(); }
    void hidden(Form& f) override { events << "hidden " + f.name(); }
    void destroying(Form& f) override { events << "destroying " + f.name(); }
    void eventFinished() override { ++refreshes; }
    void programEnded() override { events << QStringLiteral("ended"); }
};

}  // namespace

class WindowRuntimeTest : public QObject {
    Q_OBJECT
    FakePlatform platform;
    std::unique_ptr<WindowRegistry> registry;
    base::RandomSource random{1};
    std::unique_ptr<Runtime> rt;
    QStringList log;
    QStringList reports;
    Recorder recorder;

    WindowRegistry& windows() { return *registry; }
    Probe& show(const char* name) {
        Form* f = windows().show(QString::fromLatin1(name));
        if (!f) qFatal("%s did not stay loaded", name);
        return static_cast<Probe&>(*f);
    }

private slots:
    void init() {
        log.clear();
        reports.clear();
        recorder = Recorder();
        registry = std::make_unique<WindowRegistry>();
        rt = std::make_unique<Runtime>(Runtime{platform, *registry, random});
        windows().setObserver(&recorder);
        windows().setErrorReporter([this](Form* f, const QString& what) {
            reports << (f ? f->name() : QStringLiteral("-")) + QStringLiteral(": ") + what;
        });
        for (const char* n : {"one", "two", "gone"})
            windows().define(QString::fromLatin1(n),
                             [this, n] { return std::make_unique<Probe>(QString::fromLatin1(n), *rt, log); });
    }
    void cleanup() {
        windows().setObserver(nullptr);
        registry.reset();
    }

    void showLoadsOnceAndShowsAgainWithoutReloading() {
        show("one");
        windows().hide(QStringLiteral("one"));
        show("one");
        QCOMPARE(log, QStringList{"load one"});
        QCOMPARE(recorder.events, (QStringList{"created one", "shown one", "hidden one", "shown one"}));
        QVERIFY(windows().isVisible(QStringLiteral("one")));
    }

    void unloadingItselfInsideAHandlerWaitsForTheEventToEnd() {
        show("one");
        show("two");
        windows().find(QStringLiteral("one"))->click(QStringLiteral("Close"));
        QCOMPARE(log,
                 (QStringList{"load one", "load two", "unload one", "after unload Close", "destroyed one"}));
        QVERIFY(!windows().isLoaded(QStringLiteral("one")));
    }

    void aLoadHandlerThatUnloadsItsWindowLeavesNothingBehind() {
        show("one");
        QCOMPARE(windows().show(QStringLiteral("gone")), nullptr);
        QCOMPARE(windows().load(QStringLiteral("gone")), nullptr);
        QVERIFY(!windows().isLoaded(QStringLiteral("gone")));
        QCOMPARE(log.count(QStringLiteral("destroyed gone")), 2);
    }

    void showingAgainAfterUnloadRunsTheLoadHandlerAgain() {
        show("one");
        show("two");
        windows().unload(QStringLiteral("two"));
        show("two");
        QCOMPARE(log.count(QStringLiteral("load two")), 2);
    }

    void optionsOfAFrameExcludeEachOther() {
        Probe& f = show("one");
        f.click(QStringLiteral("A"));
        QVERIFY(f.A.checked);
        f.click(QStringLiteral("B"));
        QVERIFY(!f.A.checked);
        QVERIFY(f.B.checked);
        QCOMPARE(log.filter(QStringLiteral("A")).size(), 1);
    }

    void disabledControlsAndIdleTimersDoNothing() {
        Probe& f = show("one");
        f.click(QStringLiteral("Off"));
        f.click(QStringLiteral("None"));  // hidden
        f.timer(QStringLiteral("Tick"));  // interval 0
        f.Tick.setInterval(30);
        f.Tick.setEnabled(false);
        f.timer(QStringLiteral("Tick"));
        QVERIFY(!log.contains(QStringLiteral("off clicked")));
        QVERIFY(!f.None.checked);
        QVERIFY(!log.contains(QStringLiteral("tick")));
        f.Tick.setEnabled(true);
        f.timer(QStringLiteral("Tick"));
        QVERIFY(log.contains(QStringLiteral("tick")));
    }

    void aTimerTurnedOffAndOnInOneHandlerRestartsItsCount() {
        Probe& f = show("one");
        f.Tick.setInterval(1000);
        const unsigned before = f.Tick.restarts();
        f.Tick.setEnabled(true);  // already on: the count goes on
        QCOMPARE(f.Tick.restarts(), before);
        f.click(QStringLiteral("Restart"));
        QVERIFY(f.Tick.enabled());
        QCOMPARE(f.Tick.restarts(), before + 1);
    }

    // An item is chosen only when it and every menu above it are enabled and shown, whatever
    // sends the click (a screen reader triggers the item itself, not its menus).
    void anItemUnderAMenuThatIsOffDoesNothing_data() {
        QTest::addColumn<QString>("off");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<bool>("runs");
        QTest::addRow("all on") << "" << false << true;
        QTest::addRow("the item disabled") << "item_1" << false << false;
        QTest::addRow("its menu disabled") << "Sub" << false << false;
        QTest::addRow("its menu hidden") << "Sub" << true << false;
        QTest::addRow("the menu above disabled") << "Menu" << false << false;
        QTest::addRow("the menu above hidden") << "Menu" << true << false;
        QTest::addRow("another item disabled") << "item_0" << false << true;
    }
    void anItemUnderAMenuThatIsOffDoesNothing() {
        QFETCH(QString, off);
        QFETCH(bool, hidden);
        QFETCH(bool, runs);
        Probe& f = show("one");
        if (!off.isEmpty()) (hidden ? f.c(off).visible : f.c(off).enabled) = false;
        f.click(QStringLiteral("item"), 1);
        QCOMPARE(log.contains(QStringLiteral("item 1")), runs);
        QCOMPARE(f.canBeChosen(f.item[1]), runs);
    }

    void controlArraysRouteTheIndex() {
        Probe& f = show("one");
        f.click(QStringLiteral("item"), 2);
        QVERIFY(log.contains(QStringLiteral("item 2")));
        QCOMPARE(f.item[2].key(), QStringLiteral("item_2"));
    }

    void keyPreviewCanSwallowAKey() {
        Probe& f = show("one");
        QVERIFY(f.keyPress(u'x').isNull());
        QCOMPARE(f.keyPress(u'y'), QChar(u'y'));
    }

    void unknownNamesAreLoudInEveryBuild() {
        Probe& f = show("one");
        QVERIFY_THROWS_EXCEPTION(UnknownControl, f.c(QStringLiteral("Comand3")));
        QVERIFY_THROWS_EXCEPTION(UnknownControl, f.click(QStringLiteral("item"), 7));
        QVERIFY_THROWS_EXCEPTION(UnknownControl, f.timer(QStringLiteral("Tock")));
        QVERIFY_THROWS_EXCEPTION(UnknownWindow, windows().show(QStringLiteral("three")));
    }

    void everyHandlerNamesADeclaredControl() {
        Probe& f = show("one");
        for (const QString& key : f.clickHandlerKeys())
            QVERIFY2(f.has(key) || f.has(key, 0), qPrintable(key));
    }

    // What an error escaping a handler leads to, by the policy the handler was registered with.
    void errorsStopAtTheEventBoundary_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("report");
        QTest::addRow("any error is reported") << "Fail"
                                               << "one: disk on fire";
        QTest::addRow("a data error ends a quiet handler silently") << "FailQuietly" << QString();
        QTest::addRow("a fault of the program is reported even so") << "FailBadly"
                                                                    << "one: a fault of the program";
        QTest::addRow("a data error of a plain handler is reported") << "FailLoudly"
                                                                     << "one: no current record";
    }
    void errorsStopAtTheEventBoundary() {
        QFETCH(QString, button);
        QFETCH(QString, report);
        Probe& f = show("one");
        show("two");
        const int refreshes = recorder.refreshes;
        f.click(button);
        QCOMPARE(reports, report.isEmpty() ? QStringList() : QStringList{report});
        QVERIFY(recorder.refreshes > refreshes);
        QVERIFY(!windows().busy());
        // The runtime goes on: later events run, and a window unloaded later is destroyed.
        f.click(QStringLiteral("A"));
        QVERIFY(log.contains(QStringLiteral("A")));
        f.click(QStringLiteral("Close"));
        QVERIFY(log.contains(QStringLiteral("destroyed one")));
    }

    void aWindowUnloadedByAFailingHandlerIsStillDestroyed() {
        Probe& f = show("one");
        show("two");
        f.click(QStringLiteral("UnloadAndFail"));
        QVERIFY(!windows().isLoaded(QStringLiteral("one")));
        QVERIFY(log.contains(QStringLiteral("destroyed one")));
        QCOMPARE(reports, QStringList{"one: late failure"});
    }

    void aHandlerRunningMakesTheRegistryBusy() {
        Probe& f = show("one");
        bool busyInside = false;
        windows().runEvent(&f, OnError::Report, [&] { busyInside = windows().busy(); });
        QVERIFY(busyInside);
        QVERIFY(!windows().busy());
    }

    void closingTheLastWindowEndsTheProgram() {
        Probe& one = show("one");
        Probe& two = show("two");
        one.closeBox();
        QVERIFY(!windows().ended());
        windows().hide(QStringLiteral("two"));  // a hidden window does not keep the program alive
        two.click(QStringLiteral("Close"));
        QVERIFY(windows().ended());
        QVERIFY(recorder.events.endsWith(QStringLiteral("ended")));
    }

    void endingTheProgramDropsEveryWindowWithoutUnloadHandlers() {
        show("one");
        show("two");
        windows().endProgram();
        QVERIFY(windows().ended());
        QVERIFY(windows().loadedNames().isEmpty());
        QVERIFY(!log.contains(QStringLiteral("unload one")));
        QVERIFY(recorder.events.endsWith(QStringLiteral("ended")));
    }

    void closeBoxUnloads() {
        show("one");
        Probe& f = show("two");
        f.closeBox();
        QVERIFY(!windows().isLoaded(QStringLiteral("two")));
        QVERIFY(log.contains(QStringLiteral("unload two")));
    }
};

QTEST_GUILESS_MAIN(WindowRuntimeTest)
#include "test_window_runtime.moc"
