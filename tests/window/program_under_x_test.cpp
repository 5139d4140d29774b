// Starts the real program on an X server (run it under xvfb-run) and watches
// it from the outside, as the window system sees it.
#include <gtest/gtest.h>
// Xlib's macros (None, Bool) must come after GoogleTest's names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(30);

std::string Utf8Property(Display* display, Window window, const char* name) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1024, False,
                       XInternAtom(display, "UTF8_STRING", False), &type, &format, &count,
                       &remaining, &data);
    std::string text = data ? std::string(reinterpret_cast<char*>(data), count) : std::string();
    if (data) {
        XFree(data);
    }
    return text;
}

// The first top-level window mapped on the display; None when the program
// ends first or nothing appears within kPatience.
Window WaitForMappedWindow(Display* display, pid_t program) {
    const auto deadline = Clock::now() + kPatience;
    while (Clock::now() < deadline && waitpid(program, nullptr, WNOHANG) == 0) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify) {
                return event.xmap.window;
            }
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 100);
    }
    return None;
}

// The program's exit status, or -1 when it has not ended after kPatience.
int WaitForExit(pid_t program) {
    const auto deadline = Clock::now() + kPatience;
    while (Clock::now() < deadline) {
        int status = 0;
        if (waitpid(program, &status, WNOHANG) == program) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(program, SIGKILL);
    waitpid(program, nullptr, 0);
    return -1;
}

void AskToClose(Display* display, Window window) {
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &message);
    XFlush(display);
}

TEST(ProgramUnderX, OpensItsFixedWindowAndEndsWhenItIsClosed) {
    const std::unique_ptr<Display, int (*)(Display*)> connection(XOpenDisplay(nullptr),
                                                                 XCloseDisplay);
    Display* display = connection.get();
    ASSERT_NE(display, nullptr) << "no X server: run this test under xvfb-run";
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const pid_t program = fork();
    ASSERT_GE(program, 0);
    if (program == 0) {
        execl(EULER_PROGRAM, EULER_PROGRAM, static_cast<char*>(nullptr));
        _exit(127);
    }

    const Window window = WaitForMappedWindow(display, program);
    ASSERT_NE(window, None) << "the program's window never appeared";
    EXPECT_EQ(Utf8Property(display, window, "_NET_WM_NAME"),
              "https://www.example.org Информатика - функция на Ойлер");

    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    EXPECT_EQ(attributes.width, 462);
    EXPECT_EQ(attributes.height, 345);

    XSizeHints hints{};
    long supplied = 0;
    XGetWMNormalHints(display, window, &hints, &supplied);
    EXPECT_TRUE((hints.flags & PMinSize) && (hints.flags & PMaxSize)) << "size is not fixed";
    EXPECT_EQ(hints.min_width, hints.max_width);
    EXPECT_EQ(hints.min_height, hints.max_height);

    AskToClose(display, window);
    EXPECT_EQ(WaitForExit(program), 0);
}

}  // namespace
