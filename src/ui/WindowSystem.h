// Which window system the game opens on.
#pragma once

namespace tarnel::ui {

// Chooses the window system before the application starts, unless
// QT_QPA_PLATFORM already names one. In a Wayland session that also offers
// X11 (XWayland: DISPLAY is set), the game runs through X11, where a window
// can be placed, so that it opens centred. With Wayland alone it runs as a
// native Wayland client, and the compositor places its windows.
void chooseWindowSystem();

// True on a window system that places windows itself (Wayland): the game
// then leaves their placing to it.
bool compositorPlacesWindows();

} // namespace tarnel::ui
