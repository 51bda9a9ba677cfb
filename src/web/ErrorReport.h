#pragma once

#include <emscripten/val.h>

#include <deque>
#include <functional>
#include <string>

class Events;

// The error report: a box in the page captioned "Brimblet", with the error's text followed by
// ".", a stop sign and one OK button. While it is open the game's windows take no input; OK
// gives them back, and the control that had the focus has it again.
class ErrorReport {
public:
    ErrorReport();

    // Wires the OK button; done once the event boundary exists.
    void Connect(Events& events);

    // Shows the report, or queues it behind the one showing. `then` runs once it is dismissed.
    void Show(const std::string& errorText, std::function<void()> then = {});

private:
    struct Pending {
        std::string text;
        std::function<void()> then;
    };

    void Open(const Pending& report);
    void OkClick();
    void SetWindowsInert(bool inert);

    emscripten::val box_;
    emscripten::val previousFocus_ = emscripten::val::null();
    std::deque<Pending> pending_;
};
