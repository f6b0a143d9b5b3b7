// What happens to an error that escapes an event handler. The event boundary catches every
// exception: a handler registered to end quietly on a data error simply stops there (what it
// already showed stays); anything else is reported to the learner and the program goes on.
#pragma once

#include "base/data_error.h"

namespace forms {

enum class OnError {
    Report,      // any escaping error is reported in a message box
    EndQuietly,  // a DataError ends the handler without a word; other errors are reported
};

}  // namespace forms
