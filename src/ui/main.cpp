// Tarnel's entry point: the game, started as its platform starts a program
// (platform/Start.h).
#include "platform/Start.h"
#include "ui/Algemeen.h"

int main(int argc, char* argv[])
{
    const tarnel::platform::Game game{&tarnel::ui::setApplicationProperties,
                                      [] { return std::make_unique<tarnel::ui::Algemeen>(); }};
    return tarnel::platform::run(argc, argv, game);
}
