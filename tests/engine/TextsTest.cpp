// What the score buttons answer.
#include "Texts.h"

#include <gtest/gtest.h>

namespace tarnel {
namespace {

struct EnquiryCase
{
    Int16 red;
    Int16 yellow;
    const char* redText;
    const char* yellowText;
};

class ScoreEnquiryTest : public ::testing::TestWithParam<EnquiryCase>
{
};

TEST_P(ScoreEnquiryTest, AnswersWithMirroredTexts)
{
    const EnquiryCase& c = GetParam();
    EXPECT_EQ(scoreEnquiry(Colour::Red, c.red, c.yellow), c.redText);
    EXPECT_EQ(scoreEnquiry(Colour::Yellow, c.red, c.yellow), c.yellowText);
}

INSTANTIATE_TEST_SUITE_P(
    AllForms, ScoreEnquiryTest,
    ::testing::Values(
        EnquiryCase{0, 0, "Red has 0 points. Well, well so does yellow.",
                    "Yellow has 0 points. Well, well so does red."},
        EnquiryCase{1, 1, "Red has 1 point. Well, well so does yellow.",
                    "Yellow has 1 point. Well, well so does red."},
        EnquiryCase{7, 7, "Red has 7 points. Well, well so does yellow.",
                    "Yellow has 7 points. Well, well so does red."},
        EnquiryCase{12, 7, "Red is 5 points in front of yellow.", "Yellow is 5 points behind red."},
        EnquiryCase{2, 1, "Red is 1 point in front of yellow.", "Yellow is 1 point behind red."},
        EnquiryCase{1, 2, "Red is 1 point behind yellow.", "Yellow is 1 point in front of red."},
        EnquiryCase{0, 25, "Red is 25 points behind yellow.",
                    "Yellow is 25 points in front of red."}),
    [](const auto& info) {
        return "Red" + std::to_string(info.param.red) + "Yellow" +
               std::to_string(info.param.yellow);
    });

} // namespace
} // namespace tarnel
