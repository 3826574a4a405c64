#include "Translations.h"

#include "platform/AccessKeys.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace tarnel::platform {

namespace {
struct Installed
{
    std::unique_ptr<QTranslator> game;
    std::unique_ptr<QTranslator> qt;
};

Installed& installed()
{
    static Installed translators;
    return translators;
}

// What the language decides besides the texts: the direction, the digits
// of numbers ("%Ln", "%L1"; without group separators, as scores are
// written), the faces of its letters and the access keys' underlines.
void applyLanguage(const QString& language)
{
    if (language.isEmpty()) {
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        QLocale::setDefault(QLocale::system());
    } else {
        QLocale locale(language);
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        QLocale::setDefault(locale);
        // From the language itself, whether or not Qt's own translation is
        // there to tell it.
        QGuiApplication::setLayoutDirection(locale.textDirection());
    }
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
        setLanguageFaces(language);
        showAccessKeysOnlyWithAlt(writesJoinedLetters(language));
    }
}

const QString kResourceFolder = QStringLiteral(":/i18n");

// "de_AT.UTF-8@euro" → language "de", territory "AT".
struct Entry
{
    QString language;
    QString territory;
};

Entry parse(const QString& entry)
{
    QString name = entry.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    return {name.section(QLatin1Char('_'), 0, 0), name.section(QLatin1Char('_'), 1, 1)};
}

bool isEnglish(const Entry& entry)
{
    return entry.language == QLatin1String("en") || entry.language == QLatin1String("C") ||
           entry.language == QLatin1String("POSIX");
}

// The translation for one preference, or an empty string when none fits.
QString match(const Entry& entry, const QStringList& available)
{
    const auto offer = [&available](const QString& code) {
        return available.contains(code) ? code : QString();
    };
    if (!entry.territory.isEmpty()) {
        if (QString exact = offer(entry.language + QLatin1Char('_') + entry.territory);
            !exact.isEmpty()) {
            return exact;
        }
    }
    if (entry.language == QLatin1String("zh")) {
        // Traditional characters in Taiwan, Hong Kong and Macao.
        static const QStringList traditional{QStringLiteral("TW"), QStringLiteral("HK"),
                                             QStringLiteral("MO"), QStringLiteral("Hant")};
        return offer(traditional.contains(entry.territory) ? QStringLiteral("zh_TW")
                                                           : QStringLiteral("zh_CN"));
    }
    if (entry.language == QLatin1String("pt")) {
        return offer(QStringLiteral("pt_BR"));
    }
    if (entry.language == QLatin1String("no")) {
        // Norwegian as such is written in Bokmål by most.
        return offer(QStringLiteral("nb"));
    }
    return offer(entry.language);
}
} // namespace

LocaleEnvironment LocaleEnvironment::fromProcess()
{
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
            qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG")};
}

QString chooseLanguage(const LocaleEnvironment& environment, const QStringList& available)
{
    QString locale = QStringLiteral("C");
    for (const QString* value : {&environment.lcAll, &environment.lcMessages, &environment.lang}) {
        if (!value->isEmpty()) {
            locale = *value;
            break;
        }
    }
    // As gettext: LANGUAGE is not heard while the locale is plain C.
    QStringList preferences;
    if (const Entry entry = parse(locale);
        !isEnglish(entry) || entry.language == QLatin1String("en")) {
        preferences = environment.language.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    }
    preferences << locale;
    return choosePreferred(preferences, available);
}

QString choosePreferred(const QStringList& preferences, const QStringList& available)
{
    for (const QString& preference : preferences) {
        const Entry entry = parse(preference);
        if (isEnglish(entry)) {
            return {};
        }
        if (QString language = match(entry, available); !language.isEmpty()) {
            return language;
        }
    }
    return {};
}

QStringList translatedLanguages()
{
    QStringList languages;
    const QStringList files = QDir(kResourceFolder).entryList({QStringLiteral("tarnel_*.qm")});
    for (const QString& file : files) {
        languages << file.mid(7).chopped(3); // "tarnel_" and ".qm"
    }
    return languages;
}

void removeTranslations()
{
    Installed& current = installed();
    for (auto* translator : {&current.game, &current.qt}) {
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    }
    applyLanguage({});
}

QString installTranslations(const QString& language)
{
    removeTranslations();
    auto game = std::make_unique<QTranslator>();
    if (language.isEmpty() || !game->load(QStringLiteral("tarnel_") + language, kResourceFolder)) {
        return {};
    }
    Installed& current = installed();
    current.game = std::move(game);
    QCoreApplication::installTranslator(current.game.get());

    // Qt's own texts only in the language the game speaks, so that an
    // English game never shows a foreign OK button: Qt's catalogue, or where
    // Qt has none for the language, the few texts the game's windows show
    // from Qt, carried in the program.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qt->load(QStringLiteral("qt_") + language, kResourceFolder)) {
        current.qt = std::move(qt);
        QCoreApplication::installTranslator(current.qt.get());
    }
    applyLanguage(language);
    return language;
}

QString installTranslations()
{
#ifdef Q_OS_WIN
    // Windows keeps no locale variables: the user's display languages, in
    // the order the user gave them.
    return installTranslations(
        choosePreferred(QLocale::system().uiLanguages(), translatedLanguages()));
#else
    return installTranslations(
        chooseLanguage(LocaleEnvironment::fromProcess(), translatedLanguages()));
#endif
}

} // namespace tarnel::platform
