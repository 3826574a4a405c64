// Tarnel's entry point. The program takes no arguments: any given are
// ignored and the game starts as always.
#include "Algemeen.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tarnel::ui::setApplicationProperties();
    tarnel::ui::Algemeen startUp;
    startUp.Main();
    return QApplication::exec();
}
