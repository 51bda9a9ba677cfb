#pragma once

#include <windows.h>

#include <oleacc.h>  // the roles

// What a screen reader is told of a control whose own window cannot say it: the die and its
// caption are push buttons named "Throw Die" that it can press, the board is a graphic, a
// name box is named by its label. Kept with each window's design (AccessibleSpec tables).
struct AccessibleSpec {
    int id;
    long role;         // ROLE_SYSTEM_...
    const char* name;  // the name, or nullptr: the text of the control `nameFrom`
    int nameFrom;      // when `name` is nullptr
    bool pressable;    // its default action, "Press", does what a click does
};

// Gives a control of the window its accessible object: from now on it answers WM_GETOBJECT
// for its client area with one that gives the role, name and action of `design`, and leaves
// the rest (place, state, parent) to the standard object Windows makes for it. Standard controls
// are subclassed for this; a picture box answers by itself (AnswerGetObject).
void MakeAccessible(HWND control, const AccessibleSpec& design);

// WM_GETOBJECT for a control made accessible with `design`; 0 when the request is not for
// its client area.
LRESULT AnswerGetObject(HWND control, const AccessibleSpec& design, WPARAM wParam, LPARAM lParam);
