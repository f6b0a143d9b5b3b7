// Times what a learner waits for: from a key press sent to the X server until the screen has
// stopped changing. Reports the milliseconds from the press to the end of the last screen change
// of the burst that follows it (changes closer together than --quiet-ms belong to one burst).
//   key_to_paint [--quiet-ms N] [--timeout-ms N] [--prep KEY]... KEY
// KEY is like xdotool's: "Return", "a", "alt+n", "ctrl+p", "alt+g l 1" (several keys in turn;
// only the last is timed). Each --prep key is pressed first and its screen changes waited out.
// The timed key must change the screen. Caret blinks (changes 12 pixels wide or less) and specks
// (under 100 square pixels) are not counted. Prints one number, or "timeout".
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Keys before the timed one wait longer for quiet: a submenu opens only after a delay of its own.
constexpr int kPrepQuietMs = 500;

struct Display {
    xcb_connection_t* c = nullptr;
    xcb_window_t root = 0;
    uint8_t damageEvent = 0;
    xcb_keycode_t minKey = 0;
    std::vector<xcb_keysym_t> keysyms;
    int perKey = 0;
};

xcb_keysym_t keysymOf(const std::string& name) {
    static const std::map<std::string, xcb_keysym_t> named{
        {"Return", 0xff0d}, {"Escape", 0xff1b}, {"Tab", 0xff09},  {"space", 0x20},   {"BackSpace", 0xff08},
        {"Down", 0xff54},   {"Up", 0xff52},     {"Left", 0xff51}, {"Right", 0xff53}, {"Home", 0xff50},
        {"End", 0xff57},    {"alt", 0xffe9},    {"ctrl", 0xffe3}, {"shift", 0xffe1}, {"F1", 0xffbe},
    };
    if (auto it = named.find(name); it != named.end()) return it->second;
    if (name.size() == 1) return static_cast<unsigned char>(std::tolower(name[0]));
    std::fprintf(stderr, "unknown key %s\n", name.c_str());
    std::exit(2);
}

xcb_keycode_t keycodeOf(const Display& d, xcb_keysym_t sym) {
    for (size_t i = 0; i < d.keysyms.size(); ++i)
        if (d.keysyms[i] == sym) return static_cast<xcb_keycode_t>(d.minKey + i / d.perKey);
    std::fprintf(stderr, "no key gives keysym 0x%x\n", sym);
    std::exit(2);
}

