// Reading a sentence aloud with a Spanish voice, behind one interface: the Qt side speaks through
// the desktop's speech service, tests use a fake that records what it was asked to say.
#pragma once

#include <QString>

namespace forms {

class Speech {
public:
    // Why nothing can be spoken, if so.
    enum class Status {
        Ready,           // a Spanish voice is there
        NoService,       // no speech service is installed or none answers
        NoSpanishVoice,  // the service speaks, but has no Spanish voice
        Starting,        // the service is still being looked for: ask again shortly
    };

    virtual ~Speech() = default;
    // Starts looking for the speech engine the first time it is asked (a window with Listen asks
    // a moment after it has opened, never while it loads) and answers at once: Starting until the
    // engine has reported back.
    virtual Status status() = 0;
    bool available() { return status() == Status::Ready; }
    // Speaks the text, cutting short whatever is being spoken; does nothing when not Ready.
    virtual void say(const QString& text) = 0;
};

}  // namespace forms
