// The program's entry: the application object, its three windows, the event loop.
#include <windows.h>

#include "Application.h"
#include "WindowsUtcClock.h"

// The game takes no command line and reads no settings; it writes nothing. Closing the main
// window ends it with exit code 0.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WindowsUtcClock clock;
    Application application(instance);
    application.CreateForms(clock);
    return application.Run();
}
