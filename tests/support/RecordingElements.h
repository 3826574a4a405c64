// Board elements that keep what they were last told, and the player's
// callbacks to act through them as a page's elements do.
#pragma once

#include "platform/BoardElements.h"

#include <array>
#include <optional>

namespace tarnel::ui::testing {

class RecordingElements : public platform::BoardElements
{
public:
    struct Told
    {
        CellKind kind = CellKind::Free;
        QString name; // empty: never told
    };
    struct Dialog
    {
        QString title;
        QStringList texts;
        QStringList buttons;
    };

    void build(const QString& name, const QString& /*menuBarName*/, Player callbacks) override
    {
        boardName = name;
        player = std::move(callbacks);
    }
    void setCell(int index, CellKind kind, const QString& name) override
    {
        cells.at(static_cast<std::size_t>(index)) = {kind, name};
    }
    void setStatus(const QString& red, const QString& yellow, const QString& turn) override
    {
        status = {red, yellow, turn};
    }
    void announce(const QString& text) override { news << text; }
    void setMenus(const std::vector<MenuEntry>& entries) override { menus = entries; }
    void focusCell(int cell) override { focused = cell; }
    void placeCells(const QRect& first, int step) override
    {
        firstCell = first;
        pitch = step;
    }
    void showDialog(const QString& title, const QStringList& texts, const QStringList& buttons,
                    int /*defaultButton*/) override
    {
        dialog = Dialog{title, texts, buttons};
    }
    void closeDialog() override { dialog.reset(); }

    QString boardName;
    Player player;
    std::array<Told, 150> cells{};
    QStringList status;
    QStringList news;
    std::vector<MenuEntry> menus;
    int focused = -1;
    QRect firstCell;
    int pitch = 0;
    std::optional<Dialog> dialog;
};

} // namespace tarnel::ui::testing
