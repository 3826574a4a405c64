// The start on a desktop: the window system chosen and its display watched
// before anything else, so that a display that cannot be opened gets one
// line and status 1.
#include "Start.h"
#include "platform/Translations.h"
#include "platform/WindowSystem.h"

#include <QApplication>

namespace tarnel::platform {

QKeySequence newGameShortcut()
{
    return {Qt::CTRL | Qt::Key_N};
}

int run(int argc, char* argv[], const Game& game)
{
    chooseWindowSystem();
    watchDisplay();
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication application(qtArgc, argv);
    displayOpened();
    game.describe();
    installTranslations();
    const std::unique_ptr<Program> program = game.make();
    program->start();
    return QApplication::exec();
}

} // namespace tarnel::platform
