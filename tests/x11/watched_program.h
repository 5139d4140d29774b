#pragma once

#include <sys/types.h>
#include <chrono>
#include <string>
#include <vector>

struct _XDisplay;

// A program started on the X display named by DISPLAY and watched from the
// outside, as the window system sees it: no hook in the program is needed.
class WatchedProgram {
public:
    using Clock = std::chrono::steady_clock;
    using WindowId = unsigned long;

    // Connects to the display, then starts `path` with `arguments`. Check
    // connected().
    explicit WatchedProgram(const std::string& path,
                            const std::vector<std::string>& arguments = {});
    ~WatchedProgram();
    WatchedProgram(const WatchedProgram&) = delete;
    WatchedProgram& operator=(const WatchedProgram&) = delete;

    bool connected() const { return display_ != nullptr; }

    // The program's first top-level window once it is mapped; 0 when the
    // program ends first or nothing appears in time.
    WindowId waitForWindow();
    // From just before the program started to the map of its window.
    Clock::duration timeToWindow() const { return mappedAt_ - startedAt_; }
    // Waits until `window` has drawn nothing for `quiet`, and gives the time
    // from just before the program started to the last drawing before that:
    // its first complete frame. Zero when the window drew nothing at all.
    Clock::duration timeToQuietFrame(WindowId window, Clock::duration quiet);

    std::string title(WindowId window) const;
    // The instance and class names of WM_CLASS, joined by a blank.
    std::string windowClass(WindowId window) const;
    int width(WindowId window) const;
    int height(WindowId window) const;
    // Whether the window asks for a fixed size: equal minimum and maximum.
    bool hasFixedSize(WindowId window) const;
    // The functions that the window asks the window manager to offer in its
    // title bar (_MOTIF_WM_HINTS); 0 when it names none.
    unsigned long motifFunctions(WindowId window) const;
    static constexpr unsigned long kMotifAll = 1, kMotifMinimize = 8, kMotifMaximize = 16,
                                   kMotifClose = 32;

    // The memory that the program has written and shares with no other
    // process (Private_Dirty of smaps_rollup), in KiB: what it costs beyond
    // the libraries that every Qt program maps.
    long privateDirtyKib() const;

    // Sends WM_DELETE_WINDOW, as the window manager does for the close button.
    void askToClose(WindowId window);
    // The program's exit status; -1 when it did not end in time and was killed.
    int waitForExit();

private:
    bool running() const;

    _XDisplay* display_ = nullptr;
    int damageEventBase_ = -1;
    pid_t pid_ = -1;
    Clock::time_point startedAt_;
    Clock::time_point mappedAt_;
    unsigned long damage_ = 0;
};
