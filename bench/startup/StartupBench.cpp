// Start-up: each program from exec to the first paint of its main screen, offscreen, against a
// bare Qt Widgets program opening one 240 x 320 window (the floor). A second reference,
// Startup/FloorWithText, is the same window showing one line of text: what any program that
// draws a word pays on top of the bare window (the font database's set-up). Every run is a fresh
// process started with posix_spawn; the first-paint probe (FirstPaintProbe_qt.cpp, preloaded)
// notes the time and the peak resident set at that paint and ends the process.
//
// Names: Startup/<program>, with Startup/Floor for the bare window. Times are exec to first
// paint (manual time, wall clock); counters: "peak_kb" the median peak resident set (VmHWM) at
// the first paint, "rss_kb" the median resident set then. The label is the painted window's
// class and title, to show that the main screen is what was timed.
//
// The programs' paths come from the command line after the benchmark flags' -- :
//     startup_bench [benchmark flags] -- <probe.so> <floor> [<program> ...]

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/BenchData.h"

extern char** environ;

namespace {

std::string g_probe;

long long Now()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (long long)now.tv_sec * 1000000000LL + now.tv_nsec;
}

struct ProbeLine {
    long long paintNs = 0;
    long vmhwmKb = 0;
    long vmrssKb = 0;
    std::string rest;
};

bool RunOnce(const std::string& program, const std::vector<std::string>& arguments, ProbeLine& line,
             std::string& error)
{
    const std::string out = bench::WorkFolder() + "/probe.txt";
    std::remove(out.c_str());
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        if (std::strncmp(*e, "LD_PRELOAD=", 11) && std::strncmp(*e, "PHRASEBOOK_PROBE_OUT=", 21) &&
            std::strncmp(*e, "QT_QPA_PLATFORM=", 16))
            env.emplace_back(*e);
    }
    env.push_back("LD_PRELOAD=" + g_probe);
    env.push_back("PHRASEBOOK_PROBE_OUT=" + out);
    env.push_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string path = program;
    std::vector<std::string> words = arguments;
    std::vector<char*> argv{path.data()};
    for (auto& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const long long start = Now();
    pid_t pid;
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        error = "cannot start " + program;
        return false;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    std::vector<uint8_t> bytes;
    if (!bench::ReadWholeFile(out, bytes) || bytes.empty()) {
        error = program + " ended without a first paint";
        return false;
    }
    const std::string text(bytes.begin(), bytes.end());
    if (std::sscanf(text.c_str(), "paint_ns=%lld vmhwm_kb=%ld vmrss_kb=%ld", &line.paintNs, &line.vmhwmKb,
                    &line.vmrssKb) != 3) {
        error = "unreadable probe line: " + text;
        return false;
    }
    line.paintNs -= start;
    const size_t window = text.find("window=");
    line.rest = window == std::string::npos ? "" : text.substr(window, text.find('\n') - window);
    return true;
}

void Startup(benchmark::State& state, std::string program, std::vector<std::string> arguments)
{
    std::vector<double> peaks, rss;
    std::string label;
    for (auto _ : state) {
        ProbeLine line;
        std::string error;
        if (!RunOnce(program, arguments, line, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        state.SetIterationTime(line.paintNs / 1e9);
        peaks.push_back((double)line.vmhwmKb);
        rss.push_back((double)line.vmrssKb);
        label = line.rest;
    }
    state.counters["peak_kb"] = bench::Median(peaks);
    state.counters["rss_kb"] = bench::Median(rss);
    state.SetLabel(label);
}

std::string BaseName(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    // What is left after the benchmark flags: [--] probe floor programs...
    std::vector<std::string> rest;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--") != 0)
            rest.emplace_back(argv[i]);
    if (rest.size() < 2) {
        std::fprintf(stderr, "usage: %s [benchmark flags] -- <probe.so> <floor> [<program> ...]\n", argv[0]);
        return 2;
    }
    g_probe = rest[0];
    const auto add = [](const std::string& name, const std::string& program, std::vector<std::string> arguments) {
        benchmark::RegisterBenchmark(name.c_str(), Startup, program, std::move(arguments))
            ->UseManualTime()
            ->Iterations(10)
            ->Unit(benchmark::kMillisecond);
    };
    add("Startup/Floor", rest[1], {});
    add("Startup/FloorWithText", rest[1], {"--text"});
    for (size_t i = 2; i < rest.size(); ++i)
        add("Startup/" + BaseName(rest[i]), rest[i], {});
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
