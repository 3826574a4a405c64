// Tarnel's entry point.
//
// The program takes no arguments. Qt would otherwise read options such as
// -reverse, -style or -platform from the command line and change how the
// game looks or whether it starts at all, so it is handed the program name
// alone: whatever is given, the game starts as always.
#include "ui/Algemeen.h"
#include "ui/Translations.h"
#include "ui/WindowSystem.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    tarnel::ui::chooseWindowSystem();
    tarnel::ui::watchDisplayOpening();
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    tarnel::ui::displayOpened();
    tarnel::ui::setApplicationProperties();
    tarnel::ui::installTranslations();
    tarnel::ui::Algemeen startUp;
    startUp.Main();
    return QApplication::exec();
}
