// The menu rules without widgets: check marks, enabled flags, the players,
// the field and the timer interval after each choice.
#include "menus/MenuState.h"

#include "support/GameFixture.h"

namespace tarnel::testing {
namespace {

using enum MenuItem;

class MenuStateTest : public GameFixture
{
protected:
    void expectRules() const
    {
        EXPECT_TRUE(menuRulesHold(menus, game.state()));
        EXPECT_TRUE(invariantsHold(game));
    }
};

TEST_F(MenuStateTest, StartsAsDesignedAndLoaded)
{
    EXPECT_TRUE(menus.checked(mnuHumComp));
    EXPECT_TRUE(menus.checked(mnuNormal));
    EXPECT_FALSE(menus.enabled(mnuCompRed));
    EXPECT_FALSE(menus.reachable(mnuCompRedGenius));
    EXPECT_TRUE(menus.reachable(mnuCompYellowGenius));
    EXPECT_TRUE(menus.reachable(mnuFileExit));
    EXPECT_EQ(menus.timerInterval(), menus::kSmartInterval);
    EXPECT_EQ(MenuState::parent(mnuCompRedIdiot), mnuCompRed);
    EXPECT_EQ(MenuState::parent(mnuCompRed), mnuDifficulty);
    EXPECT_EQ(MenuState::parent(mnuHelp), mnuHelp);
    expectRules();
}

TEST_F(MenuStateTest, ModesSetThePlayersAndStartANewGame)
{
    game.playMove(0);
    menus.choose(mnuHuman);
    EXPECT_EQ(game.state().Players[0].IsComputer, 0);
    EXPECT_EQ(game.state().Players[1].IsComputer, 0);
    EXPECT_EQ(game.freeCount(), 136) << "the game in progress was dropped";
    expectRules();

    menus.choose(mnuComp);
    EXPECT_EQ(game.state().Players[0], (PlayerRecord{1, level::Smart}));
    EXPECT_EQ(game.state().Players[1].IsComputer, 1);
    expectRules();

    menus.choose(mnuHumComp);
    EXPECT_EQ(game.state().Players[0].IsComputer, 0);
    EXPECT_EQ(game.state().Players[1].IsComputer, 1);
    expectRules();
}

TEST_F(MenuStateTest, LevelsSetTheLevelAndTheOneInterval)
{
    menus.choose(mnuComp);
    menus.choose(mnuCompRedGenius);
    EXPECT_EQ(game.state().Players[0].Level, level::Genius);
    EXPECT_EQ(menus.timerInterval(), menus::kGeniusInterval);
    menus.choose(mnuCompYellowIdiot);
    EXPECT_EQ(game.state().Players[1].Level, level::Idiot);
    EXPECT_EQ(menus.timerInterval(), menus::kIdiotInterval) << "the level chosen last decides";
    EXPECT_EQ(game.state().Players[0].Level, level::Genius);
    menus.choose(mnuComp);
    EXPECT_TRUE(menus.checked(mnuCompRedSmart));
    EXPECT_EQ(game.state().Players[0].Level, level::Smart);
    EXPECT_EQ(menus.timerInterval(), menus::kIdiotInterval) << "a mode keeps the interval";
    expectRules();
}

TEST_F(MenuStateTest, FieldsAndTheRestDoWhatTheySay)
{
    const std::array<MenuItem, 5> fields{mnuStandard, mnuEasy, mnuNormal, mnuHard, mnuImpossible};
    for (std::size_t k = 0; k < fields.size(); ++k) {
        menus.choose(fields[k]);
        EXPECT_EQ(game.state().FieldType, static_cast<Int16>(k + 1));
        expectRules();
    }
    game.playMove(0);
    menus.choose(mnuNewGame);
    EXPECT_EQ(game.state().RedPoints, 0);
    EXPECT_EQ(game.state().FieldType, field::Impossible);
    // Exit, help, about and the headings are the windows' own: the game,
    // its board and the marks stay as they are.
    game.playMove(0);
    const auto cells = game.cells();
    for (const MenuItem item : {mnuFileExit, mnuHelpContents, mnuHelpAbout, mnuFile, mnuHelp}) {
        menus.choose(item);
    }
    EXPECT_EQ(game.cells(), cells);
    EXPECT_EQ(game.state().RedPoints, 1);
    expectRules();
}

} // namespace
} // namespace tarnel::testing
