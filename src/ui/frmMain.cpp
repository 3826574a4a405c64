#include "frmMain.h"

#include "CellButton.h"
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

QString indicatorAccessibleName(Colour colour, Picture picture)
{
    if (picture == Picture::Gray) {
        return {};
    }
    return colour == Colour::Red ? QStringLiteral("Red to move") : QStringLiteral("Yellow to move");
}

} // namespace

frmMain::frmMain(const FieldTables& tables, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      game_(*this, tables), menus_(game_)
{
    setObjectName(QStringLiteral("frmMain"));
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
}

void frmMain::centreOnScreen()
{
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        return;
    }
    adjustSize();
    const QRect area = screen->geometry();
    const QSize outer = frameGeometry().size();
    move(area.x() + area.width() / 2 - outer.width() / 2,
         area.y() + area.height() / 2 - outer.height() / 2);
}

void frmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!centredOnShow_) {
        // The frame's size is known only once the window is on screen.
        centredOnShow_ = true;
        centreOnScreen();
    }
}

void frmMain::onTimerTick()
{
    computerTurnTick(game_);
}

void frmMain::cellChanged(int index, const Cell& cell)
{
    CellButton* button = Knop(index);
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
    setAnnouncedName(indicator, indicatorAccessibleName(colour, picture));
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
    box.exec();
}

void frmMain::showScoreEnquiry(Colour asking)
{
    const GameState& state = game_.state();
    showMessage(scoreEnquiry(asking, state.RedPoints, state.YellowPoints));
}

} // namespace tarnel::ui
