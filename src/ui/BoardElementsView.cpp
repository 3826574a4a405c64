#include "BoardElementsView.h"

#include "engine/BoardWalk.h"
#include "menus/MenuTree.h"
#include "ui/CellButton.h"
#include "ui/GameTexts.h"
#include "ui/frmMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <algorithm>
#include <tuple>

namespace tarnel::ui {

namespace {
using platform::BoardElements;
using session::Input;

BoardElements::CellKind kindOf(const Cell& cell)
{
    if (!cell.visible || cell.owner == Picture::Blue) {
        return BoardElements::CellKind::OutOfPlay;
    }
    if (cell.owner == Picture::red) {
        return BoardElements::CellKind::Red;
    }
    return cell.owner == Picture::yellow ? BoardElements::CellKind::Yellow
                                         : BoardElements::CellKind::Free;
}

// A caption as shown, and the letter its access key marks.
std::pair<QString, QChar> shown(const QString& caption)
{
    QString text;
    QChar key;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != QLatin1Char('&') && key.isNull()) {
                key = caption[i];
            }
        }
        text += caption[i];
    }
    return {text, key};
}

// Line breaks, in whatever order of CR and LF, read as one pause.
QString spoken(const QString& text)
{
    return text.split(QRegularExpression(QStringLiteral("[\r\n]+")), Qt::SkipEmptyParts)
        .join(QLatin1Char(' '));
}

Step stepOf(BoardElements::Arrow arrow)
{
    switch (arrow) {
    case BoardElements::Arrow::Left:
        return Step::Left;
    case BoardElements::Arrow::Right:
        return Step::Right;
    case BoardElements::Arrow::Up:
        return Step::Up;
    case BoardElements::Arrow::Down:
        break;
    }
    return Step::Down;
}
} // namespace

BoardElementsView::BoardElementsView(const menus::MenuState& menus, frmMain& mainWindow,
                                     BoardElements& elements,
                                     std::function<session::Outcome(const Input&)> door)
    : menus_(menus), mainWindow_(mainWindow), elements_(elements), door_(std::move(door))
{
    BoardElements::Player player;
    player.takeCell = [this](int cell) {
        if (cell >= 0 && cell < kCellCount) {
            focusedCell_ = cell;
            door_(Input::click(cell));
        }
    };
    player.walk = [this](int cell, BoardElements::Arrow arrow) {
        if (cell < 0 || cell >= kCellCount) {
            return -1;
        }
        const auto to = walkFrom(cell, stepOf(arrow), [this](int index) {
            return takesFocus(cells_[static_cast<std::size_t>(index)]);
        });
        focusedCell_ = to.value_or(cell);
        return to.value_or(-1);
    };
    player.chooseMenu = [this](int item) {
        if (item >= 0 && item < menus::kMenuItemCount) {
            door_(Input::menu(static_cast<menus::MenuItem>(item)));
        }
    };
    player.askScore = [this](bool red) { door_(Input::score(red ? Colour::Red : Colour::Yellow)); };
    player.pressDialogButton = [this](int button) {
        if (button >= 0 && button < static_cast<int>(dialogButtons_.size()) &&
            dialogButtons_[static_cast<std::size_t>(button)]) {
            dialogButtons_[static_cast<std::size_t>(button)]->click();
        }
    };
    player.closeDialog = [this] {
        if (dialog_) {
            dialog_->close();
        }
    };
    //: The name of the board in a web page, for a screen reader: the grid of
    //: 10 rows and 15 columns of cells.
    elements_.build(tr("Board"), QString(), std::move(player));
    mainWindow_.installEventFilter(this);
    placeCells();
}

void BoardElementsView::modalOpened(QWidget* window)
{
    mirror(window);
}

void BoardElementsView::modalClosed(QWidget* window)
{
    if (window != dialogWindow_) {
        return;
    }
    dialogWindow_ = nullptr;
    dialog_.clear();
    dialogButtons_.clear();
    elements_.closeDialog();
    // A window that was open beneath it comes back.
    if (QWidget* still = QApplication::activeModalWidget(); still != nullptr && still != window) {
        mirror(still);
    }
}

