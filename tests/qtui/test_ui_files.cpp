// Every control of every window model has a widget of the right kind and name in the window's
// Designer file, and the view shows what the model says.
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app_fixture.h"
#include "fake_platform.h"
#include "qtui/form_view.h"
#include "qtui/view_manager.h"
#include "qtui/window_builder.h"
#include "text/ui_text.h"

using forms::ControlKind;

namespace {

bool rightKind(ControlKind kind, QObject* o) {
    switch (kind) {
        case ControlKind::Label:
        case ControlKind::Image:
            return qobject_cast<QLabel*>(o);
        case ControlKind::Button:
            return qobject_cast<QPushButton*>(o);
        case ControlKind::Option:
            return qobject_cast<QRadioButton*>(o);
        case ControlKind::Frame:
            return qobject_cast<QGroupBox*>(o) || qobject_cast<QFrame*>(o);
        case ControlKind::Edit:
            return qobject_cast<QLineEdit*>(o) || qobject_cast<QPlainTextEdit*>(o);
        case ControlKind::Menu:
            return qobject_cast<QMenu*>(o);
        case ControlKind::MenuItem:
            return qobject_cast<QAction*>(o);
    }
    return false;
}

}  // namespace

class UiFilesTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlHasItsWidget_data() {
        QTest::addColumn<QString>("window");
        AppFixture f;
        for (const QString& name : f.windows.definedNames()) QTest::newRow(qPrintable(name)) << name;
    }
    void everyControlHasItsWidget() {
        QFETCH(QString, window);
        AppFixture f;
        f.ctx.g.LangBase = text::English;
        f.windows.load(window);
        forms::Form& form = f.form(window);
        std::unique_ptr<QMainWindow> widget(qtui::buildWindow(window));
        QVERIFY2(widget, qPrintable(window));
        qtui::FormView view(form, widget.get());
        for (const auto& c : form.controls()) {
            QObject* o = view.find(*c);
            QVERIFY2(o, qPrintable(window + ": no widget " + qtui::FormView::widgetName(*c)));
            QVERIFY2(rightKind(c->kind, o), qPrintable(window + ": wrong kind of widget for " + c->key()));
        }
        view.detach();
    }

    void viewMirrorsTheModel() {
        AppFixture f;
        forms::Form& launcher = f.startInLanguage("Command6");
        std::unique_ptr<QMainWindow> widget(qtui::buildWindow(launcher.name()));
        qtui::FormView view(launcher, widget.get());
        view.sync();
        auto* ok = widget->findChild<QPushButton*>(QStringLiteral("ok"));
        QCOMPARE(ok->text(), QStringLiteral("&OK"));
        auto* exi = widget->findChild<QPushButton*>(QStringLiteral("Exi"));
        QCOMPARE(exi->text(), QStringLiteral("KILÉ&P"));
        auto* practice = widget->findChild<QRadioButton*>(QStringLiteral("practice"));
        QVERIFY(practice->isChecked());
        auto* onTop = widget->findChild<QAction*>(QStringLiteral("mnuOnTop"));
        QVERIFY(onTop->isChecked());
        QCOMPARE(widget->windowTitle(), QStringLiteral("PLURQUIZ ESPAÑOL"));

        // A click on the widget reaches the model, and the model's answer reaches the widget.
        auto* test = widget->findChild<QRadioButton*>(QStringLiteral("test"));
        test->click();
        QVERIFY(launcher.c(QStringLiteral("test")).checked);
        launcher.c(QStringLiteral("Exi")).visible = false;
        view.sync();
        QVERIFY(exi->isHidden());
        view.detach();
    }

    void theRealLauncherOpensTheChosenWindowOnEnter() {
        AppFixture f;
        qtui::ViewManager views(&f.windows);
        f.windows.setObserver(&views);
        forms::Form& launcher = f.startInLanguage("Command1");
        QMainWindow* window = views.viewOf(launcher)->window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->activateWindow();
        // Enter, with the focus on the Test option, presses OK: the chosen window opens.
        auto* test = window->findChild<QRadioButton*>(QStringLiteral("test"));
        test->setFocus();
        test->click();
        QTest::keyClick(window->windowHandle(), Qt::Key_Return);
        QVERIFY(f.windows.isVisible(app::kTest));
        QVERIFY(!f.windows.isLoaded(app::kLauncher));
        f.windows.endProgram();
        f.windows.setObserver(nullptr);
    }

    void everyHandlerOfEveryWindowNamesADeclaredControl_data() { everyControlHasItsWidget_data(); }
    void everyHandlerOfEveryWindowNamesADeclaredControl() {
        QFETCH(QString, window);
        AppFixture f;
        f.ctx.g.LangBase = text::English;
        forms::Form* form = f.windows.load(window);
        QVERIFY(form);
        for (const QString& key : form->clickHandlerKeys())
            QVERIFY2(form->has(key) || form->has(key, 0), qPrintable(window + "." + key));
    }

    void aWindowWithoutALayoutIsAnError() {
        forms::WindowRegistry windows;
        FakePlatform platform;
        base::RandomSource random(1);
        forms::Runtime rt{platform, windows, random};
        windows.define(QStringLiteral("Nowhere"),
                       [&] { return std::make_unique<forms::Form>(QStringLiteral("Nowhere"), rt); });
        qtui::ViewManager views(&windows);
        windows.setObserver(&views);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, windows.show(QStringLiteral("Nowhere")));
        windows.setObserver(nullptr);
    }

    void labelsUnderlineTheLetterAfterTheMarker_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("rich");
        QTest::addRow("plain") << "Tasks:"
                               << "Tasks:" << false;
        QTest::addRow("marker") << "&Number of sentences"
                                << "<u>N</u>umber of sentences" << true;
        QTest::addRow("inside a word") << "Vá&rakozás"
                                       << "Vá<u>r</u>akozás" << true;
        QTest::addRow("doubled marker") << "A && B"
                                        << "A & B" << false;
        QTest::addRow("markup is text") << "&a <b>"
                                        << "<u>a</u> &lt;b&gt;" << true;
    }
    void labelsUnderlineTheLetterAfterTheMarker() {
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        QFETCH(bool, rich);
        bool isRich = false;
        QCOMPARE(qtui::labelRichText(caption, isRich), shown);
        QCOMPARE(isRich, rich);
    }
};

QTEST_MAIN(UiFilesTest)
#include "test_ui_files.moc"
