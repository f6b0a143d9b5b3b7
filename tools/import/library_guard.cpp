// Swapping standard output and error for /dev/null and back, and the alarm.
#include "library_guard.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <initializer_list>

namespace importtool {

LibraryGuard::LibraryGuard(unsigned seconds) {
    std::fflush(stdout);
    std::fflush(stderr);
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null >= 0) {
        for (int fd : {STDOUT_FILENO, STDERR_FILENO}) {
            saved_[fd - 1] = ::fcntl(fd, F_DUPFD_CLOEXEC, 3);
            if (saved_[fd - 1] >= 0) ::dup2(null, fd);
        }
        ::close(null);
    }
    ::alarm(seconds);
}

LibraryGuard::~LibraryGuard() {
    ::alarm(0);
    std::fflush(stdout);
    std::fflush(stderr);
    for (int fd : {STDOUT_FILENO, STDERR_FILENO}) {
        if (saved_[fd - 1] < 0) continue;
        ::dup2(saved_[fd - 1], fd);
        ::close(saved_[fd - 1]);
    }
}

}  // namespace importtool
