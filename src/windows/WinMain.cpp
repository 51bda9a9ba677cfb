// Start-up of the Windows program: the window classes, the main window, the event loop.
#include <windows.h>

#include "Main.h"
#include "MessageLoop.h"
#include "PictureBox.h"
#include "WindowsUtcClock.h"

// The game takes no command line and reads no settings; it writes nothing.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    PictureBox::Register(instance);
    TForm1::Register(instance);

    WindowsUtcClock clock;
    TForm1 form1(clock);
    form1.MakeMainWindow();
    form1.Create();
    form1.Show();
    return RunMessageLoop();
}
