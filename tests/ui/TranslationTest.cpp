// The game in the player's language: every translation loads with Qt's own
// texts, reads in its direction with the board unturned, fits its boxes and
// is drawn by fonts that have its characters; English stays letter for
// letter everywhere else.
#include "support/TextChecks.h"
#include "support/UiFixture.h"
#include "ui/GameTexts.h"
#include "ui/Translations.h"
#include "ui/frmAbout.h"
#include "ui/frmHelp.h"
#include "ui/frmSplash.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <ostream>
#include <set>

namespace tarnel::ui::testing {
namespace {

struct LanguageCase
{
    const char* locale;   // as LANG gives it
    const char* language; // what is loaded; "" for English
    bool rightToLeft = false;
};

// Failures name the locale, not the bytes of the case.
void PrintTo(const LanguageCase& c, std::ostream* os)
{
    *os << c.locale;
}

constexpr LanguageCase kLanguages[] = {
    {"ar_EG", "ar", true},
    {"bg_BG", "bg"},
    {"ca_ES", "ca"},
    {"cs_CZ", "cs"},
    {"da_DK", "da"},
    {"de_DE", "de"},
    {"es_ES", "es"},
    {"fa_IR", "fa", true},
    {"fi_FI", "fi"},
    {"fr_FR", "fr"},
    {"gd_GB", "gd"},
    {"he_IL", "he", true},
    {"hr_HR", "hr"},
    {"hu_HU", "hu"},
    {"it_IT", "it"},
    {"ja_JP", "ja"},
    {"ko_KR", "ko"},
    {"lv_LV", "lv"},
    {"nl_NL", "nl"},
    {"nn_NO", "nn"},
    {"pl_PL", "pl"},
    {"pt_BR", "pt_BR"},
    {"ru_RU", "ru"},
    {"sk_SK", "sk"},
    {"tr_TR", "tr"},
    {"uk_UA", "uk"},
    {"zh_CN", "zh_CN"},
    {"zh_TW", "zh_TW"},
    {"C", ""},
    {"en_US", ""},
};

class TranslationTest : public ::testing::TestWithParam<LanguageCase>
{
protected:
    TranslationTest()
    {
        const LocaleEnvironment environment{{}, {}, {}, QString::fromLatin1(GetParam().locale)};
        language = installTranslations(chooseLanguage(environment, translatedLanguages()));
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

// Every menu's items (the bar's too) have access keys, none twice, and
// every caption is drawn by the menu's fonts.
::testing::AssertionResult menusAreSound(const QList<QAction*>& actions, const QFont& font)
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
        if (auto drawn = fontHasEveryCharacter(action->text(), font); !drawn) {
            return drawn;
        }
        if (const QMenu* submenu = action->menu()) {
            if (auto inner = menusAreSound(submenu->actions(), submenu->font()); !inner) {
                return inner;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

TEST_P(TranslationTest, SpeaksReadsFitsAndDrawsTheLanguage)
{
    const LanguageCase& c = GetParam();
    const bool english = *c.language == '\0';
    ASSERT_EQ(language, QString::fromLatin1(c.language));
    EXPECT_EQ(QCoreApplication::translate("QMessageBox", "Show Details...") ==
                  QLatin1String("Show Details..."),
              english)
        << "Qt's own texts in the game's language";
    if (!english) {
        EXPECT_NE(window->menuBar()->actions().first()->text(), QLatin1String("&Game"));
    }
    EXPECT_TRUE(menusAreSound(window->menuBar()->actions(), window->menuBar()->font()));

    // The menus, boxes and dialogs read in the language's direction; the
    // board keeps cell 0 at the top left.
    QMessageBox box(QMessageBox::Information, QStringLiteral("Tarnel"), QStringLiteral("-"));
    frmHelp help(window.get());
    frmAbout about(window.get());
    frmSplash splash;
    EXPECT_EQ(window->menuBar()->isRightToLeft(), c.rightToLeft);
    EXPECT_EQ(box.isRightToLeft(), c.rightToLeft);
    EXPECT_EQ(about.picIcon()->x() > about.width() / 2, c.rightToLeft);
    EXPECT_EQ(help.Label1()->x() < help.Knop(0)->x(), c.rightToLeft);
    EXPECT_EQ(window->Knop(0)->mapTo(window.get(), QPoint()),
              window->centralWidget()->mapTo(window.get(), QPoint()));
    EXPECT_LT(window->Knop(0)->x(), window->Knop(14)->x());
    EXPECT_LT(window->btnRedPoints()->x(), window->btnYellowPoints()->x());

    // The longest texts fit their fixed boxes.
    for (const Colour colour : {Colour::Red, Colour::Yellow}) {
        QPushButton* button =
            colour == Colour::Red ? window->btnRedPoints() : window->btnYellowPoints();
        EXPECT_TRUE(wouldFit(button, GameTexts::scoreCaption(colour, 1875)));
    }
    for (const QWidget* widget : std::initializer_list<const QWidget*>{
             help.Label1(), help.Label2(), help.Label3(), help.OKButton(), about.lblVersion(),
             about.lblDescription(), about.Label1(), about.cmdOK(), splash.lblWelcome()}) {
        EXPECT_TRUE(fitsItsBox(widget));
    }

    // Every text shown is drawn by a font that has its characters.
    QStringList shown{help.windowTitle(), about.windowTitle()};
    for (const QLabel* label : help.findChildren<QLabel*>() + about.findChildren<QLabel*>() +
                                   splash.findChildren<QLabel*>()) {
        EXPECT_TRUE(fontHasEveryCharacter(label->text(), label->font()));
    }
    for (const Int16 n : std::initializer_list<Int16>{0, 1, 2, 3, 5, 11, 21, 22, 101, 1875}) {
        EXPECT_TRUE(fontHasEveryCharacter(GameTexts::scoreCaption(Colour::Yellow, n),
                                          window->btnYellowPoints()->font()));
        shown << GameTexts::result(n, n) << GameTexts::result(n, 0) << GameTexts::result(0, n)
              << GameTexts::scoreEnquiry(Colour::Red, n, n)
              << GameTexts::scoreEnquiry(Colour::Red, n, 0)
              << GameTexts::scoreEnquiry(Colour::Yellow, n, 0);
    }
    for (const QString& text : shown) {
        EXPECT_TRUE(fontHasEveryCharacter(text, box.font()));
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, TranslationTest, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return std::string(info.param.locale); });

TEST(Translations, EveryLanguageHasItsRow)
{
    QStringList rows;
    for (const LanguageCase& c : kLanguages) {
        if (*c.language != '\0') {
            rows << QString::fromLatin1(c.language);
        }
    }
    EXPECT_EQ(rows, translatedLanguages());
}

// The language chosen from the locale variables, as gettext chooses.
TEST(Translations, FollowTheLocaleVariables)
{
    const QStringList available{QStringLiteral("de"), QStringLiteral("nl"), QStringLiteral("pt_BR"),
                                QStringLiteral("zh_CN"), QStringLiteral("zh_TW")};
    struct Row
    {
        LocaleEnvironment environment;
        const char* expected;
    };
    const auto env = [](const char* language, const char* lcAll, const char* lcMessages,
                        const char* lang) {
        return LocaleEnvironment{QString::fromLatin1(language), QString::fromLatin1(lcAll),
                                 QString::fromLatin1(lcMessages), QString::fromLatin1(lang)};
    };
    const Row rows[] = {
        {env("", "", "", "de_DE.UTF-8"), "de"},
        {env("", "", "", "de_AT.UTF-8"), "de"},
        {env("", "", "", "nl_BE.UTF-8@euro"), "nl"},
        {env("", "", "", "zh_HK.UTF-8"), "zh_TW"},
        {env("", "", "", "zh_MO.UTF-8"), "zh_TW"},
        {env("", "", "", "zh_SG.UTF-8"), "zh_CN"},
        {env("", "", "", "pt_PT.UTF-8"), "pt_BR"},
        {env("", "", "", "fr_FR.UTF-8"), ""},
        {env("", "", "", "C"), ""},
        {env("", "", "", ""), ""},
        {env("", "nl_NL.UTF-8", "de_DE.UTF-8", "en_US.UTF-8"), "nl"},
        {env("", "", "de_DE.UTF-8", "nl_NL.UTF-8"), "de"},
        {env("fr:de:nl", "", "", "nl_NL.UTF-8"), "de"},
        {env("en_GB:nl", "", "", "en_GB.UTF-8"), ""},
        {env("en:de", "", "", "de_DE.UTF-8"), ""},
        {env("de", "", "", "C"), ""},
        {env("de", "", "", "POSIX"), ""},
    };
    for (const Row& row : rows) {
        const LocaleEnvironment& e = row.environment;
        EXPECT_EQ(chooseLanguage(e, available), QString::fromLatin1(row.expected))
            << "LANGUAGE=" << e.language.toStdString() << " LC_ALL=" << e.lcAll.toStdString()
            << " LC_MESSAGES=" << e.lcMessages.toStdString() << " LANG=" << e.lang.toStdString();
    }
}

// The locale comes from the process's environment. CTest runs this under
// several environments and names the language expected in
// TARNEL_EXPECT_LANGUAGE (empty: English).
TEST(SystemLocale, ChoosesTheLanguage)
{
    EXPECT_EQ(installTranslations(), qEnvironmentVariable("TARNEL_EXPECT_LANGUAGE"));
    removeTranslations();
}

} // namespace
} // namespace tarnel::ui::testing
