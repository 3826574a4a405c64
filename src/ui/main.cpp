// Tarnel's entry point: the game, started as its platform starts a program
// (platform/Start.h).
#include "platform/Start.h"
#include "ui/Algemeen.h"
#include "ui/frmMain.h"

int main(int argc, char* argv[])
{
    return tarnel::platform::run(argc, argv,
                                 {QSize(tarnel::ui::kClientWidth, tarnel::ui::kClientHeight),
                                  &tarnel::ui::setApplicationProperties,
                                  [] { return std::make_unique<tarnel::ui::Algemeen>(); }});
}