void BoardElementsView::mirror(QWidget* window)
{
    dialogWindow_ = window;
    dialog_ = window;
    dialogButtons_.clear();
    // Its texts and its buttons in the order they stand, row by row.
    auto byPlace = [window](const QWidget* a, const QWidget* b) {
        const QPoint pa = a->mapTo(window, QPoint());
        const QPoint pb = b->mapTo(window, QPoint());
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    };
    QList<QLabel*> labels = window->findChildren<QLabel*>();
    std::sort(labels.begin(), labels.end(), byPlace);
    QStringList texts;
    for (const QLabel* label : labels) {
        if (label->isVisibleTo(window) && !label->text().isEmpty()) {
            texts << spoken(label->text());
        }
    }
    QList<QAbstractButton*> buttons = window->findChildren<QAbstractButton*>();
    std::sort(buttons.begin(), buttons.end(), byPlace);
    QStringList captions;
    int defaultButton = 0;
    for (QAbstractButton* button : buttons) {
        if (!button->isVisibleTo(window)) {
            continue;
        }
        if (const auto* push = qobject_cast<QPushButton*>(button); push && push->isDefault()) {
            defaultButton = static_cast<int>(captions.size());
        }
        captions << shown(button->text()).first;
        dialogButtons_.emplace_back(button);
    }
    elements_.showDialog(window->windowTitle(), texts, captions, defaultButton);
}

void BoardElementsView::newField(Int16 /*fieldType*/)
{
    focusedCell_ = 0;
}

void BoardElementsView::cellChanged(int index, const Cell& cell)
{
    cells_[static_cast<std::size_t>(index)] = cell;
    elements_.setCell(index, kindOf(cell), GameTexts::cellName(index, cell.owner));
    // The focus leaves a cell just taken for the next one that is free.
    if (index == focusedCell_ && !takesFocus(cell)) {
        if (const auto next = firstFrom(index, [this](int at) {
                return takesFocus(cells_[static_cast<std::size_t>(at)]);
            })) {
            focusedCell_ = *next;
            elements_.focusCell(*next);
        }
    }
}

void BoardElementsView::scoreChanged(Colour colour, Int16 points)
{
    points_[colourSlot(colour)] = points;
    tellStatus();
}

void BoardElementsView::turnChanged(std::optional<Colour> toMove, std::optional<Move> after)
{
    toMove_ = toMove;
    after_ = after;
    tellStatus();
    if (toMove && after) {
        elements_.announce(GameTexts::indicatorName(*toMove, true, after));
    }
}

void BoardElementsView::gameOver(Int16 redPoints, Int16 yellowPoints)
{
    elements_.announce(spoken(GameTexts::result(redPoints, yellowPoints)));
}

void BoardElementsView::tellStatus()
{
    const Colour turn = toMove_.value_or(Colour::Red);
    elements_.setStatus(GameTexts::scoreCaption(Colour::Red, points_[0]),
                        GameTexts::scoreCaption(Colour::Yellow, points_[1]),
                        GameTexts::indicatorName(turn, toMove_.has_value(), after_));
}

void BoardElementsView::menusChanged()
{
    std::vector<BoardElements::MenuEntry> entries;
    for (const menus::Entry& row : menus::kMenuTree) {
        BoardElements::MenuEntry entry;
        entry.depth = row.depth;
        if (row.kind != menus::Kind::Separator) {
            entry.item = static_cast<int>(row.item);
            std::tie(entry.caption, entry.accessKey) =
                shown(QCoreApplication::translate("Menu", row.caption));
            entry.opensMenu = row.kind == menus::Kind::Menu;
            entry.checkable = menus::checkGroup(row.item).has_value();
            entry.checked = menus_.checked(row.item);
            entry.enabled = menus_.enabled(row.item);
            if (const QAction* action = mainWindow_.action(row.item)) {
                entry.shortcut = action->shortcut().toString(QKeySequence::NativeText);
            }
        }
        entries.push_back(entry);
    }
    elements_.setMenus(entries);
}

void BoardElementsView::scoreEnquired(Colour /*asking*/, Int16 /*redPoints*/,
                                      Int16 /*yellowPoints*/)
{
    // The main window shows the answer in a modal window, mirrored as any.
}

bool BoardElementsView::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) {
        placeCells();
    }
    return QObject::eventFilter(watched, event);
}

void BoardElementsView::placeCells()
{
    const CellButton* first = mainWindow_.Knop(0);
    elements_.placeCells(QRect(first->mapToGlobal(QPoint()), first->size()), kCellPitch);
}

} // namespace tarnel::ui
