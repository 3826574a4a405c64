// Access keys' underlines. In Arabic and Persian they show only while Alt is
// held, as desktops do for these scripts; the access keys work as always.
// Qt would underline a key by giving its letter a format of its own, which
// shapes the word in pieces ("م ساعدة" for "مساعدة") and runs the line
// through the letter's dots and descenders: here the caption is drawn whole
// and the line set after, under the key's letter and below the lowest ink
// around it.
#pragma once

#include <QString>

namespace tarnel::platform {

// True for the languages whose script joins its letters ("ar", "fa").
bool writesJoinedLetters(const QString& language);

// Shows the access keys' underlines only while Alt is held (`untilAlt`), or
// always. The first call wraps the application's style, which draws them
// from then on; call it after the application exists.
void showAccessKeysOnlyWithAlt(bool untilAlt);

} // namespace tarnel::platform
