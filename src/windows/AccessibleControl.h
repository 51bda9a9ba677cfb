#pragma once

#include <windows.h>

#include <oleacc.h>  // the roles

#include "Catalogue.h"

// What a screen reader is told of a control whose own window cannot say it: the die and its
// caption are push buttons named "Throw Die" that it can press, the board is a graphic, a
// name box is named by its label. Kept with each window's design (AccessibleSpec tables).
struct AccessibleSpec {
    int id;
    long role;                       // ROLE_SYSTEM_...
    const char* name;                // the name, or nullptr: the text of the control `nameFrom`
    int nameFrom;                    // when `name` is nullptr
    bool pressable;                  // its default action, "Press", does what a click does
    const char* shortcut = nullptr;  // the key that does the same, for its keyboard shortcut
};

// Gives a control of the window its accessible object: from now on it answers WM_GETOBJECT
// for its client area with one that gives the role, name and action of `design`, and leaves
// the rest (place, state, parent) to the standard object Windows makes for it. Any control
// can be made accessible, a standard one or one of ours (a picture box): its procedure is
// wrapped, and the control itself knows nothing of it. Its name and action are said in the
// language of `texts`, which outlives the control.
void MakeAccessible(HWND control, const AccessibleSpec& design, const brimblet::Catalogue& texts);
