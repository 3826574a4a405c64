// The game in the player's language: every translation loads with Qt's own
// texts, reads in its direction with the board unturned, fits its boxes and
// is drawn by fonts that have its characters; English stays letter for
// letter everywhere else.
#include "platform/AccessKeys.h"
#include "platform/Centring.h"
#include "platform/Translations.h"
#include "support/TextChecks.h"
#include "support/UiFixture.h"
#include "ui/GameTexts.h"
#include "ui/frmAbout.h"
#include "ui/frmHelp.h"
#include "ui/frmSplash.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>
#include <array>
#include <set>

namespace tarnel::ui::testing {
namespace {

// The locales tried, as LANG gives them: one for every translation, and two
// that stay English; where the language writes letters the classic faces
// lack or draw only in part, one of them and the face that must draw it,
// whatever the process's own locale (Han characters in the language's
// shapes, Vietnamese in one face whole).
struct LocaleRow
{
    const char* locale;
    const char* face = "";
    const char* letter = "";
};
// clang-format off
constexpr LocaleRow kLocales[] = {
    {"ar_EG"}, {"bg_BG"}, {"bn_BD", "Noto Sans Bengali", "ব"}, {"ca_ES"}, {"cs_CZ"}, {"da_DK"},
    {"de_DE"}, {"el_GR"}, {"es_ES"}, {"et_EE"}, {"fa_IR"}, {"fi_FI"}, {"fr_FR"}, {"gd_GB"},
    {"he_IL"}, {"hi_IN", "Noto Sans Devanagari", "ख"}, {"hr_HR"}, {"hu_HU"}, {"id_ID"}, {"it_IT"},
    {"ja_JP", "Noto Sans CJK JP", "說"}, {"ko_KR", "Noto Sans CJK KR", "說"}, {"lt_LT"}, {"lv_LV"},
    {"nb_NO"}, {"nl_NL"}, {"nn_NO"}, {"pl_PL"}, {"pt_BR"}, {"ro_RO"}, {"ru_RU"}, {"sk_SK"},
    {"sl_SI"}, {"sv_SE"}, {"th_TH", "Noto Sans Thai", "ก"}, {"tr_TR"}, {"uk_UA"},
    {"vi_VN", "Noto Sans", "ư"}, {"zh_CN", "Noto Sans CJK SC", "說"},
    {"zh_TW", "Noto Sans CJK TC", "說"}, {"C"}, {"en_US"}};
// clang-format on

// The translation a locale should get: its language, or the whole name
// where the region decides; none for English.
QString expectedLanguage(const QString& locale)
{
    if (locale == QLatin1String("C") || locale.startsWith(QLatin1String("en"))) {
        return {};
    }
    return locale.startsWith(QLatin1String("pt")) || locale.startsWith(QLatin1String("zh"))
               ? locale
               : locale.left(2);
}

class TranslationTest : public ::testing::TestWithParam<LocaleRow>
{
protected:
    TranslationTest()
    {
        const platform::LocaleEnvironment environment{
            {}, {}, {}, QString::fromLatin1(GetParam().locale)};
        language = platform::installTranslations(
            platform::chooseLanguage(environment, platform::translatedLanguages()));
        forgetFoundFaces(); // the rows run in one process
        app.loadMainWindow();
        window = app.MainForm();
    }
    ~TranslationTest() override { platform::removeTranslations(); }