void fake(const Display& d, uint8_t type, xcb_keycode_t code) {
    xcb_test_fake_input(d.c, type, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
}

// Presses one chord ("alt+n") as a hand does, with a few milliseconds between the events (the
// accessibility bridge hands keys on asynchronously, and a modifier released in the same instant
// can overtake its key): modifiers down, key down and up, modifiers up. Returns when the key
// itself went down.
Clock::time_point press(const Display& d, const std::string& chord) {
    constexpr auto kBetween = std::chrono::milliseconds(12);
    std::vector<xcb_keycode_t> codes;
    std::stringstream parts(chord);
    for (std::string part; std::getline(parts, part, '+');) codes.push_back(keycodeOf(d, keysymOf(part)));
    for (size_t i = 0; i + 1 < codes.size(); ++i) {
        fake(d, XCB_KEY_PRESS, codes[i]);
        xcb_flush(d.c);
        std::this_thread::sleep_for(kBetween);
    }
    const Clock::time_point down = Clock::now();
    fake(d, XCB_KEY_PRESS, codes.back());
    xcb_flush(d.c);
    std::this_thread::sleep_for(kBetween);
    for (auto it = codes.rbegin(); it != codes.rend(); ++it) {
        fake(d, XCB_KEY_RELEASE, *it);
        xcb_flush(d.c);
        if (std::next(it) != codes.rend()) std::this_thread::sleep_for(kBetween);
    }
    return down;
}

// Waits for the screen to settle: the time of the last counted change of the burst, or nothing
// when changes go on past the deadline. With `needChange`, the burst starts only with the first
// change, however long the program takes to make it (a slow handler paints nothing meanwhile).
std::optional<Clock::time_point> settle(const Display& d, Clock::time_point since, int quietMs, int timeoutMs,
                                        bool needChange = false) {
    const auto deadline = since + std::chrono::milliseconds(timeoutMs);
    Clock::time_point last = since;
    bool changed = false;
    while (Clock::now() < deadline) {
        xcb_generic_event_t* e = xcb_poll_for_event(d.c);
        if (!e) {
            if (xcb_connection_has_error(d.c)) return std::nullopt;
            // The burst is over once nothing has changed for quietMs (and something changed at
            // all, or nothing did within that long after the press).
            if ((changed || !needChange) && Clock::now() - last > std::chrono::milliseconds(quietMs))
                return changed ? last : since;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            continue;
        }
        if ((e->response_type & 0x7f) == d.damageEvent) {
            auto* n = reinterpret_cast<xcb_damage_notify_event_t*>(e);
            if (std::getenv("KTP_DEBUG"))
                std::fprintf(stderr, "%.1f ms %dx%d+%d+%d\n",
                             std::chrono::duration<double, std::milli>(Clock::now() - since).count(),
                             n->area.width, n->area.height, n->area.x, n->area.y);
            // A text caret blinks in a narrow rectangle every half second; nothing else is that
            // narrow and alone.
            if (n->area.width > 12 && int(n->area.width) * int(n->area.height) >= 100) {
                last = Clock::now();
                changed = true;
            }
        }
        free(e);
    }
    return std::nullopt;
}

std::vector<std::string> words(const std::string& s) {
    std::vector<std::string> out;
    std::stringstream in(s);
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    int quietMs = 1000, timeoutMs = 15000;
    std::vector<std::string> prep;
    std::string key;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--quiet-ms" && i + 1 < argc)
            quietMs = std::atoi(argv[++i]);
        else if (a == "--timeout-ms" && i + 1 < argc)
            timeoutMs = std::atoi(argv[++i]);
        else if (a == "--prep" && i + 1 < argc)
            prep.push_back(argv[++i]);
        else
            key = a;
    }
    if (key.empty()) {
        std::fprintf(stderr, "usage: key_to_paint [--quiet-ms N] [--timeout-ms N] [--prep KEY]... KEY\n");
        return 2;
    }

    Display d;
    d.c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(d.c)) return std::fprintf(stderr, "no display\n"), 2;
    const xcb_setup_t* setup = xcb_get_setup(d.c);
    d.root = xcb_setup_roots_iterator(setup).data->root;
    d.minKey = setup->min_keycode;
    const int count = setup->max_keycode - setup->min_keycode + 1;
    auto* map = xcb_get_keyboard_mapping_reply(d.c, xcb_get_keyboard_mapping(d.c, d.minKey, count), nullptr);
    d.perKey = map->keysyms_per_keycode;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
    d.keysyms.assign(syms, syms + xcb_get_keyboard_mapping_keysyms_length(map));
    free(map);

    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(d.c, &xcb_damage_id);
    if (!damage || !damage->present) return std::fprintf(stderr, "the display has no DAMAGE extension\n"), 2;
    d.damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
    free(xcb_damage_query_version_reply(d.c, xcb_damage_query_version(d.c, 1, 1), nullptr));
    // Every change anywhere on the screen, rectangle by rectangle.
    xcb_damage_create(d.c, xcb_generate_id(d.c), d.root, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    xcb_flush(d.c);

    for (const std::string& p : prep) {
        for (const std::string& chord : words(p)) {
            press(d, chord);
            if (!settle(d, Clock::now(), kPrepQuietMs, timeoutMs)) return std::puts("timeout"), 1;
        }
    }
    const std::vector<std::string> chords = words(key);
    for (size_t i = 0; i + 1 < chords.size(); ++i) {
        press(d, chords[i]);
        if (!settle(d, Clock::now(), kPrepQuietMs, timeoutMs)) return std::puts("timeout"), 1;
    }
    const Clock::time_point start = press(d, chords.back());
    const std::optional<Clock::time_point> end = settle(d, start, quietMs, timeoutMs, true);
    if (!end) return std::puts("timeout"), 1;
    std::printf("%.1f\n", std::chrono::duration<double, std::milli>(*end - start).count());
    xcb_disconnect(d.c);
    return 0;
}
