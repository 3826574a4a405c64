#include "Texts.h"

namespace tarnel {

namespace {
const char* hasPrefix(Colour colour)
{
    return colour == Colour::Red ? "Red has " : "Yellow has ";
}
} // namespace

std::string startCaption(Colour colour)
{
    return hasPrefix(colour) + std::to_string(0) + " points";
}

std::string scoreCaption(Colour colour, Int16 points)
{
    return hasPrefix(colour) + std::to_string(points) + (points <= 1 ? " point" : " points");
}

std::string resultMessage(Int16 redPoints, Int16 yellowPoints)
{
    std::string text = "G A M E  O V E R\n\r\n\r";
    if (redPoints > yellowPoints) {
        text += "Red wins with " + std::to_string(redPoints) + " points to " +
                std::to_string(yellowPoints) + ".";
    } else if (yellowPoints > redPoints) {
        text += "yellow wins with " + std::to_string(yellowPoints) + " points to " +
                std::to_string(redPoints) + ".";
    } else {
        text += "No winner ... no loser. Both have " + std::to_string(redPoints) + " points.";
    }
    return text;
}

std::string scoreEnquiry(Colour asking, Int16 redPoints, Int16 yellowPoints)
{
    const bool red = asking == Colour::Red;
    const Int16 own = red ? redPoints : yellowPoints;
    const Int16 other = red ? yellowPoints : redPoints;
    const std::string colourPrefix = red ? "Red is " : "Yellow is ";
    const std::string otherName = red ? "yellow" : "red";

    if (own > other) {
        const Int16 lead = checkedSub(own, other);
        return colourPrefix + std::to_string(lead) + (lead == 1 ? " point" : " points") +
               " in front of " + otherName + ".";
    }
    if (own == other) {
        if (own == 1) {
            return std::string(hasPrefix(asking)) + "1 point. Well, well so does " + otherName +
                   ".";
        }
        return hasPrefix(asking) + std::to_string(own) + " points. Well, well so does " +
               otherName + ".";
    }
    const Int16 gap = checkedSub(other, own);
    return colourPrefix + std::to_string(gap) + (gap == 1 ? " point" : " points") + " behind " +
           otherName + ".";
}

} // namespace tarnel
