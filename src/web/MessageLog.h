#pragma once

#include <emscripten/val.h>

#include <string>

// The message log: a read-only box of lines the players can select and copy but not change,
// and the only channel through which the game speaks to them. The box keeps its newest line
// in view by its style (brimblet.css), so no change to it waits for the page's layout.
class MessageLog {
public:
    explicit MessageLog(emscripten::val box);

    void ReplaceAll(const std::string& text);
    // A new line below the content; never a blank line between two appends.
    void AppendLine(const std::string& text);
    void Clear();

    // The box's whole text, as the tab keeps it.
    const std::string& Text() const { return text_; }

private:
    emscripten::val box_;
    std::string text_;  // what the box shows, kept here so that it is never read back
    bool lastLineEmpty_ = false;
};
