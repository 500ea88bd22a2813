// Start-up as the user sees it, for Vantora against a bare Qt main window of the same client size
// with the same File menu, started in turn (bare, Vantora, bare, ...) in one run:
// - mapped: from starting the program until the X server maps its main window;
// - first input: from that moment until a click on "File", injected through the X test
//   extension as soon as the window maps, has the server map the menu.
// Run it under an X server of its own, with no window manager:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/bench_startup_map
// The clocks stop on the MapNotify events themselves (the root window's substructure events), so
// no polling interval enters the figures. The counters give the medians over the pairs and the
// median of the pair-by-pair ratios.
#include <benchmark/benchmark.h>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;

// Where "File" lies in the menu bar, from the window's top left corner.
constexpr int FileMenuX = 16;
constexpr int FileMenuY = 10;

std::string ProgramBeside(const char* name)
{
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    std::string path = n > 0 ? std::string(self, static_cast<std::size_t>(n)) : std::string();
    return path.substr(0, path.rfind('/') + 1) + name;
}

// The server: one xcb connection that hears what happens to the root window's children, and an
// Xlib one that injects the pointer.
struct Server {
    xcb_connection_t* Events = nullptr;
    Display* Input = nullptr;
};

const Server* TheServer()
{
    static Server server = [] {
        Server s;
        xcb_connection_t* c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(c))
            return s;
        xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(c);
        int event, error, major, minor;
        Display* d = XOpenDisplay(nullptr);
        if (!d || !XTestQueryExtension(d, &event, &error, &major, &minor))
            return s;
        s.Events = c;
        s.Input = d;
        return s;
    }();
    return server.Events ? &server : nullptr;
}

void MovePointer(Display* d, int x, int y)
{
    XTestFakeMotionEvent(d, -1, x, y, CurrentTime);
    XFlush(d);
}

void Click(Display* d, int x, int y)
{
    XTestFakeMotionEvent(d, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(d, 1, True, CurrentTime);
    XTestFakeButtonEvent(d, 1, False, CurrentTime);
    XFlush(d);
}

// Waits up to 20 s for the server to map a window other than `except`; that window, or 0.
xcb_window_t NextMapped(xcb_connection_t* x, xcb_window_t except, pid_t child)
{
    const auto start = Clock::now();
    const int fd = xcb_get_file_descriptor(x);
    while (Clock::now() - start < std::chrono::seconds(20)) {
        xcb_window_t mapped = 0;
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (!mapped && map->window != except)
                    mapped = map->window;
            }
            free(event);
        }
        if (mapped)
            return mapped;
        if (waitpid(child, nullptr, WNOHANG) == child)
            return 0;
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(fd, &ready);
        timeval wait{0, 100000};
        select(fd + 1, &ready, nullptr, nullptr, &wait);
    }
    return 0;
}

struct Start {
    double Mapped = -1;      // seconds from starting the program
    double FirstInput = -1;  // seconds from the mapping until the menu mapped
};

// Starts the program, clicks "File" the moment its main window maps and ends it when the menu
// has mapped.
Start Measure(const Server& server, const std::string& program)
{
    MovePointer(server.Input, 1270, 1010);
    Start result;
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    if (const xcb_window_t main = NextMapped(server.Events, 0, child)) {
        const auto mapped = Clock::now();
        result.Mapped = std::chrono::duration<double>(mapped - start).count();
        int left = 0;
        int top = 0;
        if (xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(server.Events, xcb_get_geometry(server.Events, main),
                                                                  nullptr)) {
            left = g->x;
            top = g->y;
            free(g);
        }
        Click(server.Input, left + FileMenuX, top + FileMenuY);
        if (NextMapped(server.Events, main, child))
            result.FirstInput = std::chrono::duration<double>(Clock::now() - mapped).count();
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    // What the ended program's windows still report is no part of the next start.
    xcb_flush(server.Events);
    while (xcb_generic_event_t* event = xcb_poll_for_event(server.Events))
        free(event);
    return result;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// One iteration is one pair: the bare window, then Vantora. The iteration's time is Vantora's
// first input.
void BM_StartupPairs(benchmark::State& state)
{
    const Server* server = TheServer();
    if (!server) {
        state.SkipWithError("no X server with the test extension: run under xvfb-run");
        return;
    }
    const std::string bare = ProgramBeside("bare_window");
    const std::string vantora = ProgramBeside("Vantora");
    std::vector<double> bareMapped, vantoraMapped, mappedRatio, bareInput, vantoraInput, inputRatio;
    for (auto _ : state) {
        const Start b = Measure(*server, bare);
        const Start v = Measure(*server, vantora);
        if (b.FirstInput < 0 || v.FirstInput < 0) {
            state.SkipWithError("a program mapped no window or did not open its menu");
            return;
        }
        bareMapped.push_back(b.Mapped);
        vantoraMapped.push_back(v.Mapped);
        mappedRatio.push_back(v.Mapped / b.Mapped);
        bareInput.push_back(b.FirstInput);
        vantoraInput.push_back(v.FirstInput);
        inputRatio.push_back(v.FirstInput / b.FirstInput);
        state.SetIterationTime(v.FirstInput);
    }
    state.counters["bare_mapped_ms"] = Median(bareMapped) * 1000;
    state.counters["mapped_ms"] = Median(vantoraMapped) * 1000;
    state.counters["mapped_ratio"] = Median(mappedRatio);
    state.counters["bare_input_ms"] = Median(bareInput) * 1000;
    state.counters["input_ms"] = Median(vantoraInput) * 1000;
    state.counters["input_ratio"] = Median(inputRatio);
}

} // namespace

// Nine pairs; each program starts nine times.
BENCHMARK(BM_StartupPairs)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(9);

BENCHMARK_MAIN();
