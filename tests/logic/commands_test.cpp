#include <gtest/gtest.h>

#include <limits>

#include "commands.h"
#include "form_contents.h"
#include "form_model.h"

namespace euler {
namespace {

// A form in the middle of use: an earlier check of 5, and 12 typed since.
FormModel FormAfterACheck() {
    FormModel form;
    form.setInputText(U"5");
    OnCommand(form, kCheckCommand);
    form.setInputText(U"12");
    return form;
}

TEST(OnLoad, EmptiesTheInputAndSelectionAndKeepsTheTaskText) {
    FormModel form;
    form.setInputText(U"7");
    form.setSelection(4);
    OnLoad(form);
    EXPECT_EQ(form.inputText(), U"");
    EXPECT_EQ(form.selection(), kNoSelection);
    EXPECT_EQ(form.transcript(), TaskText());
}

TEST(OnCommand, CheckButtonRunsTheCheck) {
    FormModel form;
    OnLoad(form);
    form.setInputText(U"5");
    OnCommand(form, kCheckCommand);
    EXPECT_EQ(form.transcript(), U"Изчислявам: 5*6+41\r\nИзчисленото число е: 71\r\n");
    EXPECT_EQ(form.selection(), 19);
}

TEST(OnCommand, ClearButtonEmptiesInputSelectionAndTranscript) {
    FormModel form = FormAfterACheck();
    OnCommand(form, kClearCommand);
    EXPECT_EQ(form.inputText(), U"");
    EXPECT_EQ(form.selection(), kNoSelection);
    EXPECT_EQ(form.transcript(), U"");
}

TEST(OnCommand, ClearButtonRemovesTheQuestionMarkOfARejection) {
    FormModel form;
    form.setInputText(U"31");
    OnCommand(form, kCheckCommand);
    ASSERT_EQ(form.inputText(), U"?");
    OnCommand(form, kClearCommand);
    EXPECT_EQ(form.inputText(), U"");
}

TEST(OnCommand, CheckAfterClearWritesAFreshTranscript) {
    FormModel form = FormAfterACheck();
    OnCommand(form, kClearCommand);
    form.setInputText(U"0");
    OnCommand(form, kCheckCommand);
    EXPECT_EQ(form.transcript(), U"Изчислявам: 0*1+41\r\nИзчисленото число е: 41\r\n");
    EXPECT_EQ(form.selection(), 12);
}

TEST(OnCommand, OtherButtonIndexesDoNothing) {
    for (const std::int16_t index : {std::int16_t{-1}, std::int16_t{2}, std::int16_t{100},
                                     std::numeric_limits<std::int16_t>::min()}) {
        FormModel form = FormAfterACheck();
        OnCommand(form, index);
        EXPECT_EQ(form.inputText(), U"12") << index;
        EXPECT_EQ(form.selection(), 19) << index;
        EXPECT_EQ(form.transcript(), FormAfterACheck().transcript()) << index;
    }
}

}  // namespace
}  // namespace euler
