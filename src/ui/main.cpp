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

int main(int argc, char* argv[])
{
    tarnel::platform::chooseWindowSystem();
    tarnel::platform::watchDisplayOpening();
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    tarnel::platform::displayOpened();
    tarnel::ui::setApplicationProperties();
    tarnel::platform::installTranslations();
    tarnel::ui::Algemeen startUp;
    startUp.Main();
    return QApplication::exec();
}
