#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Application.h"
#include "Main.h"
#include "PictureBox.h"
#include "ScriptedClock.h"
#include "player1.h"
#include "player2.h"

namespace wintest {

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

// The program's windows as start-up builds them, the main window shown, with a set clock
// and the error reports recorded.
class StartedGame {
public:
    StartedGame();
    StartedGame(const StartedGame&) = delete;
    StartedGame& operator=(const StartedGame&) = delete;

    std::string Text(int id) const;
    RECT Bounds(int id) const;                 // in the window's client coordinates
    void Press(int button) const;              // a button, clicked
    void ClickAt(int id, int x, int y) const;  // a mouse click in a control
    void ClickAt(HWND control, int x, int y) const;
    void ClickDie() const;
    std::vector<std::string> Log() const { return form.Log().Lines(); }
    const brimblet::GameState& State() const { return form.GameRules().State(); }
    PictureBox& Board() const;
    PictureBox& Die() const;

    CapturedReports reports;
    brimblet::testing::ScriptedClock clock;
    Application app;
    TForm1& form;
    TForm2& form2;
    TForm3& form3;
};

// Every control of the form's design is there, by id, where the design puts it (labels
// that size themselves keep their position and height), with its text and font, inside the
// client area; and the window has the design's caption and client size. Every length of
// the design scaled to the DPI.
void ExpectLayout(HWND window, const FormSpec& form, int dpi = 96);

// Every label, button, name box and line of the log is large enough for its text in its own
// font, in every language the game has.
void ExpectTextsFit(HWND window, const FormSpec& form);

// The pixels of a picture file, as the program loads it.
Bitmap Picture(const char* fileName);

// True when the bitmap's pixels are those of `picture` placed at (x, y).
::testing::AssertionResult Shows(const PictureBox& box, const Bitmap& picture, int x, int y);

}  // namespace wintest
