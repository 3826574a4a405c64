// Tarnel's entry point.
//
// The program takes no arguments. Qt would otherwise read options such as
// -reverse, -style or -platform from the command line and change how the
// game looks or whether it starts at all, so it is handed the program name
// alone: whatever is given, the game starts as always.
#include "platform/Translations.h"
#include "platform/WindowSystem.h"
#include "ui/Algemeen.h"

#include <QApplication>

#ifdef Q_OS_WASM
#include "platform/Page.h"
#include "ui/GameTexts.h"
#include "ui/frmMain.h"

namespace {
// What a page's window manager puts around the main window's client area:
// its frame, title bar and menu bar. The main window is the largest window
// the game shows.
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 56;
} // namespace
#endif

int main(int argc, char* argv[])
{
    namespace platform = tarnel::platform;
#ifdef Q_OS_WASM
    platform::fitToViewport(
        {tarnel::ui::kClientWidth + kFrameWidth, tarnel::ui::kClientHeight + kFrameHeight});
#else
    platform::chooseWindowSystem();
    platform::watchDisplay();
#endif
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
#ifdef Q_OS_WASM
    tarnel::ui::setApplicationProperties();
    // The page's files for the language come first; the splash after them.
    // The start-up object lives on: the application's loop hands control
    // back to the browser without leaving main.
    tarnel::ui::Algemeen startUp;
    const QString language =
        platform::choosePreferred(platform::browserLanguages(), platform::translatedLanguages());
    platform::loadLanguageFiles(language, [&startUp, language] {
        platform::installTranslations(language);
        startUp.Main();
        platform::manageMainWindowInPage(startUp.MainForm());
    });
    // A page cannot end its process: closing the main window ends the game
    // in the page, which says so.
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, [] {
        platform::endInPage(tarnel::ui::GameTexts::endedInPage(),
                            tarnel::ui::GameTexts::playAgain());
    });
#else
    platform::displayOpened();
    tarnel::ui::setApplicationProperties();
    platform::installTranslations();
    tarnel::ui::Algemeen startUp;
    startUp.Main();
#endif
    return QApplication::exec();
}
