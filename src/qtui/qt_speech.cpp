// Finding a Spanish voice among the speech engines Qt offers, on a thread of its own.
#include "qt_speech.h"

#include <QDeadlineTimer>
#include <QLocale>
#include <QMutex>
#include <QTextToSpeech>
#include <QThread>
#include <QVoice>
#include <optional>

namespace qtui {

struct QtSpeech::Shared {
    QMutex mutex;
    std::optional<Status> status;  // empty while the engine is being looked for
};

namespace {

// How long closing the program waits for a speech service that does not let go of its thread.
constexpr int kShutdownWaitMs = 1000;

// Spain's Spanish first, then any other Spanish.
std::optional<QLocale> spanishLocale(const QList<QLocale>& locales) {
    std::optional<QLocale> any;
    for (const QLocale& locale : locales) {
        if (locale.language() != QLocale::Spanish) continue;
        if (locale.territory() == QLocale::Spain) return locale;
        if (!any) any = locale;
    }
    return any;
}

// The voice on the speech thread: it owns the engine it found.
class Voice : public QObject {
public:
    explicit Voice(std::shared_ptr<QtSpeech::Shared> shared) : shared_(std::move(shared)) {}

    void find() {
        forms::Speech::Status status = forms::Speech::Status::NoService;
        QStringList detail;  // what each engine said
        QStringList engines = QTextToSpeech::availableEngines();
        // speech-dispatcher brings the voices of the whole desktop; the others come after it.
        if (engines.removeAll(QStringLiteral("speechd")) > 0) engines.prepend(QStringLiteral("speechd"));
        if (engines.isEmpty()) detail << QStringLiteral("no text-to-speech engine is installed");
        for (const QString& name : engines) {
            auto engine = std::make_unique<QTextToSpeech>(name);
            if (engine->state() == QTextToSpeech::Error) {
                detail << QStringLiteral("%1: %2").arg(name, engine->errorString());
                continue;
            }
            const std::optional<QLocale> spanish = spanishLocale(engine->availableLocales());
            if (!spanish) {
                status = forms::Speech::Status::NoSpanishVoice;
                detail << QStringLiteral("%1 has no Spanish voice").arg(name);
                continue;
            }
            engine->setLocale(*spanish);
            for (const QVoice& voice : engine->availableVoices()) {
                if (voice.locale().language() == QLocale::Spanish) {
                    engine->setVoice(voice);
                    break;
                }
            }
            if (engine->state() == QTextToSpeech::Error) {
                detail << QStringLiteral("%1: %2").arg(name, engine->errorString());
                continue;
            }
            engine_ = std::move(engine);
            status = forms::Speech::Status::Ready;
            break;
        }
        // The engines' own words go to the log; the learner reads the reason on Listen.
        if (status != forms::Speech::Status::Ready)
            qInfo("Listen is not available: %s", qUtf8Printable(detail.join(QStringLiteral("; "))));
        QMutexLocker lock(&shared_->mutex);
        shared_->status = status;
    }

    void speak(const QString& text) {
        if (!engine_) return;
        engine_->stop();
        engine_->say(text);
    }

private:
    std::shared_ptr<QtSpeech::Shared> shared_;
    std::unique_ptr<QTextToSpeech> engine_;
};

}  // namespace

QtSpeech::QtSpeech() : shared_(std::make_shared<Shared>()) {}

QtSpeech::~QtSpeech() {
    if (!thread_) return;
    // The voice is let go and the thread's loop ended by one event on the speech thread, queued
    // after whatever it is doing: a service that hangs in finding its voice still lets go of it
    // once it answers, rather than leaving the voice behind a loop that already ended.
    QMetaObject::invokeMethod(
        voice_,
        [voice = voice_] {
            delete voice;
            QThread::currentThread()->quit();
        },
        Qt::QueuedConnection);
    if (thread_->wait(QDeadlineTimer(kShutdownWaitMs))) {
        delete thread_;
        return;
    }
    // The speech service holds the thread and does not let go: the thread is left to end with
    // the program, as a running thread must not be destroyed.
}

void QtSpeech::start() {
    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("speech"));
    auto* voice = new Voice(shared_);
    voice->moveToThread(thread_);
    voice_ = voice;
    thread_->start();
    QMetaObject::invokeMethod(
        voice, [voice] { voice->find(); }, Qt::QueuedConnection);
}

forms::Speech::Status QtSpeech::status() {
    if (!thread_) start();
    QMutexLocker lock(&shared_->mutex);
    return shared_->status.value_or(Status::Starting);
}

void QtSpeech::say(const QString& text) {
    if (status() != Status::Ready) return;
    auto* voice = static_cast<Voice*>(voice_);
    QMetaObject::invokeMethod(
        voice, [voice, text] { voice->speak(text); }, Qt::QueuedConnection);
}

}  // namespace qtui
