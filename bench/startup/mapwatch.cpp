// Starts a program and reports, without polling, how long it took until its
// first top-level window was mapped, then its resident memory once idle.
// Usage: mapwatch IDLE_MS PROGRAM [ARGS...]  ->  "milliseconds kilobytes"
// The display must have no window manager: then a program's windows are
// children of the root window and their mapping is seen there.

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

long residentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: mapwatch IDLE_MS PROGRAM [ARGS...]\n");
        return 2;
    }
    const int idleMs = std::atoi(argv[1]);
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "mapwatch: no display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(c, xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask));

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    double ms = -1;
    while (xcb_generic_event_t* e = xcb_wait_for_event(c)) {
        const bool mapped = (e->response_type & 0x7f) == XCB_MAP_NOTIFY;
        std::free(e);
        if (mapped) {
            ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count();
            break;
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(idleMs));
    const long kb = residentKilobytes(pid);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(c);
    if (ms < 0) {
        std::fprintf(stderr, "mapwatch: %s mapped no window\n", argv[2]);
        return 1;
    }
    std::printf("%.1f %ld\n", ms, kb);
    return 0;
}
