// Kolumo: a puzzle of coloured blocks taken from the ends of their rows.
#include "app/application.h"
#include "app/font_preloader.h"

#include <memory>

int main(int argc, char** argv)
{
    // Started first: fontconfig reads its configuration while Qt connects to
    // the display.
    auto fonts = std::make_unique<FontPreloader>();
    Application application(argc, argv, std::move(fonts));
    // Status 2: a command line the game cannot follow.
    if (!application.Start())
        return 2;
    return application.Finish(Application::exec());
}
