#include "PageElements.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <emscripten/bind.h>
#include <emscripten/val.h>

namespace tarnel::platform {

namespace {
using emscripten::val;

val board()
{
    return val::global("tarnelBoard");
}

std::string text(const QString& string)
{
    return string.toStdString();
}

class PageElements final : public BoardElements
{
public:
    explicit PageElements(const QWidget* mainWindow) : mainWindow_(mainWindow) {}

    void build(const QString& boardName, const QString& menuBarName, Player player) override
    {
        player_ = std::move(player);
        val callbacks = val::object();
        for (const char* name : {"take", "walk", "menu", "score", "press", "close"}) {
            callbacks.set(name, val::module_property((std::string("tarnelBoard_") + name).c_str()));
        }
        board().call<void>("build", text(boardName), text(menuBarName), callbacks);
    }

    void setCell(int index, CellKind kind, const QString& name) override
    {
        board().call<void>("cell", index, static_cast<int>(kind), text(name));
    }

    void setStatus(const QString& red, const QString& yellow, const QString& turn) override
    {
        board().call<void>("setStatus", text(red), text(yellow), text(turn));
    }

    void announce(const QString& news) override { board().call<void>("announce", text(news)); }

    void setMenus(const std::vector<MenuEntry>& entries) override
    {
        val list = val::array();
        for (const MenuEntry& entry : entries) {
            val item = val::object();
            item.set("item", entry.item);
            item.set("depth", entry.depth);
            item.set("caption", text(entry.caption));
            item.set("accessKey",
                     text(entry.accessKey.isNull() ? QString() : QString(entry.accessKey)));
            item.set("shortcut", text(entry.shortcut));
            item.set("opensMenu", entry.opensMenu);
            item.set("checkable", entry.checkable);
            item.set("checked", entry.checked);
            item.set("enabled", entry.enabled);
            list.call<void>("push", item);
        }
        board().call<void>("menus", list);
    }

    void focusCell(int cell) override { board().call<void>("focusCell", cell); }

    void placeCells(const QRect& firstCell, int pitch) override
    {
        // The window system's logical pixels to the page's: the scale the
        // windows are fitted to the page with (PageScale.cpp).
        const QWindow* window = mainWindow_->windowHandle();
        const double scale = window != nullptr ? QHighDpiScaling::factor(window) : 1.0;
        board().call<void>("place", firstCell.x() * scale, firstCell.y() * scale,
                           firstCell.width() * scale, pitch * scale);
    }

    void showDialog(const QString& title, const QStringList& texts, const QStringList& buttons,
                    int defaultButton) override
    {
        val textList = val::array();
        for (const QString& line : texts) {
            textList.call<void>("push", text(line));
        }
        val buttonList = val::array();
        for (const QString& caption : buttons) {
            buttonList.call<void>("push", text(caption));
        }
        board().call<void>("showDialog", text(title), textList, buttonList, defaultButton);
    }

    void closeDialog() override { board().call<void>("closeDialog"); }

    const Player& player() const { return player_; }

private:
    const QWidget* mainWindow_;
    Player player_;
};

PageElements* instance = nullptr;

// What the player does in the elements, handed to the view.
void take(int cell)
{
    if (instance && instance->player().takeCell) {
        instance->player().takeCell(cell);
    }
}
int walk(int cell, int arrow)
{
    if (instance && instance->player().walk && arrow >= 0 && arrow <= 3) {
        return instance->player().walk(cell, static_cast<BoardElements::Arrow>(arrow));
    }
    return -1;
}
void chooseMenu(int item)
{
    if (instance && instance->player().chooseMenu) {
        instance->player().chooseMenu(item);
    }
}
void askScore(bool red)
{
    if (instance && instance->player().askScore) {
        instance->player().askScore(red);
    }
}
void press(int button)
{
    if (instance && instance->player().pressDialogButton) {
        instance->player().pressDialogButton(button);
    }
}
void close()
{
    if (instance && instance->player().closeDialog) {
        instance->player().closeDialog();
    }
}

EMSCRIPTEN_BINDINGS(tarnel_board)
{
    emscripten::function("tarnelBoard_take", &take);
    emscripten::function("tarnelBoard_walk", &walk);
    emscripten::function("tarnelBoard_menu", &chooseMenu);
    emscripten::function("tarnelBoard_score", &askScore);
    emscripten::function("tarnelBoard_press", &press);
    emscripten::function("tarnelBoard_close", &close);
}
} // namespace

BoardElements& pageElements(const QWidget* mainWindow)
{
    static PageElements elements(mainWindow);
    instance = &elements;
    return elements;
}

} // namespace tarnel::platform
