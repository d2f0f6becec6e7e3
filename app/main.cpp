// Kolumo: a puzzle of coloured blocks taken from the ends of their rows.
#include "app/application.h"

int main(int argc, char** argv)
{
    Application application(argc, argv);
    // Status 2: a command line the game cannot follow.
    if (!application.Start())
        return 2;
    return application.Finish(Application::exec());
}
