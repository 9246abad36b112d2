// Time from process start to its first mapped window, as a user sees it, and
// the resident memory once the window is up. Programs are started in turn,
// interleaved, on the X display in $DISPLAY (no window manager expected: a
// top-level window is then mapped straight onto the root).
//
//   vexo-first-window [--runs N] [--settle MS] PROGRAM [PROGRAM...]
//
// Prints one line per run, then per program the medians, and each program's
// ratio to the last one (the floor).

#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double residentMb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
    }
    return 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : (n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

void drain(xcb_connection_t *x)
{
    xcb_flush(x);
    while (xcb_generic_event_t *event = xcb_poll_for_event(x))
        std::free(event);
}

// Waits for a top-level window that is not override-redirect (a real window,
// not a tooltip or a menu) to be mapped; returns its time, or -1 on timeout.
double waitForMap(xcb_connection_t *x, double deadlineMs)
{
    const int fd = xcb_get_file_descriptor(x);
    for (;;) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(x)) {
            const bool mapped =
                (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                !reinterpret_cast<xcb_map_notify_event_t *>(event)->override_redirect;
            std::free(event);
            if (mapped)
                return nowMs();
        }
        const double left = deadlineMs - nowMs();
        if (left <= 0)
            return -1;
        pollfd p{fd, POLLIN, 0};
        poll(&p, 1, int(left) + 1);
    }
}

struct Result
{
    double ms;
    double mb;
};

Result runOnce(xcb_connection_t *x, const char *program, int settleMs)
{
    drain(x);
    const double start = nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        // The program's own messages would mix with the figures.
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execl(program, program, static_cast<char *>(nullptr));
        std::perror(program);
        _exit(127);
    }
    const double mapped = waitForMap(x, start + 10000);
    Result result{mapped < 0 ? -1 : mapped - start, 0};
    if (mapped >= 0) {
        usleep(useconds_t(settleMs) * 1000);
        result.mb = residentMb(pid);
    }
    kill(pid, SIGTERM);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    int runs = 7;
    int settleMs = 500;
    std::vector<const char *> programs;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--settle") == 0 && i + 1 < argc)
            settleMs = std::max(0, std::atoi(argv[++i]));
        else
            programs.push_back(argv[i]);
    }
    if (programs.empty()) {
        std::fprintf(stderr, "usage: %s [--runs N] [--settle MS] PROGRAM [PROGRAM...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "%s: cannot open the X display\n", argv[0]);
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);

    std::vector<std::vector<double>> times(programs.size()), memory(programs.size());
    for (int run = 0; run < runs; ++run) {
        for (size_t p = 0; p < programs.size(); ++p) {
            const Result r = runOnce(x, programs[p], settleMs);
            if (r.ms < 0) {
                std::fprintf(stderr, "%s: no window within 10 s\n", programs[p]);
                return 1;
            }
            std::printf("run %d  %-40s %7.1f ms %6.1f MB\n", run + 1, programs[p], r.ms, r.mb);
            times[p].push_back(r.ms);
            memory[p].push_back(r.mb);
        }
    }
    const double floorMs = median(times.back());
    const double floorMb = median(memory.back());
    std::printf("\nmedians of %d interleaved runs, to the first mapped window:\n", runs);
    for (size_t p = 0; p < programs.size(); ++p) {
        std::printf("%-40s %7.1f ms %6.1f MB   %.2fx the time, %+.1f MB\n", programs[p],
                    median(times[p]), median(memory[p]), median(times[p]) / floorMs,
                    median(memory[p]) - floorMb);
    }
    xcb_disconnect(x);
    return 0;
}
