// Process start to the mapped main window on an X display, against the floor of a minimal Qt
// Widgets program of the same size started on the same display, the two interleaved. Needs
// DISPLAY (run it under xvfb-run); reports both medians and their ratio.
//
// The benchmark stays connected to the display while it runs, as a desktop's own clients do:
// otherwise a server started by xvfb-run resets whenever a program leaves, and the next
// program's start waits for that reset, which adds the same ~45 ms to both and flatters the
// ratio.

#include <benchmark/benchmark.h>
#include <xcb/xcb.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

extern char** environ;

namespace {

std::string programDirectory() {
    std::string self(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", self.data(), self.size());
    self.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return self.substr(0, self.rfind('/') + 1);
}

// Milliseconds from the spawn to the child's "mapped" line; negative when it never came.
double startToMapped(const std::string& program) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::vector<std::string> environment{"VELMORA_MARK_MAPPED=1", "LC_ALL=de_DE.UTF-8"};
    for (char** entry = environ; *entry != nullptr; ++entry) {
        environment.emplace_back(*entry);
    }
    std::vector<char*> envp;
    for (std::string& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    double milliseconds = -1;
    if (spawned == 0) {
        char line[16];
        if (read(pipeEnds[0], line, sizeof line) > 0) {
            milliseconds =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
        }
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    close(pipeEnds[0]);
    return milliseconds;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void BM_StartToMappedWindowRatio(benchmark::State& state) {
    if (std::getenv("DISPLAY") == nullptr) {
        state.SkipWithError("no X display (run under xvfb-run)");
        return;
    }
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> display(
        xcb_connect(nullptr, nullptr), &xcb_disconnect);
    if (xcb_connection_has_error(display.get()) != 0) {
        state.SkipWithError("cannot connect to the X display");
        return;
    }
    const std::string directory = programDirectory();
    std::vector<double> program;
    std::vector<double> floor;
    for (auto _ : state) {
        const double minimal = startToMapped(directory + "minimal-window");
        const double velmora = startToMapped(directory + "velmora");
        if (minimal < 0 || velmora < 0) {
            state.SkipWithError("a program did not map its window");
            return;
        }
        floor.push_back(minimal);
        program.push_back(velmora);
    }
    state.counters["velmora_ms"] = median(program);
    state.counters["minimal_ms"] = median(floor);
    state.counters["ratio"] = median(program) / median(floor);
}
BENCHMARK(BM_StartToMappedWindowRatio)->Iterations(15)->Unit(benchmark::kMillisecond);

}  // namespace
