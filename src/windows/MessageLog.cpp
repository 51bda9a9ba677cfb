#include "MessageLog.h"

#include "Text.h"

namespace {
constexpr const char* kLineBreak = "\r\n";
}

void MessageLog::ReplaceAll(const std::string& text) {
    SetWindowTextUtf8(box_, text);
    ShowNewest();
}

void MessageLog::AppendLine(const std::string& text) {
    // The box's last line, as it lays the text out, is empty only after a line break (or in
    // an empty box): a line it wraps always holds something.
    const LRESULT lines = SendMessageW(box_, EM_GETLINECOUNT, 0, 0);
    const LRESULT lastLine = SendMessageW(box_, EM_LINEINDEX, static_cast<WPARAM>(lines - 1), 0);
    const bool lastLineEmpty =
        SendMessageW(box_, EM_LINELENGTH, static_cast<WPARAM>(lastLine), 0) == 0;
    const std::string addition = lastLineEmpty ? text + kLineBreak : kLineBreak + text;
    const int end = GetWindowTextLengthW(box_);
    SendMessageW(box_, EM_SETSEL, static_cast<WPARAM>(end), static_cast<LPARAM>(end));
    SendMessageW(box_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Widen(addition).c_str()));
    SendMessageW(box_, EM_SCROLLCARET, 0, 0);  // the caret ends the new text
}

void MessageLog::Clear() { SetWindowTextW(box_, L""); }

std::string MessageLog::Text() const { return WindowText(box_); }

std::vector<std::string> MessageLog::Lines() const {
    std::vector<std::string> lines;
    const std::string content = Text();
    std::size_t start = 0;
    for (std::size_t at; (at = content.find(kLineBreak, start)) != std::string::npos;
         start = at + 2) {
        lines.push_back(content.substr(start, at - start));
    }
    if (start < content.size()) {
        lines.push_back(content.substr(start));
    }
    return lines;
}

// Keeps the newest text in view once the log outgrows its box.
void MessageLog::ShowNewest() {
    const int end = GetWindowTextLengthW(box_);
    SendMessageW(box_, EM_SETSEL, static_cast<WPARAM>(end), static_cast<LPARAM>(end));
    SendMessageW(box_, EM_SCROLLCARET, 0, 0);
}
