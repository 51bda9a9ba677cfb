#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The game's message log over the main window's read-only edit box. Lines are separated by
// "\r\n" in the box.
class MessageLog {
public:
    explicit MessageLog(HWND box = nullptr) : box_(box) {}
    void Attach(HWND box) { box_ = box; }

    void ReplaceAll(const std::string& text);
    // Adds text as a new line. If the last line is empty (an empty log, or one that ends with
    // a line break) the text and a line break go into that line; otherwise a line break and
    // the text are added. So appends never leave a blank line between them.
    void AppendLine(const std::string& text);
    void Clear();

    std::string Text() const;
    // The log's lines, a final line break ending the last line rather than starting another.
    std::vector<std::string> Lines() const;

private:
    void ShowNewest();

    HWND box_;
};
