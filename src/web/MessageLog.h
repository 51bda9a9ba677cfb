#pragma once

#include <emscripten/val.h>

#include <string>

// The message log: a read-only box of lines the players can select and copy but not change,
// and the only channel through which the game speaks to them.
class MessageLog {
public:
    explicit MessageLog(emscripten::val box) : box_(std::move(box)) {}

    void ReplaceAll(const std::string& text);
    // A new line below the content; never a blank line between two appends.
    void AppendLine(const std::string& text);
    void Clear();

    std::string Text() const;

private:
    void SetText(const std::string& text);

    emscripten::val box_;
};
