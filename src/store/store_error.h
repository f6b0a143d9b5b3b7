// The one error type of the record store. `refused` marks a write the store turned down because
// of the data (a constraint), as opposed to a file or engine failure. It is a data error of the
// window runtime, so a handler registered to end quietly ends on it without a word.
#pragma once

#include <QString>

#include "forms/event_errors.h"

namespace store {

class StoreError : public forms::DataError {
public:
    explicit StoreError(const QString& message, bool refused = false)
        : forms::DataError(message), refused_(refused) {}
    bool refused() const { return refused_; }

private:
    bool refused_;
};

}  // namespace store
