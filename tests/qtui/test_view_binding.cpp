// The binder and the key preview as the running program meets them: keys sent to the window
// handle as the window system sends them, option buttons toggled through the accessibility
// interface, a window the user moved, timers restarted inside a handler, events that arrive while
// a handler runs a nested event loop, and the end of the program when its last window closes.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include "base/random_source.h"
#include "fake_platform.h"
#include "forms/window_registry.h"
#include "qtui/form_view.h"
#include "qtui/score_chart.h"
#include "qtui/view_manager.h"
#include "qtui/window_builder.h"

using namespace forms;

namespace {

const QString kProbe = QStringLiteral("Probe");

// A small window with a key preview that records and swallows a-d, as the answer windows do.
struct Probe : Form {
    explicit Probe(Runtime& runtime) : Form(kProbe, runtime) {
        ok.isDefault = true;
        None.visible = false;
        onClick(ok, [this] { log << QStringLiteral("ok"); });
        onClick(other, [this] { log << QStringLiteral("other"); });
        onClick(clear, [this] { selectOption(None); });
        onClick(restart, [this] {
            Tick.setEnabled(false);
            Tick.setEnabled(true);
        });
        onClick(modal, [this] {
            // A message box runs a nested event loop inside this handler.
            QTimer::singleShot(0, [this] { nestedClicks += 1; });
            QEventLoop loop;
            QTimer::singleShot(0, [&] {
                rt.windows.find(kProbe)->click(
                    QStringLiteral("other"));  // a programmatic click is no view event
                emitDuringModal();
                loop.quit();
            });
            loop.exec();
        });
        onTimer(Tick, [this] { log << QStringLiteral("tick"); });
        onClick(link, [this] { log << QStringLiteral("link"); });
        speak.shortcut = QStringLiteral("Ctrl+L");
        Short.maxLength = ShortLines.maxLength = 5;
        onClick(speak, [this] { log << QStringLiteral("speak"); });
        onKeyPress([this](QChar& k) {
            if (k >= u'a' && k <= u'd') {
                log << QStringLiteral("key ") + k;
                k = QChar();
            }
        });
    }
    std::function<void()> emitDuringModal = [] {};
    int nestedClicks = 0;
    QStringList log;
    Control& ok = addButton(QStringLiteral("ok"), QStringLiteral("&OK"));
    Control& other = addButton(QStringLiteral("other"), QStringLiteral("&Other"));
    Control& clear = addButton(QStringLiteral("clear"), QStringLiteral("&Clear"));
    Control& restart = addButton(QStringLiteral("restart"), QStringLiteral("&Restart"));
    Control& modal = addButton(QStringLiteral("modal"), QStringLiteral("&Modal"));
    Control& speak = addButton(QStringLiteral("speak"), QStringLiteral("Speak"));
    Control& Panel = add(ControlKind::Frame, QStringLiteral("Panel"));
    Control& A = addOption(Panel, QStringLiteral("A"), QStringLiteral("A"));
    Control& B = addOption(Panel, QStringLiteral("B"), QStringLiteral("B"));
    Control& None = addOption(Panel, QStringLiteral("None"));
    Control& Text1 = add(ControlKind::Edit, QStringLiteral("Text1"));
    Control& Short = add(ControlKind::Edit, QStringLiteral("Short"));            // a line box
    Control& ShortLines = add(ControlKind::Edit, QStringLiteral("ShortLines"));  // a multi-line box
    Control& link = addLabel(QStringLiteral("link"), QStringLiteral("click here"));
    Control& note = addLabel(QStringLiteral("note"));
    Timer& Tick = addTimer(QStringLiteral("Tick"), 0);
};

QMainWindow* buildProbe() {
    auto* window = new QMainWindow;
    auto* central = new QWidget(window);
    auto* layout = new QVBoxLayout(central);
    for (const char* name : {"ok", "other", "clear", "restart", "modal", "speak"}) {
        auto* b = new QPushButton(QString::fromLatin1(name), central);
        b->setObjectName(QString::fromLatin1(name));
        layout->addWidget(b);
    }
    for (const char* name : {"A", "B", "None"}) {
        auto* r = new QRadioButton(QString::fromLatin1(name), central);
        r->setObjectName(QString::fromLatin1(name));
        layout->addWidget(r);
    }
    auto* link = new QLabel(QStringLiteral("click here"), central);
    link->setObjectName(QStringLiteral("link"));
    layout->addWidget(link);
    auto* note = new QLabel(central);
    note->setObjectName(QStringLiteral("note"));
    layout->addWidget(note);
    for (const char* name : {"Text1", "Short"}) {
        auto* edit = new QLineEdit(central);
        edit->setObjectName(QString::fromLatin1(name));
        layout->addWidget(edit);
    }
    auto* lines = new QPlainTextEdit(central);
    lines->setObjectName(QStringLiteral("ShortLines"));
    layout->addWidget(lines);
    window->setCentralWidget(central);
    window->resize(300, 300);
    return window;
}

}  // namespace

