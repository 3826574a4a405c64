#include "HeadlessToolkit.h"

namespace tarnel {

namespace {
std::size_t slot(Colour colour)
{
    return colour == Colour::Red ? 0U : 1U;
}
} // namespace

void HeadlessToolkit::cellChanged(int index, const Cell& cell)
{
    cells.at(static_cast<std::size_t>(index)) = cell;
    ++cellChanges;
    if (afterCellChanged) {
        afterCellChanged(index, cell);
    }
}

void HeadlessToolkit::captionChanged(Colour colour, const std::string& caption)
{
    captions.at(slot(colour)) = caption;
}

void HeadlessToolkit::indicatorChanged(Colour colour, Picture picture)
{
    indicators.at(slot(colour)) = picture;
}

bool HeadlessToolkit::focusIndicator(Colour colour)
{
    if (!focusAvailable) {
        return false;
    }
    focusedIndicator = static_cast<int>(slot(colour));
    return true;
}

void HeadlessToolkit::showMessage(const std::string& text)
{
    messages.push_back(text);
    if (whileMessageOpen) {
        whileMessageOpen(text);
    }
}

} // namespace tarnel
