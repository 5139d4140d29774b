// The scripts that drive the real program from the outside (scripts/form.sh)
// click and look where the window's layout puts its controls.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

#include "form_layout.h"
#include "utf8.h"

namespace {

using euler::kControls;

std::string Geometry(const euler::Place& twips) {
    const euler::Place p = euler::InPixels(twips);
    return std::to_string(p.width) + "x" + std::to_string(p.height) + "+" + std::to_string(p.left) +
           "+" + std::to_string(p.top);
}

TEST(ScriptPlacesAgree, WithTheWindowsLayout) {
    std::ifstream file(EULER_FORM_SH);
    ASSERT_TRUE(file) << EULER_FORM_SH;
    std::map<std::string, std::string> values;
    for (std::string line; std::getline(file, line);) {
        const auto equals = line.find('=');
        if (line.starts_with("form_") && equals != std::string::npos) {
            std::string value = line.substr(equals + 1);
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
                value = value.substr(1, value.size() - 2);
            }
            values[line.substr(0, equals)] = value;
        }
    }
    const euler::Place area = euler::InPixels(euler::kClientArea);
    const std::map<std::string, std::string> expected{
        {"form_caption", euler::Utf8(euler::kWindowCaption)},
        {"form_size", std::to_string(area.width) + "x" + std::to_string(area.height)},
        {"form_transcript", Geometry(kControls[euler::kTranscriptBox].place)},
        {"form_list", Geometry(kControls[euler::kPrimeList].place)},
        {"form_input_box", Geometry(kControls[euler::kInputBox].place)},
        {"form_check_button", Geometry(kControls[euler::kCheckButton].place)},
    };
    EXPECT_EQ(values, expected);
}

}  // namespace
