// Fences the process off from libmdb while it reads: its output silenced, its time limited.
#pragma once

namespace importtool {

// libmdb prints what troubles it on standard error (and debug output on standard output); the
// program that starts the import shows standard error to the learner as the reason for a
// failure, so the library's words must not get there. A damaged file can also send the library
// round a loop of pages for ever: after `seconds` the process ends on SIGALRM, which the
// program reports as an import that stopped unexpectedly.
// Process-wide (it swaps file descriptors and sets the alarm): for the tool's main thread only.
class LibraryGuard {
public:
    explicit LibraryGuard(unsigned seconds);
    ~LibraryGuard();
    LibraryGuard(const LibraryGuard&) = delete;
    LibraryGuard& operator=(const LibraryGuard&) = delete;

private:
    int saved_[2] = {-1, -1};
};

}  // namespace importtool
