// The one error type of the record store. `refused` marks a write the store turned down because
// of the data (a constraint), as opposed to a file or engine failure; `engineCode` is SQLite's
// primary result code when the engine failed (0 for the store's own errors), so that a caller can
// say in its own words what went wrong. It is a data error of the window runtime, so a handler
// registered to end quietly ends on it without a word.
#pragma once

#include <QString>

#include "forms/event_errors.h"

namespace store {

class StoreError : public forms::DataError {
public:
    explicit StoreError(const QString& message, bool refused = false, int engineCode = 0)
        : forms::DataError(message), refused_(refused), engineCode_(engineCode) {}
    bool refused() const { return refused_; }
    int engineCode() const { return engineCode_; }

private:
    bool refused_;
    int engineCode_;
};

}  // namespace store
