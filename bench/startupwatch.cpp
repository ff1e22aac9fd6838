// Starts a program and times it from exec until a top-level window with the given title is
// mapped on the X display, then reads the program's peak memory after a fixed hold time and
// ends it. Listening for map notifications on the root window costs nothing while waiting,
// unlike polling the window list.
//
//   tabelora_startup_watch TITLE HOLD_MS PROGRAM [ARGUMENTS...]
//
// Prints "ms=<time to the window> memory_kb=<VmHWM>" on success.

#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kGiveUpMs = 30000;

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return result;
}

std::string windowTitle(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property,
                        xcb_atom_t type)
{
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, type, 0, 256), nullptr);
    std::string title;
    if (reply) {
        title.assign(static_cast<const char *>(xcb_get_property_value(reply)),
                     static_cast<size_t>(xcb_get_property_value_length(reply)));
        std::free(reply);
    }
    return title;
}

long peakMemoryKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void stop(pid_t child)
{
    kill(child, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(child, nullptr, WNOHANG) == child)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s TITLE HOLD_MS PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const std::string wanted = argv[1];
    const int holdMs = std::atoi(argv[2]);

    // A busy X server may turn a connection away for a moment: try a few times.
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    for (int attempt = 1; xcb_connection_has_error(connection) && attempt < 5; ++attempt) {
        xcb_disconnect(connection);
        std::this_thread::sleep_for(std::chrono::milliseconds(100 * attempt));
        connection = xcb_connect(nullptr, nullptr);
    }
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t netWmName = atom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = atom(connection, "UTF8_STRING");
    xcb_flush(connection);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[3], argv + 3);
        std::perror(argv[3]);
        _exit(127);
    }

    double shownMs = -1;
    pollfd watch{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (shownMs < 0 && millisecondsSince(start) < kGiveUpMs) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "%s ended before showing \"%s\"\n", argv[3], wanted.c_str());
            return 1;
        }
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                if (windowTitle(connection, map->window, netWmName, utf8) == wanted ||
                    windowTitle(connection, map->window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING) ==
                        wanted)
                    shownMs = millisecondsSince(start);
            }
            std::free(event);
            if (shownMs >= 0)
                break;
        }
        if (shownMs < 0)
            poll(&watch, 1, 50);
    }
    if (shownMs < 0) {
        std::fprintf(stderr, "no window \"%s\" within %d ms\n", wanted.c_str(), kGiveUpMs);
        stop(child);
        return 1;
    }

    const double left = holdMs - millisecondsSince(start);
    if (left > 0)
        std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(left));
    const long memoryKb = peakMemoryKb(child);
    stop(child);
    xcb_disconnect(connection);
    std::printf("ms=%.1f memory_kb=%ld\n", shownMs, memoryKb);
    return memoryKb > 0 ? 0 : 1;
}
