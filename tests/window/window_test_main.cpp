// Widget tests run headless, in the locale that the command line names
// (--locale=NAME; C.UTF-8 unless given), whatever the caller's environment
// holds, with one QApplication for all, set up as the program sets up its own.
#include <gtest/gtest.h>

#include <string_view>

#include "application.h"
#include "test_platform.h"

int main(int argc, char* argv[]) {
    UseTestPlatform("offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    constexpr std::string_view kLocaleOption = "--locale=";
    QByteArray locale = "C.UTF-8";
    for (int i = 1; i < argc; ++i) {
        if (const std::string_view argument = argv[i]; argument.starts_with(kLocaleOption)) {
            locale = argv[i] + kLocaleOption.size();
        }
    }
    qputenv("LC_ALL", locale);
    Application app(argc, argv);
    return RUN_ALL_TESTS();
}
