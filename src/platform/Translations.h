// The program speaks the player's language where it has a translation, and
// English otherwise. Qt's own texts, such as the message box's OK button,
// follow in the same language from Qt's translations, and the windows read
// right to left in a right-to-left language.
#pragma once

#include <QString>
#include <QStringList>

namespace tarnel::platform {

// The locale variables as gettext reads them.
struct LocaleEnvironment
{
    QString language;   // LANGUAGE: preferences separated by ':'
    QString lcAll;      // LC_ALL
    QString lcMessages; // LC_MESSAGES
    QString lang;       // LANG

    static LocaleEnvironment fromProcess();
};

// The first of the player's languages that `available` holds ("de",
// "pt_BR", "zh_TW"), or an empty string for English. The preferences are
// LANGUAGE's entries in order, then the first set of LC_ALL, LC_MESSAGES and
// LANG; LANGUAGE counts only when that locale is not C or POSIX. An English,
// C or POSIX entry chooses English and ends the search. A regional variant
// without a translation of its own gets its language's (de_AT: de); Chinese
// goes by script (zh_HK, zh_MO: zh_TW; zh_SG: zh_CN), any Portuguese gets
// pt_BR and Norwegian (no) Bokmål (nb).
QString chooseLanguage(const LocaleEnvironment& environment, const QStringList& available);

// The first of `preferences` ("nl-BE", "zh-Hant-TW", "de_AT.UTF-8") that
// `available` holds, matched as chooseLanguage matches each preference; an
// English one ends the search. On Windows, the user's display languages.
QString choosePreferred(const QStringList& preferences, const QStringList& available);

// The languages Tarnel's texts are translated into.
QStringList translatedLanguages();

// Loads Tarnel's texts and Qt's own for `language` ("" for English) and
// installs them in the application, in place of any loaded before, with the
// layout direction of the language. Returns the language loaded, or an
// empty string when the texts stay English.
QString installTranslations(const QString& language);

// The language chosen from the process's locale variables (on Windows, from
// the user's display languages), installed.
QString installTranslations();

// Back to the English texts, left to right.
void removeTranslations();

} // namespace tarnel::platform
