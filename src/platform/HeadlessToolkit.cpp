#include "HeadlessToolkit.h"

namespace tarnel {

void HeadlessToolkit::cellChanged(int index, const Cell& cell)
{
    cells.at(static_cast<std::size_t>(index)) = cell;
    if (afterCellChanged) {
        afterCellChanged(index, cell);
    }
}

void HeadlessToolkit::captionChanged(Colour colour, const std::string& caption)
{
    captions.at(colourSlot(colour)) = caption;
}

void HeadlessToolkit::indicatorChanged(Colour colour, Picture picture)
{
    indicators.at(colourSlot(colour)) = picture;
}

bool HeadlessToolkit::focusIndicator(Colour colour)
{
    if (!focusAvailable) {
        return false;
    }
    focusedIndicator = static_cast<int>(colourSlot(colour));
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
