// Everything a window's logic needs from the desktop, behind one interface: the Qt side
// implements it for real, tests use a recording fake with scripted answers.
#pragma once

#include <QDateTime>
#include <QSize>
#include <QString>
#include <optional>

#include "control.h"
#include "speech.h"

namespace forms {

class Form;

enum class MsgIcon { None, Critical, Question, Exclamation, Information };

class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box with one OK button.
    virtual void messageBox(const QString& text, const QString& caption, MsgIcon icon) = 0;
    // A modal question with Yes and No; true for Yes.
    virtual bool confirm(const QString& text, const QString& caption) = 0;
    // A modal input box; nullopt when the user cancels.
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& caption,
                                            const QString& defaultText) = 0;
    // The standard font dialog; nullopt when the user cancels.
    virtual std::optional<FontSpec> fontDialog() = 0;
    // The standard dialog that asks where to save a file, offering `suggestedName` in the user's
    // documents folder and files of `filter` ("CSV files (*.csv)"); the chosen path, or nullopt
    // when the user cancels. Replacing an existing file has been confirmed when it returns.
    virtual std::optional<QString> saveFileName(const QString& caption, const QString& suggestedName,
                                                const QString& filter) = 0;
    virtual void beep() = 0;
    // Puts the window into (or out of) the topmost layer without moving or resizing it.
    // Callers ignore the result, as they may: a refusal leaves the window where it was.
    virtual bool setTopmost(const Form& form, bool topmost) = 0;
    // Screen size in the same logical units as a window's geometry.
    virtual QSize screenSize() const = 0;
    virtual QDateTime now() const = 0;
    // The voice that reads sentences aloud.
    virtual Speech& speech() = 0;
    // The working language changed: the desktop's own dialogs (their Yes/No and OK/Cancel, the
    // font and file dialogs) speak it from now on. `languageCode` is "en", "hu", "es" or "fr".
    virtual void useLanguage(const QString& languageCode) = 0;
};

}  // namespace forms
