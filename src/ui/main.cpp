// Tarnel's entry point.
#include "FieldTables.h"
#include "frmMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tarnel"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.10"));

    tarnel::FieldTables tables;
    tables.buildAll();
    tarnel::ui::frmMain window(tables);
    window.load();
    window.show();
    return QApplication::exec();
}
