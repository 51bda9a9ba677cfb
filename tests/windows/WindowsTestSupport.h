#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Main.h"
#include "PictureBox.h"
#include "ScriptedClock.h"

namespace wintest {

// The window classes, registered once for the test program.
void RegisterClasses();

// A temporary folder holding the nine pictures, made the working directory while it lives.
class PictureFolder {
public:
    PictureFolder();
    ~PictureFolder();
    PictureFolder(const PictureFolder&) = delete;
    PictureFolder& operator=(const PictureFolder&) = delete;

    std::string Path(const std::string& name) const { return dir_ + "\\" + name; }
    void Remove(const std::string& name) const;
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;

private:
    std::string previous_;
    std::string dir_;
};

// Error reports, recorded instead of shown while it lives.
class CapturedReports {
public:
    CapturedReports();
    ~CapturedReports();
    std::vector<std::string> texts;
};

// The main window as start-up builds and shows it, with a set clock.
class StartedGame {
public:
    StartedGame();

    std::string Text(int id) const;
    RECT Bounds(int id) const;  // in the window's client coordinates
    void Press(int button) const;       // a button, clicked
    void ClickAt(int id, int x, int y) const;  // a mouse click in a control
    void ClickDie() const;
    std::vector<std::string> Log() const { return form.Log().Lines(); }
    const brimblet::GameState& State() const { return form.GameRules().State(); }
    PictureBox& Board() const;
    PictureBox& Die() const;

    CapturedReports reports;
    brimblet::testing::ScriptedClock clock;
    mutable TForm1 form{clock};
};

// The pixels of a picture file, as the program loads it.
Bitmap Picture(const char* fileName);

// True when the bitmap's pixels are those of `picture` placed at (x, y).
::testing::AssertionResult Shows(const PictureBox& box, const Bitmap& picture, int x, int y);

}  // namespace wintest
