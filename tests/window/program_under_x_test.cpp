// Starts the real program on an X server (run it under xvfb-run) and watches
// it from the outside, as the window system sees it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "watched_program.h"

namespace {

// EULER_PROGRAM in the environment names another binary: an installed one.
const char* ProgramPath() {
    const char* path = std::getenv("EULER_PROGRAM");
    return path ? path : EULER_PROGRAM;
}

TEST(ProgramUnderX, OpensItsFixedWindowAndEndsWhenItIsClosed) {
    WatchedProgram program(ProgramPath());
    ASSERT_TRUE(program.connected()) << "no X server: run this test under xvfb-run";

    const WatchedProgram::WindowId window = program.waitForWindow();
    ASSERT_NE(window, 0u) << "the program's window never appeared";
    EXPECT_EQ(program.title(window), "https://www.example.org Информатика - функция на Ойлер");
    EXPECT_EQ(program.width(window), 462);
    EXPECT_EQ(program.height(window), 345);
    EXPECT_TRUE(program.hasFixedSize(window));

    program.askToClose(window);
    EXPECT_EQ(program.waitForExit(), 0);
}

}  // namespace
