// Starts a program on the X display of $DISPLAY and reports, as one line of JSON, how long it
// took until its first window was mapped and its peak resident memory (VmHWM) once a window whose
// title contains WAIT_TITLE is mapped (after KEYS, if given, are typed with xdotool) and the
// program has settled.
//   first_map [--keys "alt+e"] [--wait-title TEXT] [--settle-ms N] -- PROGRAM [ARGS...]
// The display must show nothing else: every top-level map on it is the program's.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::string windowTitle(xcb_connection_t* c, xcb_window_t w) {
    std::string title;
    for (const char* atomName : {"_NET_WM_NAME", "WM_NAME"}) {
        xcb_intern_atom_reply_t* atom =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(atomName), atomName), nullptr);
        if (!atom) continue;
        xcb_get_property_reply_t* p = xcb_get_property_reply(
            c, xcb_get_property(c, 0, w, atom->atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
        if (p) {
            title.append(static_cast<const char*>(xcb_get_property_value(p)),
                         xcb_get_property_value_length(p));
            free(p);
        }
        free(atom);
        if (!title.empty()) break;
    }
    return title;
}

// A "VmHWM" (peak) or "VmRSS" (now) figure of the process, in KiB.
long statusKb(pid_t pid, const std::string& field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ":", 0) == 0) return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
    return -1;
}

// Waits for the next map of a top-level window (one whose title contains `title`, when given).
bool waitForMap(xcb_connection_t* c, const std::string& title, Clock::time_point deadline) {
    while (Clock::now() < deadline) {
        xcb_generic_event_t* e = xcb_poll_for_event(c);
        if (!e) {
            if (xcb_connection_has_error(c)) return false;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            continue;
        }
        const bool mapped = (e->response_type & 0x7f) == XCB_MAP_NOTIFY;
        const xcb_window_t w = mapped ? reinterpret_cast<xcb_map_notify_event_t*>(e)->window : 0;
        free(e);
        if (!mapped) continue;
        if (title.empty()) return true;
        // The title may be set a moment after the map: ask again for a little while.
        for (int i = 0; i < 50; ++i) {
            if (windowTitle(c, w).find(title) != std::string::npos) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::string keys, waitTitle;
    int settleMs = 500;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (!std::strcmp(argv[i], "--keys") && i + 1 < argc)
            keys = argv[++i];
        else if (!std::strcmp(argv[i], "--wait-title") && i + 1 < argc)
            waitTitle = argv[++i];
        else if (!std::strcmp(argv[i], "--settle-ms") && i + 1 < argc)
            settleMs = std::atoi(argv[++i]);
    }
    if (i + 1 >= argc) {
        std::fprintf(stderr,
                     "usage: first_map [--keys K] [--wait-title T] [--settle-ms N] -- PROGRAM [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "first_map: no X display\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const Clock::time_point started = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[i + 1], argv + i + 1);
        _exit(127);
    }
    const bool mapped = waitForMap(c, {}, started + std::chrono::seconds(30));
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
    bool ready = mapped;
    if (ready && !keys.empty()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const std::string command = "xdotool key --clearmodifiers " + keys;
        if (std::system(command.c_str()) != 0) ready = false;
    }
    if (ready && !waitTitle.empty())
        ready = waitForMap(c, waitTitle, Clock::now() + std::chrono::seconds(30));
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long peak = statusKb(pid, "VmHWM"), now = statusKb(pid, "VmRSS");
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(c);
    if (!ready) {
        std::fprintf(stderr, "first_map: the program did not reach its window\n");
        return 1;
    }
    std::printf("{\"first_window_ms\": %.1f, \"peak_kb\": %ld, \"resident_kb\": %ld}\n", ms, peak, now);
    return 0;
}
