// Start-up of the program against the baseline window, run in turn on the X
// display named by DISPLAY (a private Xvfb): the time from process start to
// the map of the window, and the peak resident memory once it is up.
//
//     startup_bench [PAIRS [PROGRAM BASELINE]]
//
// Other programs in place of the two let the difference be taken apart.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "watched_program.h"

namespace {

constexpr int kDefaultPairs = 15;
constexpr int kWarmUpPairs = 2;
// Time for the first frame after the map, before the memory is read.
constexpr auto kSettle = std::chrono::milliseconds(300);

struct Run {
    double milliseconds = 0;
    long peakKib = 0;
};

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
    run.milliseconds = std::chrono::duration<double, std::milli>(program.timeToWindow()).count();
    std::this_thread::sleep_for(kSettle);
    run.peakKib = program.peakResidentKib();
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
            std::printf("pair %2d: program %6.1f ms %6ld KiB, baseline %6.1f ms %6ld KiB\n",
                        i - kWarmUpPairs + 1, a.milliseconds, a.peakKib, b.milliseconds, b.peakKib);
        }
    }
    if (pairs <= 0) {
        return 0;
    }
    const double programMs = Median(program, &Run::milliseconds);
    const double baselineMs = Median(baseline, &Run::milliseconds);
    const double programKib = Median(program, &Run::peakKib);
    const double baselineKib = Median(baseline, &Run::peakKib);
    std::printf("\nmedians over %d pairs\n", pairs);
    std::printf("time to window: program %.1f ms, baseline %.1f ms, ratio %.3f (target <= 1.10)\n",
                programMs, baselineMs, programMs / baselineMs);
    std::printf(
        "peak memory:    program %.0f KiB, baseline %.0f KiB, over by %.2f MiB "
        "(target <= 1.5)\n",
        programKib, baselineKib, (programKib - baselineKib) / 1024);
    return 0;
}
