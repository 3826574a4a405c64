#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace tarnel::ui {

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
} // namespace

void removeTranslations()
{
    Installed& current = installed();
    for (auto* translator : {&current.game, &current.qt}) {
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    }
}

QString installTranslations(const QLocale& locale)
{
    removeTranslations();
    auto game = std::make_unique<QTranslator>();
    // Tries the locale's languages in the user's order of preference, e.g.
    // tarnel_de_DE.qm, then tarnel_de.qm; none fits an English locale.
    if (!game->load(locale, QStringLiteral("tarnel"), QStringLiteral("_"),
                    QStringLiteral(":/i18n"))) {
        return {};
    }
    QString language = game->language().section(QLatin1Char('_'), 0, 0);
    Installed& current = installed();
    current.game = std::move(game);
    QCoreApplication::installTranslator(current.game.get());

    // Qt's own texts only in the language the game speaks, so that an
    // English game never shows a foreign OK button.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        current.qt = std::move(qt);
        QCoreApplication::installTranslator(current.qt.get());
    }
    return language;
}

} // namespace tarnel::ui
