#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "euler_check.h"
#include "form_contents.h"
#include "form_model.h"
#include "test_support.h"

namespace euler {
namespace {

using testing::ForwardingForm;
using testing::Utf8;

std::u32string Transcript(std::u32string_view calculation, std::u32string_view value) {
    return U"Изчислявам: " + std::u32string(calculation) + U"\r\nИзчисленото число е: " +
           std::u32string(value) + U"\r\n";
}

// Types `input` into the form's input box and runs the check.
void Check(FormModel& form, std::u32string_view input) {
    form.setInputText(input);
    CheckNumber(form);
}

struct AcceptedCase {
    std::u32string input;
    std::u32string separator;
    std::u32string transcript;
    std::int16_t selection;
};

TEST(CheckNumber, WritesTheCalculationAndSelectsTheValue) {
    const AcceptedCase cases[] = {
        {U"5", U".", Transcript(U"5*6+41", U"71"), 19},
        {U"0", U".", Transcript(U"0*1+41", U"41"), 12},
        {U"30", U".", Transcript(U"30*31+41", U"971"), 163},
        {U"", U".", Transcript(U"0*1+41", U"41"), 12},
        {U"-0", U".", Transcript(U"0*1+41", U"41"), 12},
        {U"ab", U".", Transcript(U"0*1+41", U"41"), 12},
        {U" 7", U".", Transcript(U"7*8+41", U"97"), 24},
        {U"+3", U",", Transcript(U"3*4+41", U"53"), 15},
        {U".1", U".", Transcript(U"0.1*1.1+41", U"41"), 12},
        {U".9", U",", Transcript(U"0,9*1,9+41", U"43"), 13},
        {U".5", U".", Transcript(U"0.5*1.5+41", U"42"), kNoSelection},
        {U".5", U",", Transcript(U"0,5*1,5+41", U"42"), kNoSelection},
    };
    for (const AcceptedCase& c : cases) {
        SCOPED_TRACE("input \"" + Utf8(c.input) + "\", separator " + Utf8(c.separator));
        FormModel form(c.separator);
        Check(form, c.input);
        EXPECT_EQ(form.transcript(), c.transcript);
        EXPECT_EQ(form.selection(), c.selection);
        EXPECT_EQ(form.inputText(), c.input);
        // A screen reader hears the result line, as it stands in the transcript.
        const std::size_t resultLine = c.transcript.find(U"Изчисленото");
        EXPECT_EQ(form.announcement() + U"\r\n", c.transcript.substr(resultLine));
    }
}

TEST(CheckNumber, AnswersNOutsideTheIntervalWithAQuestionMarkAndNothingElse) {
    for (const std::u32string input : {U"31", U"-1", U"99", U"-9"}) {
        SCOPED_TRACE(Utf8(input));
        FormModel form;
        Check(form, input);
        EXPECT_EQ(form.inputText(), U"?");
        EXPECT_EQ(form.transcript(), TaskText());
        EXPECT_EQ(form.selection(), kNoSelection);
        EXPECT_EQ(form.announcement(), U"?");
    }
}

TEST(CheckNumber, RejectionKeepsTheEarlierTranscriptAndSelection) {
    FormModel form;
    Check(form, U"5");
    for (const std::u32string input : {U"31", U"-1"}) {
        Check(form, input);
        EXPECT_EQ(form.inputText(), U"?");
        EXPECT_EQ(form.transcript(), Transcript(U"5*6+41", U"71"));
        EXPECT_EQ(form.selection(), 19);
    }
}

TEST(CheckNumber, ReplacesTheTranscriptOfAnEarlierCheck) {
    FormModel form;
    Check(form, U"5");
    Check(form, U"1");
    EXPECT_EQ(form.transcript(), Transcript(U"1*2+41", U"43"));
    EXPECT_EQ(form.selection(), 13);
}

TEST(CheckNumber, ValueMissingFromTheListClearsAnEarlierSelection) {
    FormModel form;
    Check(form, U"5");
    ASSERT_EQ(form.selection(), 19);
    Check(form, U".5");
    EXPECT_EQ(form.transcript(), Transcript(U"0.5*1.5+41", U"42"));
    EXPECT_EQ(form.selection(), kNoSelection);
}

TEST(CheckNumber, VisitsTheListUpToItsLastEntry) {
    // A list that ends with the value of «5», 71.
    class ShortList : public ForwardingForm {
    public:
        using ForwardingForm::ForwardingForm;
        std::int16_t entryCount() const override { return 20; }
    };
    FormModel model;
    ShortList form(model);
    ASSERT_EQ(form.entry(form.entryCount() - 1), U"71");
    model.setInputText(U"5");
    CheckNumber(form);
    EXPECT_EQ(model.selection(), 19);
}

TEST(CheckNumber, WithAnEmptyListStillWritesTheTranscript) {
    class EmptyList : public ForwardingForm {
    public:
        using ForwardingForm::ForwardingForm;
        std::int16_t entryCount() const override { return 0; }
        std::u32string entry(std::int16_t index) const override {
            ADD_FAILURE() << "read entry " << index << " of an empty list";
            return {};
        }
    };
    FormModel model;
    model.setSelection(3);
    model.setInputText(U"5");
    EmptyList form(model);
    CheckNumber(form);
    EXPECT_EQ(model.transcript(), Transcript(U"5*6+41", U"71"));
    EXPECT_EQ(model.selection(), kNoSelection);
}

TEST(CheckNumber, AFailingControlEndsTheCommandAndKeepsEarlierWrites) {
    class BrokenList : public ForwardingForm {
    public:
        using ForwardingForm::ForwardingForm;
        void setSelection(std::int16_t) override { throw std::runtime_error("list is gone"); }
    };
    class BrokenReadBack : public ForwardingForm {
    public:
        using ForwardingForm::ForwardingForm;
        std::u32string transcript() const override { throw std::runtime_error("cannot read"); }
    };

    FormModel afterTranscript;
    afterTranscript.setInputText(U"5");
    BrokenList list(afterTranscript);
    EXPECT_THROW(CheckNumber(list), std::runtime_error);
    EXPECT_EQ(afterTranscript.transcript(), Transcript(U"5*6+41", U"71"));

    FormModel afterFirstWrite;
    afterFirstWrite.setInputText(U"5");
    BrokenReadBack readBack(afterFirstWrite);
    EXPECT_THROW(CheckNumber(readBack), std::runtime_error);
    EXPECT_EQ(afterFirstWrite.transcript(), U"Изчислявам: ");
    EXPECT_EQ(afterFirstWrite.selection(), kNoSelection);
}

}  // namespace
}  // namespace euler
