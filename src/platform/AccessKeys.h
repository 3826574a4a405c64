// Access keys in cursive scripts. An underline under one letter of an Arabic
// or Persian word breaks the word's joining ("م ساعدة" for "مساعدة"), so in
// these languages the underlines show only while Alt is held, as desktops
// do for these scripts; the access keys work as always.
#pragma once

#include <QString>

namespace tarnel::platform {

// True for the languages whose script joins its letters ("ar", "fa").
bool writesJoinedLetters(const QString& language);

// Shows the access keys' underlines only while Alt is held (`untilAlt`), or
// always. The first call wraps the application's style; call it after the
// application exists.
void showAccessKeysOnlyWithAlt(bool untilAlt);

} // namespace tarnel::platform