    QString language;
    Algemeen app;
    frmMain* window = nullptr;
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
        // As drawn: without the access key's mark, which a script's face
        // may lack (Windows falls back by script).
        const QString caption =
            QString(action->text()).remove(QRegularExpression(QStringLiteral("&(?!&)")));
        if (auto drawn = fontHasEveryCharacter(caption, font); !drawn) {
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
    ASSERT_EQ(language, expectedLanguage(QString::fromLatin1(GetParam().locale)));
    const bool english = language.isEmpty();
    const bool rightToLeft =
        QStringList{QStringLiteral("ar"), QStringLiteral("fa"), QStringLiteral("he")}.contains(
            language);
    EXPECT_EQ(QCoreApplication::translate("QMessageBox", "Show Details...") ==
                  QLatin1String("Show Details..."),
              english)
        << "Qt's own texts in the game's language";
    if (!english) {
        EXPECT_NE(window->menuBar()->actions().first()->text(), QLatin1String("&Game"));
    }
    EXPECT_TRUE(menusAreSound(window->menuBar()->actions(), window->menuBar()->font()));

    // In a script that joins its letters, the access keys are underlined
    // only while Alt is held.
    const bool joined = QStringList{QStringLiteral("ar"), QStringLiteral("fa")}.contains(language);
    const auto underlined = [this] {
        return QApplication::style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr,
                                                window->menuBar()) != 0;
    };
    EXPECT_EQ(underlined(), !joined);
    const QList<QImage> asShown = menuImages(window->menuBar());
    // Every language, shown with Alt as a joined script: the letters kept,
    // each underline clear of them, at every scale CTest runs this at.
    platform::showAccessKeysOnlyWithAlt(true);
    const QList<QImage> released = menuImages(window->menuBar());
    QTest::keyPress(window, Qt::Key_Alt);
    EXPECT_TRUE(underlined());
    const QList<QImage> held = menuImages(window->menuBar());
    EXPECT_TRUE(onlyUnderlinesAdded(released, held));
    EXPECT_TRUE(joined || held == asShown) << "the underlines shown without Alt";
    QTest::keyRelease(window, Qt::Key_Alt);
    platform::showAccessKeysOnlyWithAlt(joined);
    EXPECT_EQ(underlined(), !joined);

    // The menus, boxes and dialogs read in the language's direction; the
    // board keeps cell 0 at the top left.
    QMessageBox box(QMessageBox::Information, QStringLiteral("Tarnel"), QStringLiteral("-"));
    frmHelp help(window);
    frmAbout about(window);
    frmSplash splash;
    // The language's letters in its faces.
    if (const QString face = QString::fromLatin1(GetParam().face); !face.isEmpty()) {
        for (const QWidget* widget : std::initializer_list<const QWidget*>{
                 window->menuBar(), window->btnRedPoints(), help.Label1()}) {
            EXPECT_EQ(faceDrawing(QString::fromUtf8(GetParam().letter), widget->font()), face);
        }
    }
    EXPECT_EQ(window->menuBar()->isRightToLeft(), rightToLeft);
    EXPECT_EQ(box.isRightToLeft(), rightToLeft);
    EXPECT_EQ(about.picIcon()->x() > about.width() / 2, rightToLeft);
    EXPECT_EQ(help.Label1()->x() < help.Knop(0)->x(), rightToLeft);
    EXPECT_EQ(window->Knop(0)->mapTo(window, QPoint()),
              window->centralWidget()->mapTo(window, QPoint()));
    EXPECT_LT(window->btnRedPoints()->x(), window->btnYellowPoints()->x());

