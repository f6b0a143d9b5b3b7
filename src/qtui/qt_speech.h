// The desktop's speech service through Qt Text to Speech, with a Spanish voice. The engine lives
// on a thread of its own: a speech service that hangs (one without a sound device may never
// answer) must not freeze the windows.
#pragma once

#include <QString>
#include <memory>

#include "forms/speech.h"

class QObject;
class QThread;

namespace qtui {

class QtSpeech : public forms::Speech {
public:
    QtSpeech();
    ~QtSpeech() override;

    // The first call starts looking for the engine on the speech thread; every call answers at
    // once, Starting until the engine has been found or found missing.
    Status status() override;
    void say(const QString& text) override;

    struct Shared;  // what the speech thread reports back

private:
    void start();

    std::shared_ptr<Shared> shared_;
    QThread* thread_ = nullptr;
    QObject* voice_ = nullptr;  // lives on thread_
};

}  // namespace qtui
