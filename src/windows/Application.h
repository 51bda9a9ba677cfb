#pragma once

#include <windows.h>

#include <memory>

#include "UtcClock.h"

class TForm1;
class TForm2;
class TForm3;

// The application object: its own window (hidden, titled with the application's title
// "Brimblet", the owner of every error report, made when first needed) and the program's
// three windows, created in order and held for the whole run.
class Application {
public:
    explicit Application(HINSTANCE instance);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The main window first (its FormCreate may report a bad picture before any window is
    // visible), then the two name dialogs, hidden: their windows are made when first needed.
    void CreateForms(const brimblet::UtcClock& clock);
    // Shows the main window and runs the event loop until the main window is closed.
    // Returns the program's exit code, 0.
    int Run();

    // The application's window, made the first time it is asked for.
    HWND Handle();
    TForm1* Form1() const { return form1_.get(); }
    TForm2* Form2() const { return form2_.get(); }
    TForm3* Form3() const { return form3_.get(); }

private:
    HINSTANCE instance_;
    HWND window_ = nullptr;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm3> form3_;
};
