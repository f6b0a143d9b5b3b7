// What happens to an error that escapes an event handler. The event boundary catches every
// exception: a handler registered to end quietly on a data error simply stops there (what it
// already showed stays); anything else is reported to the learner and the program goes on.
#pragma once

#include <QString>
#include <stdexcept>

namespace forms {

// An error of the data a window works on (the record store's errors are of this kind), as
// opposed to a fault of the program itself.
class DataError : public std::runtime_error {
public:
    explicit DataError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

enum class OnError {
    Report,      // any escaping error is reported in a message box
    EndQuietly,  // a DataError ends the handler without a word; other errors are reported
};

}  // namespace forms
