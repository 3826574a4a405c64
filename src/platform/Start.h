// How the program starts on this platform. The build picks the platform's
// own file: StartDesktop.cpp (X11, Wayland, Windows) or StartPage.cpp (a
// web page). Either makes the application with the program's name alone,
// gives it the game's title and icon, chooses and installs the player's
// language, and then starts the game, each in the order its platform
// needs.
#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace tarnel::platform {

class BoardElements;

// What a platform's start-up starts: the game's application.
class Program
{
public:
    virtual ~Program() = default;

    // Shows the splash and makes and loads the main window, which the
    // splash hands over to.
    virtual void start() = 0;
    // The main window, from start() on.
    virtual QWidget* mainWindow() const = 0;
    // Called once the main window is shown.
    virtual void whenShown(std::function<void()> shown) = 0;
    // Called whenever no modal window is left over the main window.
    virtual void whenModalWindowsGone(std::function<void()> gone) = 0;
    // What a page says once the game has ended there, and its link to play
    // again, in the player's language.
    virtual QString endedText() const = 0;
    virtual QString playAgainText() const = 0;
    // What a page says when some of the language's files did not come.
    virtual QString filesMissingText() const = 0;
    // Shows the board for screen readers and keyboards in `elements` too,
    // from now on, as a further view of the game. After start().
    virtual void showBoardIn(BoardElements& elements) = 0;
};

struct Game
{
    // Sets the application's title, version and icon, once it exists.
    std::function<void()> describe;
    // Makes the program, once the language is installed.
    std::function<std::unique_ptr<Program>()> make;
};

// The shortcut for a new game here: Ctrl+N, or in a web page, where the
// browser keeps Ctrl+N for a window of its own and never hands it over, F2.
QKeySequence newGameShortcut();

// Runs `game` to its end; returns the program's exit status. Whatever the
// command line holds, Qt is handed the program's name alone, so that no
// option (-reverse, -style, -platform) changes how the game looks or
// whether it starts.
int run(int argc, char* argv[], const Game& game);

} // namespace tarnel::platform
