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

// Scales every window whole, as a screen of higher density would, so that
// `mainWindow` (made, not yet shown), its frame and menu bar included, fills
// as much of the page as fits: down in a small viewport, up in a large one,
// sharp either way. It scales again, the windows kept centred, whenever the
// viewport changes (a phone turned, a browser window resized).
void fitWindowsToPage(QWidget* mainWindow);

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
