#include "GameTexts.h"

namespace tarnel::ui {

namespace {
int row(int index)
{
    return index / kColumns + 1;
}
int column(int index)
{
    return index % kColumns + 1;
}
} // namespace

QString GameTexts::scoreCaption(Colour colour, Int16 points)
{
    // Singular for exactly 1: a new field starts at "0 points", and every
    // move scores at least 1. Other languages choose their forms for every
    // other number through the numerus forms.
    if (colour == Colour::Red) {
        if (points == 1) {
            //: Red's score button: one line on a button about 180 pixels wide.
            return tr("Red has 1 point");
        }
        //: Red's score button: one line on a button about 180 pixels wide;
        //: %n is red's score, 0 to 1875 (0 before the first move).
        return tr("Red has %n points", nullptr, points);
    }
    if (points == 1) {
        //: Yellow's score button: one line on a button about 180 pixels wide.
        return tr("Yellow has 1 point");
    }
    //: Yellow's score button: one line on a button about 180 pixels wide;
    //: %n is yellow's score, 0 to 1875 (0 before the first move).
    return tr("Yellow has %n points", nullptr, points);
}

QString GameTexts::result(Int16 redPoints, Int16 yellowPoints)
{
    //: Heading of the message at the end of a game, above the result:
    //: capitals separated by single blanks, two blanks between the words.
    const QString heading = tr("G A M E  O V E R") + QStringLiteral("\n\r\n\r");
    if (redPoints > yellowPoints) {
        //: The result when red won. %n is red's score, %1 yellow's (both up to
        //: 1875); the number form follows %n.
        return heading + tr("Red wins with %n points to %1.", nullptr, redPoints).arg(yellowPoints);
    }
    if (yellowPoints > redPoints) {
        //: The result when yellow won. %n is yellow's score, %1 red's (both up
        //: to 1875); the number form follows %n. The English starts in lower
        //: case; other languages write the colour as a sentence begins.
        return heading +
               tr("yellow wins with %n points to %1.", nullptr, yellowPoints).arg(redPoints);
    }
    //: The result of a draw; %n is the score both colours have, up to 1875.
    return heading + tr("No winner ... no loser. Both have %n points.", nullptr, redPoints);
}

QString GameTexts::scoreEnquiry(Colour asking, Int16 redPoints, Int16 yellowPoints)
{
    // The answers of the score buttons: the asking colour first, the other
    // one last. English says "1 point" only for exactly 1; other languages
    // choose their forms for every other number through the numerus forms.
    const bool red = asking == Colour::Red;
    const Int16 own = red ? redPoints : yellowPoints;
    const Int16 other = red ? yellowPoints : redPoints;
    if (own > other) {
        const Int16 lead = checkedSub(own, other);
        if (lead == 1) {
            return red ? tr("Red is 1 point in front of yellow.")
                       : tr("Yellow is 1 point in front of red.");
        }
        //: Red's score button asked; %n is red's lead, 2 to 1875.
        return red ? tr("Red is %n points in front of yellow.", nullptr, lead)
                   //: Yellow's score button asked; %n is yellow's lead, 2 to 1875.
                   : tr("Yellow is %n points in front of red.", nullptr, lead);
    }
    if (own == other) {
        if (own == 1) {
            return red ? tr("Red has 1 point. Well, well so does yellow.")
                       : tr("Yellow has 1 point. Well, well so does red.");
        }
        //: Red's score button asked while both have the same score; %n is
        //: that score, 0 or 2 to 1875 (0 before the first move).
        return red ? tr("Red has %n points. Well, well so does yellow.", nullptr, own)
                   //: Yellow's score button asked while both have the same score;
                   //: %n is that score, 0 or 2 to 1875 (0 before the first move).
                   : tr("Yellow has %n points. Well, well so does red.", nullptr, own);
    }
    const Int16 gap = checkedSub(other, own);
    if (gap == 1) {
        return red ? tr("Red is 1 point behind yellow.") : tr("Yellow is 1 point behind red.");
    }
    //: Red's score button asked; %n is how far red is behind, 2 to 1875.
    return red ? tr("Red is %n points behind yellow.", nullptr, gap)
               //: Yellow's score button asked; %n is how far yellow is behind, 2 to 1875.
               : tr("Yellow is %n points behind red.", nullptr, gap);
}

// For a screen reader. Rows count 1 to 10 from the top, columns 1 to 15 from
// the left.
QString GameTexts::cellName(int index, Picture owner)
{
    switch (owner) {
    case Picture::red:
        //: A board cell for a screen reader: row 1 to 10, column 1 to 15, taken by red.
        return tr("Row %1, column %2, red").arg(row(index)).arg(column(index));
    case Picture::yellow:
        //: A board cell for a screen reader: row 1 to 10, column 1 to 15, taken by yellow.
        return tr("Row %1, column %2, yellow").arg(row(index)).arg(column(index));
    case Picture::Gray:
        //: A board cell for a screen reader: row 1 to 10, column 1 to 15, not yet chosen.
        return tr("Row %1, column %2, free").arg(row(index)).arg(column(index));
    case Picture::Blue:
        break;
    }
    //: A board cell for a screen reader: row 1 to 10, column 1 to 15, taken out
    //: of the game by the field's layout (not a sports "offside").
    return tr("Row %1, column %2, out of play").arg(row(index)).arg(column(index));
}

QString GameTexts::indicatorName(Colour colour, bool toMove, std::optional<Move> after)
{
    const bool red = colour == Colour::Red;
    if (!toMove) {
        //: The turn indicators for a screen reader: whose turn it is, and the
        //: move that handed the turn over (row 1 to 10, column 1 to 15).
        return red ? tr("Red waits") : tr("Yellow waits");
    }
    if (!after) {
        return red ? tr("Red to move") : tr("Yellow to move");
    }
    const int index = after->index;
    if (after->colour == Colour::Red) {
        //: Read out after each move: who is to move now, then the cell red
        //: just chose; row 1 to 10, column 1 to 15. Use the help window's verb
        //: for choosing.
        return (red ? tr("Red to move. Red took row %1, column %2.")
                    : tr("Yellow to move. Red took row %1, column %2."))
            .arg(row(index))
            .arg(column(index));
    }
    //: Read out after each move: who is to move now, then the cell yellow
    //: just chose; row 1 to 10, column 1 to 15.
    return (red ? tr("Red to move. Yellow took row %1, column %2.")
                : tr("Yellow to move. Yellow took row %1, column %2."))
        .arg(row(index))
        .arg(column(index));
}

QString GameTexts::endedInPage()
{
    //: Shown in the web page in place of the game once the player has chosen
    //: Exit: the page cannot close itself.
    return tr("The game has ended.");
}

QString GameTexts::playAgain()
{
    //: A link under "The game has ended." that loads the game again.
    return tr("Play again");
}

QString GameTexts::filesMissingInPage()
{
    //: Shown under the game in the web page when some of the files for the
    //: player's language could not be downloaded in time.
    return tr("Some files for your language did not arrive: a few texts may show in English "
              "or as boxes. Reload the page to try again.");
}

} // namespace tarnel::ui

