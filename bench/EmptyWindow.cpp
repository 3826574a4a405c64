// The reference for start-up time and memory: an empty Qt window of 150
// push buttons, laid out like Tarnel's board and centred the same way.
//
//   tarnel_empty_window          the buttons alone (no text at all)
//   tarnel_empty_window text     plus a menu bar and two bold captions, to
//                                show what drawing any text costs
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <cstring>

int main(int argc, char* argv[])
{
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    const bool withText = argc > 1 && std::strcmp(argv[1], "text") == 0;
    QMainWindow window;
    auto* client = new QWidget;
    client->setFixedSize(495, 356);
    window.setCentralWidget(client);
    for (int i = 0; i < 150; ++i) {
        auto* button = new QPushButton(client);
        button->setGeometry((i % 15) * 33, (i / 15) * 33, 34, 34);
    }
    if (withText) {
        window.menuBar()->setNativeMenuBar(false);
        for (const char* menu : {"&Game", "&Difficulty", "&Field", "&Players", "&Help"}) {
            window.menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QStringLiteral("-"));
        }
        QFont bold;
        bold.setBold(true);
        for (const int x : {66, 248}) {
            auto* caption = new QPushButton(QStringLiteral("Red has 0 points"), client);
            caption->setGeometry(x, 331, 182, 26);
            caption->setFont(bold);
        }
    }
    window.move(window.screen()->geometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