    // The longest texts are laid out whole in their fixed boxes.
    for (const Colour colour : {Colour::Red, Colour::Yellow}) {
        QPushButton* button =
            colour == Colour::Red ? window->btnRedPoints() : window->btnYellowPoints();
        EXPECT_TRUE(fits(button, GameTexts::scoreCaption(colour, 1875)));
    }
    for (const QWidget* widget : std::initializer_list<const QWidget*>{
             help.Label1(), help.Label2(), help.Label3(), help.OKButton(), about.lblTitle(),
             about.lblVersion(), about.lblDescription(), about.Label1(), about.cmdOK(),
             splash.lblWelcome(), splash.lblProductName()}) {
        EXPECT_TRUE(fits(widget));
    }
    // Numbers in the digits the locale writes, where the translation asks
    // for them (Persian and Bengali write their own).
    if (language == QLatin1String("fa") || language == QLatin1String("bn")) {
        EXPECT_TRUE(GameTexts::scoreCaption(Colour::Red, 1875).contains(QLocale().toString(1875)));
    }
    for (QLabel* wrapped : {help.Label1(), help.Label2(), help.Label3(), about.Label1()}) {
        EXPECT_TRUE(linesAreFlush(wrapped));
    }
    // The box a score button opens, as the game makes it.
    window->btnRedPoints()->click();
    auto* scoreBox = window->findChild<QMessageBox*>();
    ASSERT_NE(scoreBox, nullptr);
    EXPECT_TRUE(fits(scoreBox->button(QMessageBox::Ok)));
    EXPECT_TRUE(roomy(scoreBox->button(QMessageBox::Ok)));
    // Centred on the main window, also when it grew to its text as it was
    // shown (the long texts of some languages).
    EXPECT_TRUE(eventually([&] {
        return (platform::outerGeometry(scoreBox).center() -
                platform::outerGeometry(window).center())
                   .manhattanLength() <= 2;
    }));
    scoreBox->done(QMessageBox::Ok);

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

INSTANTIATE_TEST_SUITE_P(Locales, TranslationTest, ::testing::ValuesIn(kLocales),
                         [](const auto& row) { return std::string(row.param.locale); });

TEST(Translations, EveryLanguageHasItsRow)
{
    QStringList rows;
    for (const LocaleRow& row : kLocales) {
        rows << expectedLanguage(QString::fromLatin1(row.locale));
    }
    rows.removeAll(QString());
    EXPECT_EQ(rows, platform::translatedLanguages());
}

// The language chosen from LANGUAGE and the locale, as gettext chooses (the
// order of LC_ALL, LC_MESSAGES and LANG: SystemLocale.* below).
TEST(Translations, FollowTheLocaleVariables)
{
    const QStringList available{QStringLiteral("de"),    QStringLiteral("nb"),
                                QStringLiteral("nl"),    QStringLiteral("nn"),
                                QStringLiteral("pt_BR"), QStringLiteral("zh_CN"),
                                QStringLiteral("zh_TW")};
    // LANGUAGE, the locale, the translation chosen.
    // clang-format off
    const std::array<std::array<const char*, 3>, 16> rows{{
        {"", "de_AT.UTF-8", "de"},        {"", "nl_BE.UTF-8@euro", "nl"},
        {"", "zh_HK.UTF-8", "zh_TW"},     {"", "zh_MO.UTF-8", "zh_TW"},
        {"", "zh_SG.UTF-8", "zh_CN"},     {"", "pt_PT.UTF-8", "pt_BR"},
        {"", "C", ""},                    {"", "", ""},
        {"fr:de:nl", "nl_NL.UTF-8", "de"}, {"en_GB:nl", "en_GB.UTF-8", ""},
        {"en:de", "de_DE.UTF-8", ""},     {"de", "C", ""},
        {"de", "POSIX", ""},              {"", "no_NO.UTF-8", "nb"},
        {"", "nb_NO.UTF-8", "nb"},        {"", "nn_NO.UTF-8", "nn"},
    }};
    // clang-format on
    for (const auto& [language, lang, expected] : rows) {
        const platform::LocaleEnvironment environment{
            QString::fromLatin1(language), {}, {}, QString::fromLatin1(lang)};
        EXPECT_EQ(platform::chooseLanguage(environment, available), QString::fromLatin1(expected))
            << "LANGUAGE=" << language << " LANG=" << lang;
    }
    // Windows' display languages, in order.
    for (const auto& [languages, expected] :
         std::initializer_list<std::pair<const char*, const char*>>{{"zh-Hant-TW", "zh_TW"},
                                                                    {"pt-PT;de-DE", "pt_BR"},
                                                                    {"en-US;de-DE", ""},
                                                                    {"eo;nl-BE", "nl"},
                                                                    {"no;de-DE", "nb"}}) {
        EXPECT_EQ(platform::choosePreferred(QString::fromLatin1(languages).split(QLatin1Char(';')),
                                            available),
                  QString::fromLatin1(expected))
            << languages;
    }
}

// The locale comes from the process's environment. CTest runs this under
// several environments and names the language expected in
// TARNEL_EXPECT_LANGUAGE (empty: English).
TEST(SystemLocale, ChoosesTheLanguage)
{
    EXPECT_EQ(platform::installTranslations(), qEnvironmentVariable("TARNEL_EXPECT_LANGUAGE"));
    platform::removeTranslations();
}

} // namespace
} // namespace tarnel::ui::testing
