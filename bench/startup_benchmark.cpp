// Start-up and memory of the program's window against the floor Qt sets: a bare window of the same size.
// Each start is a fresh process (the probe beside this executable), timed from just before it is spawned to
// its first painted frame. Runs on whatever platform QT_QPA_PLATFORM names.
//
// Usage: testola_startup_benchmark [RUNS]

#include "monotonic_clock.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Runs the probe in the given mode and returns the "name value" lines it printed.
std::map<std::string, long long> RunProbe(const std::string& probe, const std::string& mode, long long& started) {
    std::array<int, 2> pipeEnds{};
    if (pipe(pipeEnds.data()) != 0) {
        throw std::runtime_error("pipe failed");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::string modeArgument = mode;
    std::string probeArgument = probe;
    std::array<char*, 3> arguments{probeArgument.data(), modeArgument.data(), nullptr};
    pid_t child = 0;
    started = MonotonicNanoseconds();
    if (posix_spawn(&child, probe.c_str(), &actions, nullptr, arguments.data(), environ) != 0) {
        throw std::runtime_error("cannot start " + probe);
    }
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);

    std::string output;
    std::array<char, 512> buffer{};
    for (ssize_t got = 0; (got = read(pipeEnds[0], buffer.data(), buffer.size())) > 0;) {
        output.append(buffer.data(), static_cast<std::size_t>(got));
    }
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error("the probe failed in mode " + mode);
    }

    std::map<std::string, long long> values;
    std::size_t lineStart = 0;
    while (lineStart < output.size()) {
        const std::size_t lineEnd = output.find('\n', lineStart);
        const std::string line = output.substr(lineStart, lineEnd - lineStart);
        const std::size_t space = line.find(' ');
        if (space != std::string::npos) {
            values[line.substr(0, space)] = std::stoll(line.substr(space + 1));
        }
        lineStart = lineEnd == std::string::npos ? output.size() : lineEnd + 1;
    }
    return values;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct StartFigures {
    double Milliseconds;
    double PeakMebibytes;
};

} // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    std::string self = argv[0];
    const std::string probe = self.substr(0, self.rfind('/') + 1) + "testola_startup_probe";
    const char* platform = std::getenv("QT_QPA_PLATFORM");

    try {
        // Alternate the two so that a change in the machine's load falls on both alike; one warm-up each.
        std::map<std::string, std::vector<double>> milliseconds;
        std::map<std::string, std::vector<double>> mebibytes;
        for (int run = -1; run < runs; ++run) {
            for (const std::string mode : {"bare", "text", "controls", "program"}) {
                long long started = 0;
                const auto values = RunProbe(probe, mode, started);
                if (run >= 0) {
                    milliseconds[mode].push_back(static_cast<double>(values.at("frame_ns") - started) / 1e6);
                    mebibytes[mode].push_back(static_cast<double>(values.at("peak_rss_kib")) / 1024.0);
                }
            }
        }
        const StartFigures bare{Median(milliseconds["bare"]), Median(mebibytes["bare"])};
        const StartFigures text{Median(milliseconds["text"]), Median(mebibytes["text"])};
        const StartFigures controls{Median(milliseconds["controls"]), Median(mebibytes["controls"])};
        const StartFigures program{Median(milliseconds["program"]), Median(mebibytes["program"])};
        long long ignored = 0;
        const auto clicks = RunProbe(probe, "clicks", ignored);

        std::printf("platform %s, median of %d starts each\n", platform != nullptr ? platform : "(default)", runs);
        std::printf("%-22s %12s %14s\n", "", "first frame", "peak memory");
        std::printf("%-22s %9.1f ms %10.1f MiB\n", "bare Qt window", bare.Milliseconds, bare.PeakMebibytes);
        std::printf("%-22s %9.1f ms %10.1f MiB\n", "bare window with text", text.Milliseconds, text.PeakMebibytes);
        std::printf("%-22s %9.1f ms %10.1f MiB\n", "bare window, controls", controls.Milliseconds,
                    controls.PeakMebibytes);
        std::printf("%-22s %9.1f ms %10.1f MiB\n", "Testola window", program.Milliseconds, program.PeakMebibytes);
        std::printf("%-22s %9.2f x  %10.2f x\n", "ratio to bare", program.Milliseconds / bare.Milliseconds,
                    program.PeakMebibytes / bare.PeakMebibytes);
        std::printf("%-22s %9.2f x  %10.2f x\n", "ratio to text", program.Milliseconds / text.Milliseconds,
                    program.PeakMebibytes / text.PeakMebibytes);
        std::printf("%-22s %9.2f x  %10.2f x\n", "ratio to controls", program.Milliseconds / controls.Milliseconds,
                    program.PeakMebibytes / controls.PeakMebibytes);
        std::printf("exam button click to repainted panel: median %.3f ms, 95th percentile %.3f ms\n",
                    static_cast<double>(clicks.at("click_median_ns")) / 1e6,
                    static_cast<double>(clicks.at("click_p95_ns")) / 1e6);

        // Return on the answer button until the box's first frame, against a bare window opening a plain
        // QInputDialog, in alternating pairs of fresh processes.
        const std::string boxProbe = self.substr(0, self.rfind('/') + 1) + "testola_answer_box_probe";
        std::vector<double> boxRatios;
        std::vector<double> boxMilliseconds;
        std::vector<double> bareMilliseconds;
        for (int pair = 0; pair < runs; ++pair) {
            const double box = static_cast<double>(RunProbe(boxProbe, "answer", ignored).at("box_ns")) / 1e6;
            const double plain = static_cast<double>(RunProbe(boxProbe, "bare", ignored).at("box_ns")) / 1e6;
            boxMilliseconds.push_back(box);
            bareMilliseconds.push_back(plain);
            boxRatios.push_back(box / plain);
        }
        std::printf("Return to the answer box's first frame: median %.2f ms, bare QInputDialog %.2f ms, ratio %.2f x"
                    " (median of %d pairs)\n",
                    Median(boxMilliseconds), Median(bareMilliseconds), Median(boxRatios), runs);
        const auto exams = RunProbe(boxProbe, "exams", ignored);
        std::printf("resident memory after 2 whole exams %.1f MiB, after 200 %.1f MiB\n",
                    static_cast<double>(exams.at("rss_after_2_kib")) / 1024.0,
                    static_cast<double>(exams.at("rss_after_200_kib")) / 1024.0);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "startup benchmark: %s\n", failure.what());
        return 1;
    }
    return 0;
}
