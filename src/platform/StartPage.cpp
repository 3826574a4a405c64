// The start in a web page: the language taken from the browser, the files
// it needs fetched before the splash, and the windows scaled to the page's
// room once the main window is made.
#include "Start.h"
#include "platform/Page.h"
#include "platform/PageElements.h"
#include "platform/Translations.h"

#include <QApplication>
#include <QWidget>

namespace tarnel::platform {

QKeySequence newGameShortcut()
{
    return {QKeyCombination(Qt::Key_F2)};
}

int run(int argc, char* argv[], const Game& game)
{
    // These live on: the application's loop hands control back to the
    // browser, and the game goes on from its callbacks.
    static int qtArgc = argc > 0 ? 1 : 0;
    static QApplication application(qtArgc, argv);
    static std::unique_ptr<Program> program;
    game.describe();
    const QString language = choosePreferred(browserLanguages(), translatedLanguages());
    loadLanguageFiles(language, [language, make = game.make](const QStringList& missing) {
        installTranslations(language);
        program = make();
        if (!missing.isEmpty()) {
            noticeInPage(program->filesMissingText());
        }
        program->whenShown([] { markInPage("tarnel-main-window"); });
        program->start();
        QWidget* mainWindow = program->mainWindow();
        fitWindowsToPage(mainWindow);
        // The board for screen readers and keyboards, in the page's own
        // elements beside the canvas.
        program->showBoardIn(pageElements(mainWindow));
        program->whenModalWindowsGone([mainWindow] { handKeyboardBack(mainWindow); });
        // A page cannot end its process: closing the main window ends the
        // game in the page, which says so.
        QObject::connect(qApp, &QGuiApplication::lastWindowClosed,
                         [] { endInPage(program->endedText(), program->playAgainText()); });
    });
    return QApplication::exec();
}

} // namespace tarnel::platform
