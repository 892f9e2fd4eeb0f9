// Start-up of Kavrena against a bare window, both on one X server, runs alternating: the time
// from starting the program to its window being mapped, as the X server reports the map, and
// the program's peak resident memory. A program whose name ends in .exe runs under Wine, in the
// Wine environment the caller gives, and on the display KAVRENA_BENCH_DISPLAY names (that of
// the Wine session); other programs run on a private Xvfb.
//   kavrena_startup_bench KAVRENA BARE_WINDOW [OTHER...]
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double milliseconds;
    long peakKib;
};

// Starts Xvfb on a free display; its number, or -1.
int startXvfb(pid_t& server) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    server = fork();
    if (server == 0) {
        dup2(pipeEnds[1], 3);
        execlp("Xvfb", "Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    char number[16] = {};
    const ssize_t got = read(pipeEnds[0], number, sizeof number - 1);
    close(pipeEnds[0]);
    return got > 0 ? std::atoi(number) : -1;
}

// Runs the program until the server maps a top-level window of it, then ends it.
Sample measure(xcb_connection_t* connection, const char* program, const std::string& display) {
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        setenv("DISPLAY", display.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        if (std::string_view(program).ends_with(".exe"))
            execlp("wine", "wine", program, static_cast<char*>(nullptr));
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    double mapped = -1;
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const bool isMap = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
        std::free(event);
        if (isMap) {
            mapped = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
    }
    // Let it draw what it shows, so that its memory is that of a shown window.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return {mapped, usage.ru_maxrss};
}

template <typename Value> Value median(std::vector<Value> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One field of every sample.
template <typename Value>
std::vector<Value> column(const std::vector<Sample>& samples, Value Sample::*field) {
    std::vector<Value> values;
    values.reserve(samples.size());
    for (const Sample& sample : samples)
        values.push_back(sample.*field);
    return values;
}

} // namespace

// The first program is measured against the second; any further ones are shown beside them.
int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: kavrena_startup_bench PROGRAM BASELINE [OTHER...]\n"
                     "       (KAVRENA_STARTUP_RUNS sets the runs of each, 21 by default)\n");
        return 2;
    }
    const char* runsSetting = std::getenv("KAVRENA_STARTUP_RUNS");
    const int runs = runsSetting != nullptr ? std::atoi(runsSetting) : 21;
    char runtimeDirectory[] = "/tmp/kavrena-startup-XXXXXX"; // Qt warns on every start without one
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr && mkdtemp(runtimeDirectory) != nullptr)
        setenv("XDG_RUNTIME_DIR", runtimeDirectory, 1);
    pid_t server = -1;
    std::string display;
    if (const char* given = std::getenv("KAVRENA_BENCH_DISPLAY")) {
        display = given;
    } else {
        const int number = startXvfb(server);
        if (number < 0) {
            std::fprintf(stderr, "kavrena_startup_bench: Xvfb did not start\n");
            return 1;
        }
        char name[32];
        std::snprintf(name, sizeof name, ":%d", number);
        display = name;
    }
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const std::vector<const char*> programs(argv + 1, argv + argc);
    std::vector<std::vector<Sample>> samples(programs.size());
    for (const char* program : programs)
        measure(connection, program, display); // warms the file and font caches
    for (int run = 0; run < runs; ++run) {
        for (std::size_t p = 0; p < programs.size(); ++p)
            samples[p].push_back(measure(connection, programs[p], display));
    }
    xcb_disconnect(connection);
    if (server > 0) {
        kill(server, SIGTERM);
        waitpid(server, nullptr, 0);
    }

    std::printf("%d alternating runs each; medians; ratios to %s\n", runs, programs[1]);
    std::printf("%-32s %12s %8s %14s %8s\n", "program", "to map (ms)", "ratio", "peak RSS (KiB)",
                "ratio");
    const double baseTime = median(column(samples[1], &Sample::milliseconds));
    const long basePeak = median(column(samples[1], &Sample::peakKib));
    for (std::size_t p = 0; p < programs.size(); ++p) {
        const std::string path = programs[p];
        const double time = median(column(samples[p], &Sample::milliseconds));
        const long peak = median(column(samples[p], &Sample::peakKib));
        std::printf("%-32s %12.1f %8.2f %14ld %8.2f\n", path.substr(path.rfind('/') + 1).c_str(),
                    time, time / baseTime, peak,
                    static_cast<double>(peak) / static_cast<double>(basePeak));
    }
    return 0;
}
