// Which window system the game opens on, and a clear word when it can open
// none.
#pragma once

namespace tarnel::platform {

// Chooses the window system before the application starts, unless
// QT_QPA_PLATFORM already names one. In a Wayland session that also offers
// X11 (XWayland: DISPLAY is set), the game runs through X11, where a window
// can be placed, so that it opens centred; should that display not answer,
// through Wayland. With Wayland alone it runs as a native Wayland client,
// and the compositor places its windows.
void chooseWindowSystem();

// From here until displayOpened(), Qt's messages about the window system
// are held back. Should no display open, the program says in one line on
// standard error which one it could not open, and ends with status 1; so
// too should the display fall silent for fifteen seconds before the first
// window is on screen (each answer starts the wait again), the line then
// telling whether it had opened. Where no answer can be seen (Windows), the
// fifteen seconds count from here and the watch ends with the opening.
void watchDisplay();

// The display is open: the messages held back are passed on, and the watch
// goes on until a window is on screen. Should the display offer no screen
// to show a window on, it is no display: one line and status 1, as above.
// Called once the application is made, before any window.
void displayOpened();

// True on a window system that places windows itself (Wayland): the game
// then leaves their placing to it.
bool compositorPlacesWindows();

} // namespace tarnel::platform
