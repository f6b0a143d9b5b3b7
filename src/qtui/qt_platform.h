// The desktop as the window models see it, done with Qt.
#pragma once

#include <QTranslator>
#include <memory>

#include "forms/platform.h"
#include "qt_speech.h"

namespace qtui {

class ViewManager;

class QtPlatform : public forms::Platform {
public:
    explicit QtPlatform(ViewManager& views) : views_(views) {}

    void messageBox(const QString& text, const QString& caption, forms::MsgIcon icon) override;
    bool confirm(const QString& text, const QString& caption) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& caption,
                                    const QString& defaultText) override;
    std::optional<forms::FontSpec> fontDialog() override;
    std::optional<QString> saveFileName(const QString& caption, const QString& suggestedName,
                                        const QString& filter) override;
    void beep() override;
    bool setTopmost(const forms::Form& form, bool topmost) override;
    QSize screenSize() const override;
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    forms::Speech& speech() override { return speech_; }
    void useLanguage(const QString& languageCode) override;

private:
    ViewManager& views_;
    QtSpeech speech_;                       // starts its engine only when first asked
    std::unique_ptr<QTranslator> qtTexts_;  // Qt's own texts in the working language, if any
};

}  // namespace qtui
