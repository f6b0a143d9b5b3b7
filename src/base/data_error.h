// The error of the data a program part works on, shared by the record store (which throws it)
// and the window runtime (which ends a handler quietly on it).
#pragma once

#include <QString>
#include <stdexcept>

namespace base {

// An error of the data a window works on (the record store's errors are of this kind), as
// opposed to a fault of the program itself.
class DataError : public std::runtime_error {
public:
    explicit DataError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

}  // namespace base
