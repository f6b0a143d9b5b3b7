// The one error type of the record store. `refused` marks a write the store turned down because
// of the data (a constraint), as opposed to a file or engine failure; `engineCode` is SQLite's
// primary result code when the engine failed (0 for the store's own errors), so that a caller can
// say in its own words what went wrong.
#pragma once

#include <QString>
#include <stdexcept>

namespace store {

class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& message, bool refused = false, int engineCode = 0)
        : std::runtime_error(message.toStdString()), refused_(refused), engineCode_(engineCode) {}
    QString message() const { return QString::fromStdString(what()); }
    bool refused() const { return refused_; }
    int engineCode() const { return engineCode_; }

private:
    bool refused_;
    int engineCode_;
};

}  // namespace store
