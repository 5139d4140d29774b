#include "watched_program.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <thread>

#include "proc_status.h"

namespace {

constexpr auto kPatience = std::chrono::seconds(30);

// What a caller's environment may hold that would take the program away from
// the watched X display, or give it another size than its own.
constexpr const char* kCallersQtChoices[] = {"QT_QPA_PLATFORM", "QT_SCALE_FACTOR",
                                             "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING",
                                             "QT_FONT_DPI"};

}  // namespace

WatchedProgram::WatchedProgram(const std::string& path, const std::vector<std::string>& arguments)
    : display_(XOpenDisplay(nullptr)) {
    if (display_ == nullptr) {
        return;
    }
    int damageErrorBase = 0;
    if (!XDamageQueryExtension(display_, &damageEventBase_, &damageErrorBase)) {
        damageEventBase_ = -1;
    }
    XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
    XSync(display_, False);
    startedAt_ = Clock::now();
    pid_ = fork();
    if (pid_ == 0) {
        std::vector<char*> argv{const_cast<char*>(path.c_str())};
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        for (const char* variable : kCallersQtChoices) {
            unsetenv(variable);
        }
        execv(path.c_str(), argv.data());
        _exit(127);
    }
}

WatchedProgram::~WatchedProgram() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (display_ != nullptr) {
        XCloseDisplay(display_);
    }
}

bool WatchedProgram::running() const {
    // Looks without reaping, so that waitForExit still gets the status.
    siginfo_t info{};
    return waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == 0;
}

WatchedProgram::WindowId WatchedProgram::waitForWindow() {
    const auto deadline = Clock::now() + kPatience;
    while (pid_ > 0 && Clock::now() < deadline && running()) {
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == MapNotify) {
                mappedAt_ = Clock::now();
                // Told of every drawing from now on: the program draws its
                // first frame only once it is told that its window is shown.
                if (damageEventBase_ >= 0) {
                    damage_ =
                        XDamageCreate(display_, event.xmap.window, XDamageReportRawRectangles);
                    XFlush(display_);
                }
                return event.xmap.window;
            }
        }
        pollfd connection{ConnectionNumber(display_), POLLIN, 0};
        poll(&connection, 1, 100);
    }
    return None;
}

std::string WatchedProgram::title(WindowId window) const {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display_, window, XInternAtom(display_, "_NET_WM_NAME", False), 0, 1024,
                       False, XInternAtom(display_, "UTF8_STRING", False), &type, &format, &count,
                       &remaining, &data);
    std::string text = data ? std::string(reinterpret_cast<char*>(data), count) : std::string();
    if (data) {
        XFree(data);
    }
    return text;
}

std::string WatchedProgram::windowClass(WindowId window) const {
    XClassHint hint{};
    if (XGetClassHint(display_, window, &hint) == 0) {
        return {};
    }
    std::string names = std::string(hint.res_name) + " " + hint.res_class;
    XFree(hint.res_name);
    XFree(hint.res_class);
    return names;
}

int WatchedProgram::width(WindowId window) const {
    XWindowAttributes attributes{};
    XGetWindowAttributes(display_, window, &attributes);
    return attributes.width;
}

int WatchedProgram::height(WindowId window) const {
    XWindowAttributes attributes{};
    XGetWindowAttributes(display_, window, &attributes);
    return attributes.height;
}

bool WatchedProgram::hasFixedSize(WindowId window) const {
    XSizeHints hints{};
    long supplied = 0;
    XGetWMNormalHints(display_, window, &hints, &supplied);
    return (hints.flags & PMinSize) && (hints.flags & PMaxSize) &&
           hints.min_width == hints.max_width && hints.min_height == hints.max_height;
}

unsigned long WatchedProgram::motifFunctions(WindowId window) const {
    const Atom hints = XInternAtom(display_, "_MOTIF_WM_HINTS", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display_, window, hints, 0, 5, False, hints, &type, &format, &count,
                       &remaining, &data);
    unsigned long functions = 0;
    constexpr unsigned long kFunctionsGiven = 1;
    if (data != nullptr && count >= 2) {
        const auto* fields = reinterpret_cast<const unsigned long*>(data);
        functions = (fields[0] & kFunctionsGiven) ? fields[1] : 0;
    }
    if (data != nullptr) {
        XFree(data);
    }
    return functions;
}

WatchedProgram::Clock::duration WatchedProgram::timeToQuietFrame(WindowId window,
                                                                 Clock::duration quiet) {
    Clock::time_point lastDrawn{};
    const auto deadline = Clock::now() + kPatience;
    while (damage_ != 0 && Clock::now() < deadline) {
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == damageEventBase_ + XDamageNotify &&
                reinterpret_cast<XDamageNotifyEvent*>(&event)->drawable == window) {
                lastDrawn = Clock::now();
            }
        }
        const auto since =
            Clock::now() - (lastDrawn == Clock::time_point{} ? mappedAt_ : lastDrawn);
        if (since >= quiet) {
            break;
        }
        pollfd connection{ConnectionNumber(display_), POLLIN, 0};
        poll(&connection, 1, 5);
    }
    return lastDrawn == Clock::time_point{} ? Clock::duration{} : lastDrawn - startedAt_;
}

long WatchedProgram::privateDirtyKib() const {
    return ProcKib(std::to_string(pid_), "smaps_rollup", "Private_Dirty");
}

void WatchedProgram::askToClose(WindowId window) {
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &message);
    XFlush(display_);
}

int WatchedProgram::waitForExit() {
    const auto deadline = Clock::now() + kPatience;
    while (Clock::now() < deadline) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return -1;
}
