// Runs the window tests inside a QApplication. CTest sets the platform; a
// run by hand gets the offscreen one unless another one is asked for.
#include <QApplication>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <string_view>

namespace tarnel::ui::testing {
// How many events the random-event test sends.
long randomEventCount = 100000;
} // namespace tarnel::ui::testing

namespace {
// A positive whole number, or nothing.
std::optional<long> positiveCount(std::string_view text)
{
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value <= 0) {
        return std::nullopt;
    }
    return value;
}

// Reads the event count from --random-events=N or TARNEL_RANDOM_EVENTS (the
// flag wins). False, after a message, when either is not a positive number.
bool readEventCount(int argc, char* argv[])
{
    const char* fromEnvironment = std::getenv("TARNEL_RANDOM_EVENTS");
    const char* fromFlag = nullptr;
    constexpr std::string_view prefix = "--random-events=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], prefix.data(), prefix.size()) == 0) {
            fromFlag = argv[i] + prefix.size();
        }
    }
    for (const auto& [source, text] : {std::pair{"TARNEL_RANDOM_EVENTS", fromEnvironment},
                                       std::pair{"--random-events", fromFlag}}) {
        if (text == nullptr) {
            continue;
        }
        const std::optional<long> count = positiveCount(text);
        if (!count) {
            std::fprintf(stderr, "%s must be a positive whole number of events, not '%s'\n", source,
                         text);
            return false;
        }
        tarnel::ui::testing::randomEventCount = *count;
    }
    return true;
}
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    if (!readEventCount(argc, argv)) {
        return 2;
    }
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tarnel"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.10"));
    return RUN_ALL_TESTS();
}
