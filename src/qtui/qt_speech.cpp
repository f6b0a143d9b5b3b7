// Finding a Spanish voice among the speech engines Qt offers.
#include "qt_speech.h"

#include <QLocale>
#include <QTextToSpeech>
#include <QVoice>

namespace qtui {

namespace {

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

}  // namespace

QtSpeech::QtSpeech() = default;
QtSpeech::~QtSpeech() = default;

forms::Speech::Status QtSpeech::status() {
    if (!status_) start();
    return *status_;
}

void QtSpeech::start() {
    status_ = Status::NoService;
    QStringList engines = QTextToSpeech::availableEngines();
    // speech-dispatcher brings the voices of the whole desktop; the others come after it.
    if (engines.removeAll(QStringLiteral("speechd")) > 0) engines.prepend(QStringLiteral("speechd"));
    if (engines.isEmpty()) detail_ = QStringLiteral("no text-to-speech engine is installed");
    for (const QString& name : engines) {
        auto engine = std::make_unique<QTextToSpeech>(name);
        if (engine->state() == QTextToSpeech::Error) {
            detail_ = QStringLiteral("%1: %2").arg(name, engine->errorString());
            continue;
        }
        const std::optional<QLocale> spanish = spanishLocale(engine->availableLocales());
        if (!spanish) {
            status_ = Status::NoSpanishVoice;
            detail_ = QStringLiteral("%1 has no Spanish voice").arg(name);
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
            detail_ = QStringLiteral("%1: %2").arg(name, engine->errorString());
            continue;
        }
        engine_ = std::move(engine);
        status_ = Status::Ready;
        detail_.clear();
        return;
    }
}

void QtSpeech::say(const QString& text) {
    if (status() != Status::Ready) return;
    engine_->stop();
    engine_->say(text);
}

}  // namespace qtui
