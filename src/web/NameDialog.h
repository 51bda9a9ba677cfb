#pragma once

#include <emscripten/val.h>

#include <string>
#include <vector>

#include "TabSession.h"

class Events;
class TForm1;

// What the two name windows share: a panel that floats above the main window without
// holding it up, centred the first time it is shown and shown again where it was left,
// dragged by its title bar and closed by its close box (like Cancel). Its form's submit
// button, Ok, is the default: Enter in a name box presses it.
class NameDialog {
public:
    NameDialog(const std::string& id, TForm1& mainForm, Events& events);
    virtual ~NameDialog() = default;
    NameDialog(const NameDialog&) = delete;
    NameDialog& operator=(const NameDialog&) = delete;

    // Shows the window, or brings it to the front when it is showing.
    void ShowInFront();
    void Close();

    // What the tab keeps of the window: shown or not, its place and its name boxes; and the
    // window as an earlier page of the tab left it, still hidden.
    void Keep(brimblet::NameWindowSession& session) const;
    void Restore(const brimblet::NameWindowSession& session);
    // Makes what each name box holds its default, which a box is reset to: WebKit resets the
    // boxes of a page it shows again from its back-forward cache, since they offer no earlier
    // entries (autocomplete="off"). Called as the page is left.
    void HoldBoxesForReturn();
    bool InFront() const;
    bool Shown() const;

protected:
    // The control with the design name `name`.
    emscripten::val Control(const std::string& name) const;
    std::string NameIn(const std::string& boxName) const;
    // Makes `name` one of the window's name boxes.
    void WatchNameBox(const std::string& name);

    virtual void Button1Click() = 0;  // Ok
    void Button2Click() { Close(); }  // Cancel

    TForm1& mainForm_;

private:
    void Raise();
    void MoveTo(double left, double top);
    void StartDrag(const emscripten::val& event);
    void Drag(const emscripten::val& event);

    Events& events_;
    emscripten::val form_;
    emscripten::val lastFocus_ = emscripten::val::null();
    std::vector<emscripten::val> boxes_;  // the name boxes, in Tab order
    bool placed_ = false;
    bool placeRestored_ = false;  // placed on an earlier page of the tab, not yet on this one
    int left_ = 0;                // where it was last placed
    int top_ = 0;
    bool dragging_ = false;
    bool mouseFocus_ = false;
    double grabX_ = 0;
    double grabY_ = 0;
};
