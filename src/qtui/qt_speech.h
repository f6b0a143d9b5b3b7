// The desktop's speech service through Qt Text to Speech, with a Spanish voice.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "forms/speech.h"

class QTextToSpeech;

namespace qtui {

class QtSpeech : public forms::Speech {
public:
    QtSpeech();
    ~QtSpeech() override;

    // The first call looks for an engine with a Spanish voice (speech-dispatcher first, then the
    // others Qt offers) and keeps it; later calls give the same answer.
    Status status() override;
    QString detail() override { return detail_; }
    void say(const QString& text) override;

private:
    void start();

    std::optional<Status> status_;
    QString detail_;
    std::unique_ptr<QTextToSpeech> engine_;
};

}  // namespace qtui
