// Runs the window tests inside a QApplication. CTest sets the offscreen
// platform; a run by hand gets it too unless another one is asked for.
#include <QApplication>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace tarnel::ui::testing {
extern long randomEventCount;
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    // Our own flag: --random-events=N for the random-event test.
    for (int i = 1; i < argc; ++i) {
        const char* prefix = "--random-events=";
        if (std::strncmp(argv[i], prefix, std::strlen(prefix)) == 0) {
            tarnel::ui::testing::randomEventCount = std::stol(argv[i] + std::strlen(prefix));
        }
    }
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tarnel"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.10"));
    return RUN_ALL_TESTS();
}
