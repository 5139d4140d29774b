// Start-up of the program against the baseline window, run in turn on the X
// display named by DISPLAY (a private Xvfb): the time from process start to
// the map of the window and to its first complete frame (the last drawing
// before the window goes quiet), and the memory that the process has written
// and shares with no other (Private_Dirty) once the frame is complete.
//
//     startup_bench [PAIRS [PROGRAM BASELINE]]
//
// Other programs in place of the two let the difference be taken apart.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "watched_program.h"

namespace {

constexpr int kDefaultPairs = 15;
constexpr int kWarmUpPairs = 2;
// How long a window draws nothing before its frame counts as complete.
constexpr auto kQuiet = std::chrono::milliseconds(300);

struct Run {
    double mapMs = 0;
    double frameMs = 0;
    long privateKib = 0;
};

double Milliseconds(WatchedProgram::Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

bool Measure(const char* path, Run& run) {
    WatchedProgram program(path);
    if (!program.connected()) {
        std::fprintf(stderr, "no X display: run under xvfb-run\n");
        return false;
    }
    const WatchedProgram::WindowId window = program.waitForWindow();
    if (window == 0) {
        std::fprintf(stderr, "%s: no window appeared\n", path);
        return false;
    }
    run.mapMs = Milliseconds(program.timeToWindow());
    run.frameMs = Milliseconds(program.timeToQuietFrame(window, kQuiet));
    if (run.frameMs == 0) {
        std::fprintf(stderr, "%s: the window drew nothing (is DAMAGE there?)\n", path);
        return false;
    }
    run.privateKib = program.privateDirtyKib();
    program.askToClose(window);
    const int status = program.waitForExit();
    if (status != 0) {
        std::fprintf(stderr, "%s: exit status %d after closing\n", path, status);
    }
    return status == 0;
}

template <typename Field>
double Median(std::vector<Run> runs, Field field) {
    std::sort(runs.begin(), runs.end(),
              [&](const Run& a, const Run& b) { return a.*field < b.*field; });
    const std::size_t middle = runs.size() / 2;
    return runs.size() % 2 ? runs[middle].*field
                           : (runs[middle - 1].*field + runs[middle].*field) / 2.0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const int pairs = argc > 1 ? std::atoi(argv[1]) : kDefaultPairs;
    const char* programPath = argc > 3 ? argv[2] : EULER_PROGRAM;
    const char* baselinePath = argc > 3 ? argv[3] : EULER_BASELINE;
    std::vector<Run> program;
    std::vector<Run> baseline;
    for (int i = 0; i < kWarmUpPairs + pairs; ++i) {
        Run a;
        Run b;
        if (!Measure(programPath, a) || !Measure(baselinePath, b)) {
            return 1;
        }
        if (i >= kWarmUpPairs) {
            program.push_back(a);
            baseline.push_back(b);
            std::printf(
                "pair %2d: program %6.1f / %6.1f ms %6ld KiB, baseline %6.1f / %6.1f ms "
                "%6ld KiB\n",
                i - kWarmUpPairs + 1, a.mapMs, a.frameMs, a.privateKib, b.mapMs, b.frameMs,
                b.privateKib);
        }
    }
    if (pairs <= 0) {
        return 0;
    }
    std::printf("\nmedians over %d pairs (times from the start of the process)\n", pairs);
    const auto compare = [&](const char* what, auto field, const char* target) {
        const double mine = Median(program, field);
        const double theirs = Median(baseline, field);
        std::printf("%-22s program %7.1f ms, baseline %7.1f ms, ratio %.3f%s\n", what, mine, theirs,
                    mine / theirs, target);
    };
    compare("map of the window:", &Run::mapMs, "");
    compare("first complete frame:", &Run::frameMs, " (target <= 1.10)");
    const double mine = Median(program, &Run::privateKib);
    const double theirs = Median(baseline, &Run::privateKib);
    std::printf("%-22s program %7.0f KiB, baseline %7.0f KiB, over by %.2f MiB (target <= 0.5)\n",
                "private memory:", mine, theirs, (mine - theirs) / 1024);
    return 0;
}
