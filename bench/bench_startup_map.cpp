// Start-up as the user sees it: the time from starting a program until the X server maps its
// first top-level window, for Vantora and for a bare Qt Widgets window, in one run. Run it under
// an X server of its own:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/bench_startup_map
// The clock stops on the MapNotify event itself (the root window's substructure events), so no
// polling interval enters the figures.
#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

std::string ProgramBeside(const char* name)
{
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    std::string path = n > 0 ? std::string(self, static_cast<std::size_t>(n)) : std::string();
    return path.substr(0, path.rfind('/') + 1) + name;
}

// Starts the program and waits for the first window the server maps; the seconds it took, or a
// negative value when the program ended or nothing was mapped within 20 s.
double SecondsUntilMapped(xcb_connection_t* x, const std::string& program)
{
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    double seconds = -1;
    const int fd = xcb_get_file_descriptor(x);
    while (Clock::now() - start < std::chrono::seconds(20)) {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(fd, &ready);
        timeval wait{0, 100000};
        select(fd + 1, &ready, nullptr, nullptr, &wait);
        bool mapped = false;
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY)
                mapped = true;
            free(event);
        }
        if (mapped) {
            seconds = std::chrono::duration<double>(Clock::now() - start).count();
            break;
        }
        if (waitpid(child, nullptr, WNOHANG) == child)
            return -1;
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    return seconds;
}

// One connection for the whole run, listening to what happens to the root window's children.
xcb_connection_t* Server()
{
    static xcb_connection_t* x = [] {
        xcb_connection_t* c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(c))
            return static_cast<xcb_connection_t*>(nullptr);
        xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(c);
        return c;
    }();
    return x;
}

void MeasureMapping(benchmark::State& state, const char* name)
{
    xcb_connection_t* x = Server();
    if (!x) {
        state.SkipWithError("no X server: run under xvfb-run");
        return;
    }
    const std::string program = ProgramBeside(name);
    for (auto _ : state) {
        const double seconds = SecondsUntilMapped(x, program);
        if (seconds < 0) {
            state.SkipWithError("the program mapped no window");
            break;
        }
        state.SetIterationTime(seconds);
    }
}

void BM_BareWindowMapped(benchmark::State& state) { MeasureMapping(state, "bare_window"); }
void BM_VantoraMainWindowMapped(benchmark::State& state) { MeasureMapping(state, "Vantora"); }

} // namespace

// Five repetitions of three starts each; the report gives their median.
BENCHMARK(BM_BareWindowMapped)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_VantoraMainWindowMapped)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
