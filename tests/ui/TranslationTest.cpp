// The game in the player's language: Dutch and German where the locale asks
// for them, the English texts letter for letter everywhere else.
#include "GameTexts.h"
#include "Translations.h"
#include "UiFixture.h"
#include "frmAbout.h"
#include "frmHelp.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <set>

namespace tarnel::ui::testing {
namespace {

using enum MenuItem;

struct LanguageCase
{
    const char* locale;
    const char* language; // what installTranslations() loads; "" for English
    const char* bar;      // the menu bar's captions, joined by "|"
    const char* caption;  // red's caption at 6 points
    const char* result;   // 40 to 52, after the heading and LF CR LF CR
    const char* enquiry;  // red asking at 12 to 7
    const char* cancel;   // one of Qt's own texts
};

// A locale that keeps the English texts.
LanguageCase english(const char* locale)
{
    return {locale,
            "",
            "&Game|&Difficulty|&Field|&Players|&Help",
            "Red has 6 points",
            "yellow wins with 52 points to 40.",
            "Red is 5 points in front of yellow.",
            "Cancel"};
}

class TranslationTest : public ::testing::TestWithParam<LanguageCase>
{
protected:
    TranslationTest()
    {
        language = installTranslations(QLocale(QString::fromLatin1(GetParam().locale)));
        tables.buildAll();
        window = std::make_unique<frmMain>(tables);
        window->load();
    }
    ~TranslationTest() override { removeTranslations(); }

    QString language;
    FieldTables tables;
    std::unique_ptr<frmMain> window;
};

// The access key of a caption: the letter after a lone '&'.
QChar accessKey(const QString& caption)
{
    const qsizetype at = caption.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < caption.size() ? caption.at(at + 1).toLower() : QChar();
}

// Every menu's items (the bar's too) have access keys, none twice.
::testing::AssertionResult accessKeysAreUnique(const QList<QAction*>& actions)
{
    std::set<QChar> keys;
    for (const QAction* action : actions) {
        if (action->isSeparator()) {
            continue;
        }
        const QChar key = accessKey(action->text());
        if (key.isNull() || !keys.insert(key).second) {
            return ::testing::AssertionFailure()
                   << "access key of " << action->text().toStdString() << " missing or taken";
        }
        if (const QMenu* submenu = action->menu()) {
            if (auto inner = accessKeysAreUnique(submenu->actions()); !inner) {
                return inner;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

TEST_P(TranslationTest, MenusCaptionsResultsAndAnswersSpeakTheLanguage)
{
    const LanguageCase& c = GetParam();
    EXPECT_EQ(language, QString::fromLatin1(c.language));
    QStringList bar;
    for (const QAction* action : window->menuBar()->actions()) {
        bar << action->text();
    }
    EXPECT_EQ(bar.join(QLatin1Char('|')), QString::fromUtf8(c.bar));
    EXPECT_TRUE(accessKeysAreUnique(window->menuBar()->actions()));

    EXPECT_EQ(window->btnRedPoints()->text(), GameTexts::scoreCaption(Colour::Red, 0));
    EXPECT_EQ(GameTexts::scoreCaption(Colour::Red, 6), QString::fromUtf8(c.caption));
    EXPECT_EQ(GameTexts::result(40, 52).section(QLatin1Char('\r'), 2), QString::fromUtf8(c.result));
    EXPECT_EQ(GameTexts::scoreEnquiry(Colour::Red, 12, 7), QString::fromUtf8(c.enquiry));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8(c.cancel));

    // The longest texts still fit their places.
    const QFontMetrics metrics(window->btnYellowPoints()->font());
    EXPECT_LT(metrics.horizontalAdvance(GameTexts::scoreCaption(Colour::Yellow, 1875)),
              window->btnYellowPoints()->width() - 8);
    frmHelp help(window.get());
    frmAbout about(window.get());
    for (QLabel* label : {help.Label1(), help.Label2(), help.Label3(), about.Label1()}) {
        EXPECT_LE(label->heightForWidth(label->width()), label->height())
            << label->text().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Locales, TranslationTest,
    ::testing::Values(LanguageCase{"nl_NL", "nl", "&Spel|&Moeilijkheid|&Veld|S&pelers|&Help",
                                   "Rood heeft 6 punten", "Geel wint met 52 tegen 40 punten.",
                                   "Rood staat 5 punten voor op geel.", "Annuleren"},
                      LanguageCase{"de_DE", "de", "&Spiel|S&chwierigkeit|&Feld|Spie&ler|&Hilfe",
                                   "Rot hat 6 Punkte", "Gelb gewinnt mit 52 zu 40 Punkten.",
                                   "Rot liegt 5 Punkte vor Gelb.", "Abbrechen"},
                      english("C"), english("en_US"), english("fr_FR")),
    [](const auto& info) { return std::string(info.param.locale); });

// The locale comes from the environment as desktop programs read it. CTest
// runs this under several environments and names the language expected in
// TARNEL_EXPECT_LANGUAGE (empty: English).
TEST(SystemLocale, ChoosesTheLanguage)
{
    EXPECT_EQ(installTranslations(), qEnvironmentVariable("TARNEL_EXPECT_LANGUAGE"));
    removeTranslations();
}

} // namespace
} // namespace tarnel::ui::testing
