// Kolumo: a puzzle of coloured blocks taken from the ends of their rows.
#include "app/application.h"

int main(int argc, char** argv)
{
    Application application(argc, argv);
    if (!application.Start())
        return 1;
    return application.Finish(Application::exec());
}
