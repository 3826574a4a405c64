// The game in a web page (Qt for WebAssembly). A page has no machine fonts,
// no locale variables and no process to end; its window system is one
// canvas the size of the browser's viewport. These calls stand in for what
// the desktop gives for nothing.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace tarnel::platform {

// Before the application: lets windows of `designSize` fit the viewport
// inside a `frame` that keeps its size, scaling every window down (never
// up) where the viewport is smaller.
void fitToViewport(QSize designSize, QSize frame);

// Does for `mainWindow` what a desktop's window manager would: keeps it
// centred in the page when the viewport changes size (a phone turned, a
// browser window resized), the windows over it moving with it.
void manageMainWindowInPage(QWidget* mainWindow);

// Hands `mainWindow` the keyboard again once the windows over it have
// closed (a result, a help window), so that keyboard play goes on: what a
// desktop's window manager does by itself.
void handKeyboardBack(QWidget* mainWindow);

// The browser's languages in the player's order ("de-AT", "en-GB").
QStringList browserLanguages();

// Adds the faces built into the program (the Latin faces the windows ask
// for) and makes them the application's, then fetches what `language`
// needs beside the page (Qt's own catalogue, the faces of its script), each
// within a time limit, and calls `then` once all have come or failed, with
// those that failed ("i18n/qtbase_ja.qm").
void loadLanguageFiles(const QString& language,
                       std::function<void(const QStringList& missing)> then);

// Tells the player, beside the game, `message`, in the direction of the
// texts: the page's own words, which its fonts can always write.
void noticeInPage(const QString& message);

// Marks a moment of the start in the page's performance timeline.
void markInPage(const char* name);

// The game has ended: the page hides the canvas and shows `message` with a
// link, `again`, that loads the game again, in the direction of the texts.
void endInPage(const QString& message, const QString& again);

} // namespace tarnel::platform
