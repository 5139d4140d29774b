// Starts the real program on an X server (run it under xvfb-run) and watches
// it from the outside, as the window system sees it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "watched_program.h"

namespace {

// EULER_PROGRAM and EULER_DESKTOP_ENTRY in the environment name others than
// the build's: the installed ones.
const char* FromEnvironment(const char* variable, const char* built) {
    const char* path = std::getenv(variable);
    return path ? path : built;
}

// A key of the desktop entry that the program is started from.
std::string DesktopEntryValue(const std::string& key) {
    std::ifstream entry(FromEnvironment("EULER_DESKTOP_ENTRY", EULER_DESKTOP_ENTRY));
    for (std::string line; std::getline(entry, line);) {
        if (line.rfind(key + "=", 0) == 0) {
            return line.substr(key.size() + 1);
        }
    }
    return {};
}

TEST(ProgramUnderX, OpensItsFixedWindowAndEndsWhenItIsClosed) {
    // Options that Qt would read from a command line; the program takes none.
    WatchedProgram program(FromEnvironment("EULER_PROGRAM", EULER_PROGRAM),
                           {"-qwindowtitle", "X", "-stylesheet", "/nonexistent", "-reverse",
                            "-platform", "offscreen"});
    ASSERT_TRUE(program.connected()) << "no X server: run this test under xvfb-run";

    const WatchedProgram::WindowId window = program.waitForWindow();
    ASSERT_NE(window, 0u) << "the program's window never appeared";
    EXPECT_EQ(program.title(window), "https://www.example.org Информатика - функция на Ойлер");
    EXPECT_EQ(program.width(window), 462);
    EXPECT_EQ(program.height(window), 345);
    EXPECT_TRUE(program.hasFixedSize(window));
    // The title bar offers closing, neither minimising nor maximising.
    using W = WatchedProgram;
    EXPECT_EQ(program.motifFunctions(window) &
                  (W::kMotifAll | W::kMotifMinimize | W::kMotifMaximize | W::kMotifClose),
              W::kMotifClose);
    // Docks match the window to its desktop entry by the window's class.
    const std::string wmClass = DesktopEntryValue("StartupWMClass");
    ASSERT_FALSE(wmClass.empty());
    EXPECT_EQ(program.windowClass(window), wmClass + " " + wmClass);

    program.askToClose(window);
    EXPECT_EQ(program.waitForExit(), 0);
}

}  // namespace
