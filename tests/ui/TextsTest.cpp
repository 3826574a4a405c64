// The game's texts in English, letter for letter: the score captions, the
// result of a game and what the score buttons answer.
#include "ui/GameTexts.h"

#include <gtest/gtest.h>

namespace tarnel::ui {
namespace {

TEST(GameTexts, CaptionsAndResults)
{
    EXPECT_EQ(GameTexts::scoreCaption(Colour::Red, 0), "Red has 0 points");
    EXPECT_EQ(GameTexts::scoreCaption(Colour::Yellow, 1), "Yellow has 1 point");
    EXPECT_EQ(GameTexts::scoreCaption(Colour::Red, 6), "Red has 6 points");
    EXPECT_EQ(GameTexts::scoreCaption(Colour::Yellow, 1875), "Yellow has 1875 points");

    EXPECT_EQ(GameTexts::result(75, 75),
              "G A M E  O V E R\n\r\n\rNo winner ... no loser. Both have 75 points.");
    EXPECT_EQ(GameTexts::result(40, 52),
              "G A M E  O V E R\n\r\n\ryellow wins with 52 points to 40.");
    EXPECT_EQ(GameTexts::result(52, 40), "G A M E  O V E R\n\r\n\rRed wins with 52 points to 40.");
    EXPECT_EQ(GameTexts::result(1, 0), "G A M E  O V E R\n\r\n\rRed wins with 1 points to 0.");
    const QString heading = GameTexts::result(0, 0).left(20);
    EXPECT_EQ(heading,
              QStringLiteral("G A M E  O V E R") + QChar(10) + QChar(13) + QChar(10) + QChar(13));
}

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
    EXPECT_EQ(GameTexts::scoreEnquiry(Colour::Red, c.red, c.yellow), c.redText);
    EXPECT_EQ(GameTexts::scoreEnquiry(Colour::Yellow, c.red, c.yellow), c.yellowText);
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
    [](const auto& row) {
        return "Red" + std::to_string(row.param.red) + "Yellow" + std::to_string(row.param.yellow);
    });

} // namespace
} // namespace tarnel::ui