namespace tarnel::ui {
namespace {
// What the web page says when the program itself did not come, before any
// of it runs: the build copies these texts, with their translations, into
// the page (scripts/web/assets.py loader).
[[maybe_unused]] constexpr const char* kPageLoaderTexts[] = {
    //: The web page, when the game's download stalled for half a minute.
    QT_TRANSLATE_NOOP("PageLoader", "The game could not start: its files stopped coming. Check "
                                    "the connection, then try again."),
    //: The web page, when the server answered that a file of the game is not there.
    QT_TRANSLATE_NOOP("PageLoader", "The game could not start: one of its files is missing on "
                                    "the server."),
    //: The web page, when the network failed while the game downloaded.
    QT_TRANSLATE_NOOP("PageLoader", "The game could not start: the connection broke off while "
                                    "it loaded. Check the connection, then try again."),
    //: The web page, opened as a file (file://) rather than from a web server.
    QT_TRANSLATE_NOOP("PageLoader", "The game could not start from a file on this computer: a "
                                    "browser lets it load only from a web server."),
    //: The web page, in a browser without WebAssembly.
    QT_TRANSLATE_NOOP("PageLoader", "The game could not start: this browser cannot run it. A "
                                    "recent Chrome, Edge, Firefox or Safari can."),
    //: The web page, when the game failed to start for any other reason.
    QT_TRANSLATE_NOOP("PageLoader", "The game could not start."),
    //: A link under the web page's words that the game could not start: loads
    //: the page again.
    QT_TRANSLATE_NOOP("PageLoader", "Try again"),
};
} // namespace
} // namespace tarnel::ui
