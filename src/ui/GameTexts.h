// Every text the game itself shows, in the player's language: the score
// captions, the result of a game, the answers of the score buttons and
// what a screen reader says of the board and the turn indicators. The
// English texts are the source texts, letter for letter.
#pragma once

#include "engine/GameView.h"
#include "engine/Int16.h"
#include "engine/Types.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

namespace tarnel::ui {

class GameTexts
{
    Q_DECLARE_TR_FUNCTIONS(GameTexts)

public:
    // "Red has 0 points", "Red has 1 point", "Red has 6 points".
    static QString scoreCaption(Colour colour, Int16 points);

    // The message at the end of a game: the heading "G A M E  O V E R",
    // then LF CR LF CR, then who won.
    static QString result(Int16 redPoints, Int16 yellowPoints);

    // How `asking` stands against the other colour, as the score buttons
    // say it.
    static QString scoreEnquiry(Colour asking, Int16 redPoints, Int16 yellowPoints);

    // "Row 4, column 8, free": a board cell for a screen reader.
    static QString cellName(int index, Picture owner);

    // A turn indicator for a screen reader: "Red to move", with the move
    // that handed the turn over ("Red to move. Yellow took row 4, column
    // 8."), or "Red waits" while the other colour, or nobody, is to move.
    static QString indicatorName(Colour colour, bool toMove, std::optional<Move> after);

    // What a web page says once the game in it has ended (a page has no
    // process to end), and its link that starts the game again.
    static QString endedInPage();
    static QString playAgain();
    // What a web page says when some of the language's files did not come.
    static QString filesMissingInPage();
};

} // namespace tarnel::ui
