#include "frmMain.h"

#include "platform/Centring.h"
#include "platform/Contrast.h"
#include "platform/Fonts.h"
#include "ui/CellButton.h"
#include "ui/GameTexts.h"
#include "ui/IndicatorButton.h"
#include "ui/Pictures.h"
#include "ui/ProgramIcon.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <memory>

namespace tarnel::ui {

namespace {
// Sets a widget's accessible name and tells assistive technology that it
// changed (not every Qt version does so by itself).
void setAnnouncedName(QWidget* widget, const QString& name)
{
    if (widget->accessibleName() == name) {
        return;
    }
    widget->setAccessibleName(name);
    if (QAccessible::isActive()) {
        QAccessibleEvent event(widget, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

// The window's client area: where the board has a hole, the workspace shows
// through. Where the workspace colour stands less than 3:1 from the cells'
// face (a dark palette's does), the hole is hatched as well, in a colour
// that stands out from the face, so that it never passes for a free cell.
class Workspace : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        const QColor face = palette().color(QPalette::Button);
        if (platform::contrastRatio(palette().color(kWorkspaceRole), face) >=
            platform::kMarkContrast) {
            return; // the filled background is enough
        }
        QPainter painter(this);
        const QColor lines = platform::markColour(palette().color(QPalette::Shadow), face,
                                                  palette().color(QPalette::ButtonText));
        painter.fillRect(rect(), QBrush(lines, Qt::BDiagPattern));
    }
};
} // namespace

// A fixed border: on Windows no resize frame and no Maximize (the hint is
// read by Windows' platform alone; the fixed size does it elsewhere).
frmMain::frmMain(const MenuState& menus, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::CustomizeWindowHint),
      menus_(menus)
{
    setObjectName(QStringLiteral("frmMain"));
    installCellAccessibility();
    setWindowTitle(QStringLiteral("Tarnel"));
    setWindowIcon(programIcon());

    auto* client = new Workspace(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    client->setBackgroundRole(kWorkspaceRole);
    client->setAutoFillBackground(true);
    // The board is the game's picture, as a chessboard is: cell 0 stays at
    // the top left and the status row keeps its order in every language,
    // while the menu bar follows the language's direction.
    client->setLayoutDirection(Qt::LeftToRight);
    setCentralWidget(client);

    createStatusRow(client);
    createBoard(client);
    createMenus();

    // Tab order: the board in index order, then the status row.
    QWidget* previous = knop_[0];
    for (int i = 1; i < kCellCount; ++i) {
        setTabOrder(previous, knop_[static_cast<std::size_t>(i)]);
        previous = knop_[static_cast<std::size_t>(i)];
    }
    for (QWidget* next :
         {static_cast<QWidget*>(btnRed_), static_cast<QWidget*>(btnYellow_),
          static_cast<QWidget*>(btnRedPoints_), static_cast<QWidget*>(btnYellowPoints_)}) {
        setTabOrder(previous, next);
        previous = next;
    }

    menuBar()->setNativeMenuBar(false);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    platform::placeCentred(this, [this] { return platform::screenArea(this); });
}

frmMain::~frmMain() = default;

void frmMain::createBoard(QWidget* client)
{
    // Created from 149 down to 0, so each button lies under its left and
    // upper neighbours in the one-pixel overlaps.
    for (int i = kCellCount - 1; i >= 0; --i) {
        auto* button = new CellButton(client);
        button->setObjectName(QStringLiteral("Knop(%1)").arg(i));
        button->setGeometry((i % kColumns) * kCellPitch, (i / kColumns) * kCellPitch, kCellSize,
                            kCellSize);
        // The button flips its pressed state itself; a click that a modal
        // window keeps from the game (an assistive technology's press) puts
        // it back.
        connect(button, &QPushButton::clicked, this, [this, i, button] {
            if (request(Input::click(i)) == Outcome::Blocked) {
                button->setChecked(!button->isChecked());
            }
        });
        connect(button, &CellButton::arrowKeyPressed, this,
                [this, i](Qt::Key key) { moveBoardFocus(i, key); });
        connect(button, &CellButton::focusTaken, this, [this, i] { lastFocusedCell_ = i; });
        knop_[static_cast<std::size_t>(i)] = button;
    }
}

void frmMain::createStatusRow(QWidget* client)
{
    btnYellow_ = new IndicatorButton(client);
    btnYellow_->setObjectName(QStringLiteral("btnYellow"));
    btnYellow_->setGeometry(429, kStatusTop, 67, kStatusHeight);

    btnYellowPoints_ = new QPushButton(client);
    btnYellowPoints_->setObjectName(QStringLiteral("btnYellowPoints"));
    btnYellowPoints_->setGeometry(248, kStatusTop, 182, kStatusHeight);

    btnRedPoints_ = new QPushButton(client);
    btnRedPoints_->setObjectName(QStringLiteral("btnRedPoints"));
    btnRedPoints_->setGeometry(66, kStatusTop, 183, kStatusHeight);

    btnRed_ = new IndicatorButton(client);
    btnRed_->setObjectName(QStringLiteral("btnRed"));
    btnRed_->setGeometry(0, kStatusTop, 67, kStatusHeight);

    for (QPushButton* score : {btnRedPoints_, btnYellowPoints_}) {
        score->setFont(platform::sansSerifBold(8.25));
        score->setFocusPolicy(Qt::StrongFocus);
        score->setAutoDefault(false);
    }
    btnRed_->setAutoDefault(false);
    btnYellow_->setAutoDefault(false);
    for (const Colour colour : {Colour::Red, Colour::Yellow}) {
        connect(colour == Colour::Red ? btnRedPoints_ : btnYellowPoints_, &QPushButton::clicked,
                this, [this, colour] { request(Input::score(colour)); });
    }
    // A click on an indicator does nothing; its arrow keys lead back to the
    // board.
    for (IndicatorButton* indicator : {btnRed_, btnYellow_}) {
        connect(indicator, &IndicatorButton::arrowKeyPressed, this,
                [this] { returnFocusToBoard(); });
    }
}

void frmMain::centreOnScreen()
{
    // An estimate by the inner size; the first showing centres the window
    // by its frame (placeCentred).
    adjustSize();
    platform::centreOn(this, platform::screenArea(this));
}

void frmMain::newField(Int16 /*fieldType*/)
{
    // Every button of a new field stands released.
    for (CellButton* button : knop_) {
        button->setChecked(false);
    }
}

void frmMain::cellChanged(int index, const Cell& cell)
{
    CellButton* button = Knop(index);
    button->setOwner(cell.owner);
    button->setEnabled(cell.enabled);
    button->setVisible(cell.visible);
    setAnnouncedName(button, GameTexts::cellName(index, cell.owner));
}

void frmMain::scoreChanged(Colour colour, Int16 points)
{
    QPushButton* button = colour == Colour::Red ? btnRedPoints_ : btnYellowPoints_;
    button->setText(GameTexts::scoreCaption(colour, points));
}

void frmMain::turnChanged(std::optional<Colour> toMove, std::optional<Move> after)
{
    for (const Colour colour : {Colour::Red, Colour::Yellow}) {
        IndicatorButton* indicator = colour == Colour::Red ? btnRed_ : btnYellow_;
        const bool on = toMove == colour;
        indicator->setPicture(on ? pictureOf(colour) : Picture::Gray);
        setAnnouncedName(indicator, GameTexts::indicatorName(colour, on, after));
    }
    if (toMove && after) {
        // The focus follows the turn, so that a keyboard player finds the
        // indicator that tells the move just made. On a hidden window it
        // lands once the window is shown; under a modal window it waits.
        (*toMove == Colour::Red ? btnRed_ : btnYellow_)->setFocus(Qt::OtherFocusReason);
    }
}

void frmMain::gameOver(Int16 redPoints, Int16 yellowPoints)
{
    // Shown and left: its OK, or its closing, lays out the next game.
    showMessage(GameTexts::result(redPoints, yellowPoints),
                [this] { request(Input::resultClosed()); });
}

void frmMain::showMessage(const QString& text, const std::function<void()>& closed)
{
    auto* box = new QMessageBox(QMessageBox::Information, QCoreApplication::applicationName(), text,
                                QMessageBox::Ok, this);
    box->setTextFormat(Qt::PlainText);
    for (QAbstractButton* button : box->buttons()) {
        // Qt draws an icon-and-text caption against the button's left border
        // in right to left, through its last letter: the caption alone.
        if (box->isRightToLeft()) {
            button->setIcon(QIcon());
        }
        platform::padCaption(button);
    }
    // Fixed in size from the start, as the box makes itself once shown: the
    // window manager then frames it, and reports that frame, as a window
    // that cannot be resized.
    box->layout()->setSizeConstraint(QLayout::SetFixedSize);
    platform::placeCentred(box, [this] { return platform::outerGeometry(this); });
    // Modal without a loop of its own: the program's one event loop goes on,
    // and nothing behind the box takes input until it closes.
    box->setWindowModality(Qt::ApplicationModal);
    connect(box, &QDialog::finished, this, [box, closed] {
        box->deleteLater();
        if (closed) {
            closed();
        }
    });
    box->show();
}

void frmMain::scoreEnquired(Colour asking, Int16 redPoints, Int16 yellowPoints)
{
    showMessage(GameTexts::scoreEnquiry(asking, redPoints, yellowPoints));
}

} // namespace tarnel::ui
