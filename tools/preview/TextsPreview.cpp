// Shows every game text that carries a number, in one language, as the game
// would show it: for translators, to check each number form.
//
//   tarnel_texts_preview path/to/tarnel_xx.ts
//
// The .ts file is compiled with lrelease into a scratch folder first, so a
// translation can be checked while it is being written, without a build.
#include "ui/GameTexts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTranslator>

using tarnel::Colour;
using tarnel::Int16;
using tarnel::Move;
using tarnel::Picture;
using tarnel::ui::GameTexts;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc != 2) {
        out << "usage: tarnel_texts_preview path/to/tarnel_xx.ts\n";
        return 2;
    }
    QTemporaryDir scratch;
    const QString qm = scratch.filePath(QStringLiteral("preview.qm"));
    QProcess lrelease;
    lrelease.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    lrelease.start(
        QStringLiteral(TARNEL_LRELEASE),
        {QStringLiteral("-silent"), QString::fromLocal8Bit(argv[1]), QStringLiteral("-qm"), qm});
    QTranslator translator;
    if (!lrelease.waitForFinished() || lrelease.exitCode() != 0 || !translator.load(qm)) {
        out << "could not compile " << argv[1] << '\n';
        return 1;
    }
    QCoreApplication::installTranslator(&translator);

    // Numbers that reach every form of every language's plural rules.
    const Int16 numbers[] = {0,  1,  2,   3,   4,   5,   7,   11,  12,   14,   19,   20,  21,
                             22, 25, 100, 101, 102, 103, 111, 112, 1000, 1001, 1002, 1875};
    for (const Int16 n : numbers) {
        out << "── " << n << '\n';
        out << GameTexts::scoreCaption(Colour::Red, n) << '\n';
        out << GameTexts::scoreCaption(Colour::Yellow, n) << '\n';
        if (n > 0) {
            out << GameTexts::result(n, 0).section(QLatin1Char('\r'), 2) << '\n';
            out << GameTexts::result(0, n).section(QLatin1Char('\r'), 2) << '\n';
        }
        out << GameTexts::result(n, n).section(QLatin1Char('\r'), 2) << '\n';
        out << GameTexts::scoreEnquiry(Colour::Red, n, n) << '\n';
        out << GameTexts::scoreEnquiry(Colour::Yellow, n, n) << '\n';
        if (n > 0) {
            out << GameTexts::scoreEnquiry(Colour::Red, n, 0) << '\n';
            out << GameTexts::scoreEnquiry(Colour::Yellow, n, 0) << '\n';
            out << GameTexts::scoreEnquiry(Colour::Red, 0, n) << '\n';
            out << GameTexts::scoreEnquiry(Colour::Yellow, 0, n) << '\n';
        }
    }
    out << "── heading\n" << GameTexts::result(1, 0).section(QLatin1Char('\n'), 0, 0) << '\n';
    out << "── board and turn, row 10, column 15\n";
    for (const Picture owner : {Picture::Gray, Picture::red, Picture::yellow, Picture::Blue}) {
        out << GameTexts::cellName(149, owner) << '\n';
    }
    for (const Colour colour : {Colour::Red, Colour::Yellow}) {
        out << GameTexts::indicatorName(colour, false, std::nullopt) << '\n';
        out << GameTexts::indicatorName(colour, true, std::nullopt) << '\n';
        for (const Colour mover : {Colour::Red, Colour::Yellow}) {
            out << GameTexts::indicatorName(colour, true, Move{149, mover}) << '\n';
        }
    }
    return 0;
}