class ViewBindingTest : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowRegistry> windows;
    std::unique_ptr<qtui::ViewManager> views;
    FakePlatform platform;
    base::RandomSource random{1};
    std::unique_ptr<Runtime> rt;
    Probe* probe = nullptr;
    QMainWindow* window = nullptr;

    template <typename T>
    T* widget(const char* name) {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

private slots:
    // The score chart draws a long history as means of runs in order: never more points than
    // asked, every run counted once, the overall mean kept, a short history as it is.
    void aLongHistoryIsDrawnAsMeansOfRunsInOrder_data() {
        QTest::addColumn<int>("runs");
        QTest::addColumn<int>("most");
        QTest::addColumn<int>("drawn");
        QTest::addRow("fewer than the most") << 7 << 400 << 7;
        QTest::addRow("exactly the most") << 400 << 400 << 400;
        QTest::addRow("one more: pairs") << 401 << 400 << 201;
        QTest::addRow("a lifetime") << 10000 << 400 << 400;
        QTest::addRow("groups of three, the last of one") << 10 << 4 << 4;
    }
    void aLongHistoryIsDrawnAsMeansOfRunsInOrder() {
        QFETCH(int, runs);
        QFETCH(int, most);
        QFETCH(int, drawn);
        std::vector<qtui::ScoreChartData::Point> all;
        double sum = 0;
        for (int i = 0; i < runs; ++i) {
            all.push_back({1'000'000LL * i, double((i * 37) % 101), double(i % 50)});
            sum += all.back().percent;
        }
        const auto points = qtui::thinnedPoints(all, static_cast<size_t>(most));
        QCOMPARE(static_cast<int>(points.size()), drawn);
        const int per = (runs + most - 1) / most;
        double weighted = 0;
        for (size_t i = 0; i < points.size(); ++i) {
            if (i > 0) QVERIFY(points[i].msecs > points[i - 1].msecs);
            const int first = static_cast<int>(i) * (runs > most ? per : 1);
            const int count = runs > most ? std::min(per, runs - first) : 1;
            weighted += points[i].percent * count;
        }
        QVERIFY(qAbs(weighted - sum) < 1e-6 * runs);
    }

    void initTestCase() { qtui::defineWindowBuilder(kProbe, buildProbe); }

    void init() {
        windows = std::make_unique<WindowRegistry>();
        views = std::make_unique<qtui::ViewManager>(windows.get());
        windows->setObserver(views.get());
        rt = std::make_unique<Runtime>(Runtime{platform, *windows, random});
        windows->define(kProbe, [this] { return std::make_unique<Probe>(*rt); });
        probe = static_cast<Probe*>(windows->show(kProbe));
        window = views->viewOf(kProbe)->window();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    void cleanup() {
        windows->endProgram();
        windows->setObserver(nullptr);
        views.reset();
        windows.reset();
        QApplication::processEvents();
    }

    void keysSentToTheWindowReachThePreviewOnce_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QString>("typed");
        QTest::addRow("one letter") << "ok"
                                    << "b" << QStringList{"key b"} << "";
        QTest::addRow("a sequence of letters")
            << "A"
            << "abcd" << QStringList{"key a", "key b", "key c", "key d"} << "";
        QTest::addRow("the same letter twice") << "ok"
                                               << "aa" << QStringList{"key a", "key a"} << "";
        QTest::addRow("Enter on an option presses the default button") << "A"
                                                                       << "\n"
                                                                       << QStringList{"ok"} << "";
        QTest::addRow("Enter in an edit box presses the default button") << "Text1"
                                                                         << "\n"
                                                                         << QStringList{"ok"} << "";
        QTest::addRow("Enter on another button presses that button") << "other"
                                                                     << "\n"
                                                                     << QStringList{"other"} << "";
        QTest::addRow("letters the preview lets through reach the edit box")
            << "Text1"
            << "xay" << QStringList{"key a"} << "xy";
        QTest::addRow("letter then Enter") << "B"
                                           << "c\n"
                                           << QStringList{"key c", "ok"} << "";
    }
    void keysSentToTheWindowReachThePreviewOnce() {
        QFETCH(QString, focus);
        QFETCH(QString, keys);
        QFETCH(QStringList, log);
        QFETCH(QString, typed);
        window->findChild<QWidget*>(focus)->setFocus();
        for (QChar k : keys) {
            if (k == u'\n')
                QTest::keyClick(window->windowHandle(), Qt::Key_Return);
            else
                QTest::keyClick(window->windowHandle(), k.toLatin1());
        }
        QCOMPARE(probe->log, log);
        QCOMPARE(widget<QLineEdit>("Text1")->text(), typed);
        QCOMPARE(probe->Text1.caption, typed);
    }

    // A box with a limit takes no more, typed or pasted, and the model holds what the box shows.
    void aBoxTakesNoMoreThanItsLimit_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("paste");
        QTest::addRow("line box, typed") << "Short" << false;
        QTest::addRow("multi-line box, typed") << "ShortLines" << false;
        QTest::addRow("multi-line box, pasted") << "ShortLines" << true;
    }
    void aBoxTakesNoMoreThanItsLimit() {
        QFETCH(QString, box);
        QFETCH(bool, paste);
        QWidget* w = window->findChild<QWidget*>(box);
        w->setFocus();
        if (paste)
            static_cast<QPlainTextEdit*>(w)->insertPlainText(QStringLiteral("xyzwvuts"));
        else
            for (QChar k : QStringLiteral("xyzwvuts")) QTest::keyClick(window->windowHandle(), k.toLatin1());
        const QString shown = paste || box == QLatin1String("ShortLines")
                                  ? static_cast<QPlainTextEdit*>(w)->toPlainText()
                                  : static_cast<QLineEdit*>(w)->text();
        QCOMPARE(shown, QStringLiteral("xyzwv"));
        QCOMPARE(probe->c(box).caption, QStringLiteral("xyzwv"));
    }

    void anOptionToggledByAScreenReaderReachesTheModel() {
        auto* b = widget<QRadioButton>("B");
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(b);
        QVERIFY(access && access->actionInterface());
        access->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(b->isChecked());
        QVERIFY(probe->B.checked);
        QVERIFY(!probe->A.checked);
    }

    void anOptionClearedByTheModelIsClearedOnScreen() {
        widget<QRadioButton>("A")->click();
        QVERIFY(probe->A.checked);
        widget<QPushButton>("clear")->click();
        QVERIFY(!probe->A.checked);
        QVERIFY(!widget<QRadioButton>("A")->isChecked());
        QVERIFY(!widget<QRadioButton>("B")->isChecked());
    }

    // A button's own key combination presses it; its tool tip follows the model.
    void aKeyCombinationPressesItsButton() {
        window->findChild<QWidget*>(QStringLiteral("Text1"))->setFocus();
        QTest::keyClick(window->windowHandle(), Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(probe->log, QStringList{"speak"});
        QCOMPARE(widget<QLineEdit>("Text1")->text(), QString());
        probe->speak.toolTip = QStringLiteral("no voice");
        probe->speak.enabled = false;
        views->viewOf(kProbe)->sync();
        QCOMPARE(widget<QPushButton>("speak")->toolTip(), QStringLiteral("no voice"));
        QVERIFY(!widget<QPushButton>("speak")->isEnabled());
    }

    void everyControlCanBeReadByItsName() {
        QCOMPARE(widget<QPushButton>("ok")->accessibleName(), QStringLiteral("OK"));
        QCOMPARE(widget<QRadioButton>("B")->accessibleName(), QStringLiteral("B"));
    }

    // A label shows its caption with the '&' marker as an underlined letter, or, showing text as
    // written (a sentence, a filler), with its '&' as it is; what a screen reader says follows,
    // down to nothing when the label empties.
    void aLabelSaysWhatItShows_data() {
        QTest::addColumn<bool>("literal");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addRow("marker") << false << "&Verbs"
                                << "<u>V</u>erbs"
                                << "Verbs";
        QTest::addRow("as written") << true << "Tom & Jerry"
                                    << "Tom & Jerry"
                                    << "Tom & Jerry";
        QTest::addRow("as written, a marker-like pair") << true << "A&&B &c"
                                                        << "A&&B &c"
                                                        << "A&&B &c";
        QTest::addRow("emptied") << false << ""
                                 << ""
                                 << "";
        QTest::addRow("emptied, as written") << true << ""
                                             << ""
                                             << "";
    }
    void aLabelSaysWhatItShows() {
        QFETCH(bool, literal);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(QString, name);
        probe->note.literal = literal;
        probe->note.caption = QStringLiteral("&Nouns");  // what it said before
        views->viewOf(kProbe)->sync();
        probe->note.caption = caption;
        views->viewOf(kProbe)->sync();
        auto* label = widget<QLabel>("note");
        QCOMPARE(label->text(), text);
        QCOMPARE(label->accessibleName(), name);
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(label);
        QCOMPARE(access->text(QAccessible::Name), name);
    }

    void aWindowTheUserMovedStaysWhereItWas() {
        probe->left = 40;
        probe->top = 30;
        widget<QPushButton>("other")->click();  // an event: the model's place is applied
        QCOMPARE(window->pos(), QPoint(40, 30));
        window->move(200, 150);  // the user drags it
        QApplication::processEvents();
        widget<QPushButton>("other")->click();
        QCOMPARE(window->pos(), QPoint(200, 150));
        QCOMPARE(QPoint(probe->left, probe->top), QPoint(200, 150));
        probe->left = 10;  // the model moves it again
        widget<QPushButton>("other")->click();
        QCOMPARE(window->pos(), QPoint(10, 150));
    }

    void aTimerTurnedOffAndOnInAHandlerStartsItsFullInterval() {
        probe->Tick.setInterval(1000);
        widget<QPushButton>("other")->click();
        QTimer* clock = views->viewOf(kProbe)->findChild<QTimer*>();
        QVERIFY(clock && clock->isActive());
        QTest::qWait(400);
        QVERIFY(clock->remainingTime() < 800);
        widget<QPushButton>("restart")->click();
        QVERIFY(clock->remainingTime() > 900);
    }

    void nothingFromTheDesktopEntersWhileAHandlerRuns() {
        probe->emitDuringModal = [this] {
            // A click and a key that arrive while the handler waits are dropped, not run inside it.
            widget<QPushButton>("ok")->click();
            QTest::keyClick(window->windowHandle(), 'a');
        };
        widget<QPushButton>("modal")->click();
        QCOMPARE(probe->log, QStringList{"other"});
        QCOMPARE(probe->nestedClicks, 1);
        widget<QPushButton>("ok")->click();
        QCOMPARE(probe->log, (QStringList{"other", "ok"}));
    }

    void closingTheLastWindowEndsTheEventLoop() {
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        guard.start(5000);
        QTimer::singleShot(0, window, [this] { window->close(); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(windows->ended());
    }
};

QTEST_MAIN(ViewBindingTest)
#include "test_view_binding.moc"
