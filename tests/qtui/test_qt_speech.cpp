// The real speech thread: it never makes the window wait, and closing never hangs on it.
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include "qtui/qt_speech.h"

using Status = forms::Speech::Status;

class QtSpeechTest : public QObject {
    Q_OBJECT

private slots:
    // No speech plugin can be found: the first question is answered at once (Starting, or already
    // NoService), the engine reports NoService soon after, and letting go of it is quick.
    void withoutAnyEngineItSaysSoWithoutWaiting() {
        QTemporaryDir noPlugins;
        QCoreApplication::setLibraryPaths({noPlugins.path()});
        QElapsedTimer clock;
        clock.start();
        auto speech = std::make_unique<qtui::QtSpeech>();
        const Status first = speech->status();
        QVERIFY2(first == Status::Starting || first == Status::NoService, "an answer, not a wait");
        QTRY_COMPARE_WITH_TIMEOUT(speech->status(), Status::NoService, 5000);
        speech->say(QStringLiteral("Nada que decir."));  // no engine: nothing happens
        clock.restart();
        speech.reset();
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QStringLiteral("%1 ms").arg(clock.elapsed())));
    }
};

QTEST_GUILESS_MAIN(QtSpeechTest)
#include "test_qt_speech.moc"
