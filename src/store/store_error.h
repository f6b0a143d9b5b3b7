// The one error type of the record store. `refused` marks a write the store turned down because
// of the data (a constraint), as opposed to a file or engine failure.
#pragma once

#include <QString>
#include <stdexcept>

namespace store {

class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& message, bool refused = false)
        : std::runtime_error(message.toStdString()), refused_(refused) {}
    QString message() const { return QString::fromStdString(what()); }
    bool refused() const { return refused_; }

private:
    bool refused_;
};

}  // namespace store
