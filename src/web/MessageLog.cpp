#include "MessageLog.h"

#include "Page.h"

void MessageLog::ReplaceAll(const std::string& text) { SetText(text); }

void MessageLog::AppendLine(const std::string& text) {
    const std::string content = Text();
    if (content.empty() || content.back() == '\n') {
        SetText(content + text + '\n');
    } else {
        SetText(content + '\n' + text);
    }
}

void MessageLog::Clear() { SetText({}); }

std::string MessageLog::Text() const { return page::Text(box_); }

// Keeps the newest text in view once the log outgrows its box.
void MessageLog::SetText(const std::string& text) {
    page::SetText(box_, text);
    box_.set("scrollTop", box_["scrollHeight"]);
}
