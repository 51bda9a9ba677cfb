#pragma once

#include <emscripten/val.h>

#include <string>

// The message log: a read-only box of lines the players can select and copy but not change,
// and the only channel through which the game speaks to them. The box keeps its newest line
// in view by its style (brimblet.css), so no change to it waits for the page's layout.
class MessageLog {
public:
    explicit MessageLog(emscripten::val box) : box_(std::move(box)) {}

    void ReplaceAll(const std::string& text);
    // A new line below the content; never a blank line between two appends.
    void AppendLine(const std::string& text);
    void Clear();

private:
    emscripten::val box_;
    bool lastLineEmpty_ = false;  // the page's welcome text ends on a line with text
};
