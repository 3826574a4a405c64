// The menu bar: its tree, its check marks and enabled flags, and what each
// choice does to the game and the timer.
#include "support/UiFixture.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>

namespace tarnel::ui::testing {
namespace {

using enum MenuItem;

class MenuTest : public WindowFixture
{
protected:
    MenuTest() { app->Timer()->stop(); }

    bool checked(MenuItem item) const { return window->action(item)->isChecked(); }
    bool enabled(MenuItem item) const { return window->action(item)->isEnabled(); }

    // The rules that must hold after every choice.
    void expectInvariants() { EXPECT_TRUE(windowShowsTheGame(*app)); }

    // A game is under way on the field: fresh, red to move.
    void expectFreshGame()
    {
        const Game& game = app->game();
        EXPECT_EQ(game.state().CurrentPlayer, 0);
        EXPECT_EQ(game.state().RedPoints, 0);
        EXPECT_EQ(countOwner(Picture::red) + countOwner(Picture::yellow), 0);
    }
};

TEST_F(MenuTest, TheTreeHasItsCaptionsInOrder)
{
    QStringList bar;
    for (QAction* action : window->menuBar()->actions()) {
        bar << action->text();
    }
    EXPECT_EQ(bar, QStringList({"&Game", "&Difficulty", "&Field", "&Players", "&Help"}));
    auto captions = [&](MenuItem menu) {
        QStringList list;
        for (QAction* action : window->menu(menu)->actions()) {
            list << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        return list;
    };
    EXPECT_EQ(captions(mnuFile), QStringList({"&New game", "-", "E&xit"}));
    EXPECT_EQ(captions(mnuDifficulty), QStringList({"&Red", "&Yellow"}));
    EXPECT_EQ(captions(mnuCompRed), QStringList({"&Idiot", "&Smart", "&Genius"}));
    EXPECT_EQ(captions(mnuCompYellow), QStringList({"&Idiot", "&Smart", "&Genius"}));
    EXPECT_EQ(captions(mnuField),
              QStringList({"&Standard", "&Easy", "&Normal", "&Hard", "&Impossible"}));
    EXPECT_EQ(captions(mnuPlayers),
              QStringList({"&Human vs Human", "H&uman vs computer", "&Computer vs Computer"}));
    EXPECT_EQ(captions(mnuHelp), QStringList({"&Tarnel Help", "-", "&About "}));
    EXPECT_EQ(window->action(mnuNewGame)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(window->action(mnuFileExit)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
    EXPECT_EQ(window->findChild<QAction*>("mnuComp"), window->action(mnuComp));
}

TEST_F(MenuTest, StartsWithTheDesignedState)
{
    EXPECT_TRUE(checked(mnuHumComp));
    EXPECT_TRUE(checked(mnuNormal));
    EXPECT_TRUE(checked(mnuCompRedSmart));
    EXPECT_TRUE(checked(mnuCompYellowSmart));
    EXPECT_FALSE(enabled(mnuCompRed));
    EXPECT_TRUE(enabled(mnuCompYellow));
    EXPECT_TRUE(enabled(mnuHelp));
    expectInvariants();
}

// Every choice, one after another, keeps the rules and starts a new game.
TEST_F(MenuTest, EveryChoiceKeepsTheRulesAndStartsAFreshGame)
{
    const std::vector<std::pair<MenuItem, int>> choices{{mnuComp, 100},
                                                        {mnuCompRedGenius, 150},
                                                        {mnuCompYellowIdiot, 10},
                                                        {mnuHard, 10},
                                                        {mnuCompRedIdiot, 10},
                                                        {mnuComp, 10},
                                                        {mnuHuman, 10},
                                                        {mnuImpossible, 10},
                                                        {mnuHumComp, 10},
                                                        {mnuCompYellowGenius, 150},
                                                        {mnuStandard, 150},
                                                        {mnuEasy, 150},
                                                        {mnuCompYellowSmart, 100},
                                                        {mnuNormal, 100},
                                                        {mnuNormal, 100},
                                                        {mnuNewGame, 100},
                                                        {mnuComp, 100},
                                                        {mnuHumComp, 100}};
    for (const auto& [item, interval] : choices) {
        SCOPED_TRACE(window->action(item)->objectName().toStdString());
        clickCell(0); // a game in progress, dropped by the choice (or refused in CvC)
        choose(item);
        expectInvariants();
        expectFreshGame();
        EXPECT_EQ(app->Timer()->interval(), interval);
    }
}

TEST_F(MenuTest, ItemsUnderADisabledMenuCannotBeTriggered)
{
    ASSERT_FALSE(enabled(mnuCompRed));
    window->Knop(0)->click();
    choose(mnuCompRedGenius);
    EXPECT_FALSE(checked(mnuCompRedGenius));
    EXPECT_EQ(app->game().state().Players[0].Level, 0);
    EXPECT_EQ(countOwner(Picture::red), 1) << "no new game either";
    choose(mnuComp);
    choose(mnuHelpAbout); // Help is disabled in Computer vs Computer
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // Under a modal window no item changes, in effect or in its mark.
    QDialog modal(window);
    modal.setModal(true);
    modal.show();
    for (const MenuItem item : {mnuCompYellowGenius, mnuImpossible, mnuHuman}) {
        choose(item);
        EXPECT_FALSE(checked(item)) << window->action(item)->objectName().toStdString();
    }
    EXPECT_TRUE(windowShowsTheGame(*app));
}

TEST_F(MenuTest, ComputerVsComputerResetsRedToSmart)
{
    choose(mnuComp);
    choose(mnuCompRedGenius);
    choose(mnuCompYellowIdiot);
    ASSERT_EQ(app->game().state().Players[0].Level, level::Genius);
    choose(mnuComp);
    EXPECT_TRUE(checked(mnuCompRedSmart));
    EXPECT_EQ(app->game().state().Players[0], (PlayerRecord{1, level::Smart}));
    EXPECT_EQ(app->game().state().Players[1], (PlayerRecord{1, level::Idiot}));
    EXPECT_EQ(app->Timer()->interval(), 10) << "a mode keeps the interval";
    EXPECT_FALSE(enabled(mnuHelp));
    choose(mnuHuman);
    EXPECT_EQ(app->game().state().Players[0].IsComputer, 0);
    EXPECT_EQ(app->game().state().Players[1].IsComputer, 0);
    EXPECT_FALSE(enabled(mnuCompRed));
    EXPECT_FALSE(enabled(mnuCompYellow));
    EXPECT_TRUE(enabled(mnuHelp));
}

TEST_F(MenuTest, FieldItemsLayOutTheirField)
{
    const std::array<std::pair<MenuItem, int>, 5> fields{
        {{mnuStandard, 0}, {mnuEasy, 12}, {mnuNormal, 14}, {mnuHard, 20}, {mnuImpossible, 24}}};
    Int16 fieldType = 1;
    for (const auto& [item, hidden] : fields) {
        choose(item);
        EXPECT_EQ(app->game().state().FieldType, fieldType++);
        int hiddenButtons = 0;
        for (int i = 0; i < kCellCount; ++i) {
            hiddenButtons += window->Knop(i)->isHidden() ? 1 : 0;
        }
        EXPECT_EQ(hiddenButtons, hidden);
    }
}

TEST_F(MenuTest, ExitClosesAtOnce)
{
    clickCell(0);
    choose(mnuFileExit);
    EXPECT_FALSE(window->isVisible());
}

} // namespace
} // namespace tarnel::ui::testing
