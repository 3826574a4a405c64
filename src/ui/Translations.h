// The program speaks the language of the system locale (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG) where it has a translation, Dutch or German, and
// English otherwise. Qt's own texts, such as the message box's OK button,
// follow in the same language from Qt's translations.
#pragma once

#include <QLocale>
#include <QString>

namespace tarnel::ui {

// Loads Tarnel's texts and Qt's own for `locale` and installs them in the
// application, in place of any loaded before. Returns the language loaded
// ("nl", "de"), or an empty string when the texts stay English.
QString installTranslations(const QLocale& locale = QLocale::system());

// Back to the English texts.
void removeTranslations();

} // namespace tarnel::ui
