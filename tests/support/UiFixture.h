// Helpers for driving the real windows.
#pragma once

#include "ui/Algemeen.h"
#include "ui/CellButton.h"
#include "ui/IndicatorButton.h"
#include "ui/frmMain.h"

#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace tarnel::ui::testing {

// Runs the event loop until `condition` holds; false when it still does not
// after `timeoutMs`. Use it as EXPECT_TRUE(eventually(...)): Qt Test's QTRY
// macros report their failures to Qt Test, which GoogleTest never hears of.
bool eventually(const std::function<bool()>& condition, int timeoutMs = 3000);

// What a message box showed before it was answered.
struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;
    bool modal = false;
};

// Answers the message boxes that open while it is alive: each is looked at,
// `whileOpen` runs inside its event loop, and then its OK button is pressed
// after `delayMs`.
class BoxAnswerer : public QObject
{
public:
    explicit BoxAnswerer(int delayMs = 0);
    std::vector<SeenBox> seen;
    std::function<void()> whileOpen;

private:
    void poll();
    QTimer poller_;
    int delayMs_;
    QMessageBox* handling_ = nullptr;
};

// Everything the main window shows agrees with its game: every board
// button with its cell, the indicators with the colour to move, the score
// captions with the scores, the menu's marks and enabled flags with the
// menu rules, and the timer with the interval in force.
::testing::AssertionResult windowShowsTheGame(Algemeen& app);

// A fixed border, as Windows' own platform gives the window (its style has
// no resize frame and no Maximize box); elsewhere nothing to read.
::testing::AssertionResult hasFixedBorder(QWidget* window);

// A desktop's palette: the default, a dark one, a high-contrast one, a
// dark one whose button text and highlight stand under 2:1 from the face,
// and a light one whose highlight, button text and shadow are transparent.
struct PaletteCase
{
    const char* name;
    QColor face, text, highlight, dark; // button and window alike; none: the default
    QColor buttonText = {};             // none: `text`
    QColor shadow = {};                 // none: Qt's
};
inline const PaletteCase kPalettes[] = {
    {"Default", {}, {}, {}, {}},
    {"Dark", QColor(0x35, 0x35, 0x35), Qt::white, QColor(0x2A, 0x82, 0xDA),
     QColor(0x23, 0x23, 0x23)},
    {"HighContrast", Qt::black, Qt::white, QColor(0x1A, 0xEB, 0xFF), QColor(0x40, 0x40, 0x40)},
    {"FaintButtonText", QColor(0x35, 0x35, 0x35), Qt::white, QColor(0x3C, 0x50, 0x78),
     QColor(0x23, 0x23, 0x23), QColor(0x60, 0x60, 0x60)},
    {"Transparent", QColor(0xEF, 0xEF, 0xEF), Qt::black, Qt::transparent, QColor(0xA0, 0xA0, 0xA0),
     Qt::transparent, Qt::transparent},
};
// Gives the application `palette` while it lives (the default one stays as
// it is), buttons included: the Windows theme gives them a palette of
// their own, whose highlight and text would otherwise stay the system's.
class DesktopPalette
{
public:
    explicit DesktopPalette(const PaletteCase& palette);
    ~DesktopPalette();
    DesktopPalette(const DesktopPalette&) = delete;
    DesktopPalette& operator=(const DesktopPalette&) = delete;

private:
    const QPalette application_;
    const QPalette buttons_;
};

// The application with its main window loaded and shown (no splash).
class WindowFixture : public ::testing::Test
{
protected:
    WindowFixture();
    ~WindowFixture() override;

    void choose(MenuItem item) { window->action(item)->trigger(); }
    // Clicks board button `index` with the mouse.
    void clickCell(int index);
    // The client area as it is drawn now.
    QImage grabClient();
    // Counts the cells in each state from the engine.
    int countOwner(Picture picture) const;

    std::unique_ptr<Algemeen> app;
    frmMain* window = nullptr; // the application's
};

} // namespace tarnel::ui::testing
