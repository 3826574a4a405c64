#include "frmMain.h"

#include "CellButton.h"
#include "Centring.h"
#include "ComputerTurn.h"
#include "Fonts.h"
#include "IndicatorButton.h"
#include "Pictures.h"
#include "ProgramIcon.h"
#include "Texts.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

namespace tarnel::ui {

namespace {
constexpr int kLoadInterval = 100;

QString cellAccessibleName(int index, Picture owner)
{
    const char* holds = owner == Picture::red      ? "red"
                        : owner == Picture::yellow ? "yellow"
                        : owner == Picture::Gray   ? "free"
                                                   : "out of play";
    return QStringLiteral("Row %1, column %2, %3")
        .arg(index / kColumns + 1)
        .arg(index % kColumns + 1)
        .arg(QLatin1String(holds));
}

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

// "Red to move", followed by the move just made when there is one ("Red to
// move. Yellow took row 4, column 8."), so that a player who cannot see the
// board learns the computer's reply where the focus lands. An indicator that
// is off reads "Red waits".
QString indicatorAccessibleName(Colour colour, Picture picture, int lastIndex, Picture lastOwner)
{
    const bool red = colour == Colour::Red;
    if (picture == Picture::Gray) {
        return red ? QStringLiteral("Red waits") : QStringLiteral("Yellow waits");
    }
    QString name = red ? QStringLiteral("Red to move.") : QStringLiteral("Yellow to move.");
    if (lastIndex >= 0) {
        name += (lastOwner == Picture::red ? QStringLiteral(" Red took row %1, column %2.")
                                           : QStringLiteral(" Yellow took row %1, column %2."))
                    .arg(lastIndex / kColumns + 1)
                    .arg(lastIndex % kColumns + 1);
    } else {
        name.chop(1);
    }
    return name;
}

} // namespace

frmMain::frmMain(const FieldTables& tables, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      game_(*this, tables), menus_(game_)
{
    setObjectName(QStringLiteral("frmMain"));
    installCellAccessibility();
    setWindowTitle(QStringLiteral("Tarnel"));
    setWindowIcon(programIcon());

    // The timer is enabled from the moment the window exists and never
    // stopped; its ticks do nothing while a person is to move.
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer"));
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(kLoadInterval);
    connect(timer_, &QTimer::timeout, this, &frmMain::onTimerTick);
    timer_->start();

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    QPalette background = client->palette();
    background.setColor(QPalette::Window, kWorkspaceColour);
    client->setPalette(background);
    client->setAutoFillBackground(true);
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
    keepCentred(this, [this] { return screenArea(this); });
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
        connect(button, &QPushButton::clicked, this, [this, i] { game_.pressCell(i); });
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
        score->setFont(sansSerifBold(8.25));
        score->setFocusPolicy(Qt::StrongFocus);
        score->setAutoDefault(false);
    }
    btnRed_->setAutoDefault(false);
    btnYellow_->setAutoDefault(false);
    connect(btnRedPoints_, &QPushButton::clicked, this, [this] { showScoreEnquiry(Colour::Red); });
    connect(btnYellowPoints_, &QPushButton::clicked, this,
            [this] { showScoreEnquiry(Colour::Yellow); });
    // A click on an indicator does nothing; its arrow keys lead back to the
    // board.
    for (IndicatorButton* indicator : {btnRed_, btnYellow_}) {
        connect(indicator, &IndicatorButton::arrowKeyPressed, this,
                [this] { returnFocusToBoard(); });
    }
}

void frmMain::load()
{
    centreOnScreen();
    menus_.load();
    game_.Load();
    syncMenus();
    // The keyboard starts where the tab order does: on the first cell.
    returnFocusToBoard();
}

void frmMain::centreOnScreen()
{
    // Again when shown and when the window manager adds its frame: see
    // keepCentred.
    adjustSize();
    centreOn(this, screenArea(this));
}

void frmMain::onTimerTick()
{
    computerTurnTick(game_);
}

void frmMain::cellChanged(int index, const Cell& cell)
{
    CellButton* button = Knop(index);
    const bool taken = cell.owner == Picture::red || cell.owner == Picture::yellow;
    if (taken && button->owner() == Picture::Gray) {
        lastMoveIndex_ = index;
        lastMoveOwner_ = cell.owner;
    } else if (!taken && index == lastMoveIndex_) {
        lastMoveIndex_ = -1; // a new field
    }
    button->setOwner(cell.owner);
    button->setChecked(cell.pressed);
    button->setEnabled(cell.enabled);
    button->setVisible(cell.visible);
    setAnnouncedName(button, cellAccessibleName(index, cell.owner));
}

void frmMain::captionChanged(Colour colour, const std::string& caption)
{
    QPushButton* button = colour == Colour::Red ? btnRedPoints_ : btnYellowPoints_;
    button->setText(QString::fromStdString(caption));
}

void frmMain::indicatorChanged(Colour colour, Picture picture)
{
    IndicatorButton* indicator = colour == Colour::Red ? btnRed_ : btnYellow_;
    indicator->setPicture(picture);
    setAnnouncedName(indicator,
                     indicatorAccessibleName(colour, picture, lastMoveIndex_, lastMoveOwner_));
}

bool frmMain::focusIndicator(Colour colour)
{
    IndicatorButton* button = colour == Colour::Red ? btnRed_ : btnYellow_;
    // Works on a hidden window too: the focus lands once it is shown.
    button->setFocus(Qt::OtherFocusReason);
    return isVisible() && button->hasFocus();
}

void frmMain::showMessage(const std::string& text)
{
    QMessageBox box(QMessageBox::Information, QCoreApplication::applicationName(),
                    QString::fromStdString(text), QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    keepCentred(&box, [this] { return outerGeometry(this); });
    box.exec();
}

void frmMain::showScoreEnquiry(Colour asking)
{
    const GameState& state = game_.state();
    showMessage(scoreEnquiry(asking, state.RedPoints, state.YellowPoints));
}

} // namespace tarnel::ui
