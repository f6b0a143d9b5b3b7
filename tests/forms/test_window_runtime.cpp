// The window runtime: creation on first show, destruction on unload (also from inside the
// window's own handler), option groups, and controls that cannot be used.
#include <QtTest>

#include "fake_platform.h"
#include "forms/random_source.h"
#include "forms/window_registry.h"

using namespace forms;

namespace {

struct Probe : Form {
    Probe(const QString& windowName, Runtime& runtime, QStringList& log) : Form(windowName, runtime), log_(log) {
        addButton(QStringLiteral("Close"));
        addButton(QStringLiteral("Off")).enabled = false;
        add(ControlKind::Frame, QStringLiteral("Panel"));
        addOption(QStringLiteral("Panel"), QStringLiteral("A"));
        addOption(QStringLiteral("Panel"), QStringLiteral("B"));
        addOption(QStringLiteral("Panel"), QStringLiteral("None")).visible = false;
        add(ControlKind::Timer, QStringLiteral("Tick")).interval = 0;
        for (int i = 0; i < 3; ++i) addItem(QStringLiteral("item"), QString::number(i), i);
        onClick(QStringLiteral("Close"), [this] {
            rt.windows.unload(name());
            // The window is still whole until the event ends.
            log_ << QStringLiteral("after unload %1").arg(c(QStringLiteral("Close")).name);
        });
        onClick(QStringLiteral("Off"), [this] { log_ << QStringLiteral("off clicked"); });
        onClick(QStringLiteral("A"), [this] { log_ << QStringLiteral("A"); });
        onClickIndexed(QStringLiteral("item"), [this](int i) { log_ << QStringLiteral("item %1").arg(i); });
        onTimer(QStringLiteral("Tick"), [this] { log_ << QStringLiteral("tick"); });
        onKeyPress([](QChar& k) {
            if (k == u'x') k = QChar();
        });
    }
    ~Probe() override { log_ << QStringLiteral("destroyed %1").arg(name()); }
    void Form_Load() override { log_ << QStringLiteral("load %1").arg(name()); }
    void Form_Unload() override { log_ << QStringLiteral("unload %1").arg(name()); }
    QStringList& log_;
};

struct Recorder : WindowObserver {
    QStringList events;
    void created(Form& f) override { events << "created " + f.name(); }
    void shown(Form& f) override { events << "shown " + f.name(); }
    void hidden(Form& f) override { events << "hidden " + f.name(); }
    void destroying(Form& f) override { events << "destroying " + f.name(); }
    void programEnded() override { events << QStringLiteral("ended"); }
};

}  // namespace

class WindowRuntimeTest : public QObject {
    Q_OBJECT
    FakePlatform platform;
    WindowRegistry windows;
    RandomSource random{1};
    Runtime rt{platform, windows, random};
    QStringList log;
    Recorder recorder;

private slots:
    void init() {
        log.clear();
        recorder.events.clear();
        windows.setObserver(&recorder);
        for (const char* n : {"one", "two"})
            windows.define(QString::fromLatin1(n), [this, n] { return std::make_unique<Probe>(QString::fromLatin1(n), rt, log); });
    }
    void cleanup() {
        for (const QString& n : windows.loadedNames()) windows.unload(n);
    }

    void showLoadsOnceAndShowsAgainWithoutReloading() {
        windows.show(QStringLiteral("one"));
        windows.hide(QStringLiteral("one"));
        windows.show(QStringLiteral("one"));
        QCOMPARE(log, QStringList{"load one"});
        QCOMPARE(recorder.events,
                 (QStringList{"created one", "shown one", "hidden one", "shown one"}));
        QVERIFY(windows.isVisible(QStringLiteral("one")));
    }

    void unloadingItselfInsideAHandlerWaitsForTheEventToEnd() {
        windows.show(QStringLiteral("one"));
        windows.find(QStringLiteral("one"))->click(QStringLiteral("Close"));
        QCOMPARE(log, (QStringList{"load one", "unload one", "after unload Close", "destroyed one"}));
        QVERIFY(!windows.isLoaded(QStringLiteral("one")));
    }

    void showingAgainAfterUnloadRunsTheLoadHandlerAgain() {
        windows.show(QStringLiteral("two"));
        windows.unload(QStringLiteral("two"));
        windows.show(QStringLiteral("two"));
        QCOMPARE(log.count(QStringLiteral("load two")), 2);
    }

    void optionsOfAFrameExcludeEachOther() {
        Form& f = windows.show(QStringLiteral("one"));
        f.click(QStringLiteral("A"));
        QVERIFY(f.c(QStringLiteral("A")).checked);
        f.click(QStringLiteral("B"));
        QVERIFY(!f.c(QStringLiteral("A")).checked);
        QVERIFY(f.c(QStringLiteral("B")).checked);
        QCOMPARE(log.filter(QStringLiteral("A")).size(), 1);
    }

    void disabledControlsAndIdleTimersDoNothing() {
        Form& f = windows.show(QStringLiteral("one"));
        f.click(QStringLiteral("Off"));
        f.timer(QStringLiteral("Tick"));  // interval 0
        f.c(QStringLiteral("Tick")).interval = 30;
        f.c(QStringLiteral("Tick")).enabled = false;
        f.timer(QStringLiteral("Tick"));
        QVERIFY(!log.contains(QStringLiteral("off clicked")));
        QVERIFY(!log.contains(QStringLiteral("tick")));
        f.c(QStringLiteral("Tick")).enabled = true;
        f.timer(QStringLiteral("Tick"));
        QVERIFY(log.contains(QStringLiteral("tick")));
    }

    void controlArraysRouteTheIndex() {
        Form& f = windows.show(QStringLiteral("one"));
        f.click(QStringLiteral("item"), 2);
        QVERIFY(log.contains(QStringLiteral("item 2")));
        QCOMPARE(f.c(QStringLiteral("item"), 2).key(), QStringLiteral("item_2"));
    }

    void keyPreviewCanSwallowAKey() {
        Form& f = windows.show(QStringLiteral("one"));
        QVERIFY(f.keyPress(u'x').isNull());
        QCOMPARE(f.keyPress(u'y'), QChar(u'y'));
    }

    void endingTheProgramDropsEveryWindowWithoutUnloadHandlers() {
        windows.show(QStringLiteral("one"));
        windows.show(QStringLiteral("two"));
        windows.endProgram();
        QVERIFY(windows.ended());
        QVERIFY(windows.loadedNames().isEmpty());
        QVERIFY(!log.contains(QStringLiteral("unload one")));
        QVERIFY(recorder.events.endsWith(QStringLiteral("ended")));
    }

    void closeBoxUnloads() {
        Form& f = windows.show(QStringLiteral("two"));
        f.closeBox();
        QVERIFY(!windows.isLoaded(QStringLiteral("two")));
        QVERIFY(log.contains(QStringLiteral("unload two")));
    }
};

QTEST_GUILESS_MAIN(WindowRuntimeTest)
#include "test_window_runtime.moc"
