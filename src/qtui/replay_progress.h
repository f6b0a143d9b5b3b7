// The dialog that shows a long rebuild of the learner's memory from an old test history (on the
// first opening of a file from before the memory), so that the program does not seem to hang.
#pragma once

#include "app/context.h"

namespace qtui {

// From now on, a rebuild of more than this many answers shows its progress in a dialog.
constexpr int kReplayShownFrom = 50000;
void showReplayProgress(const app::Context& ctx);

}  // namespace qtui
