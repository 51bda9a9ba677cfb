#include "MessageLog.h"

#include "Page.h"

// The page's welcome text is read once.
MessageLog::MessageLog(emscripten::val box) : box_(std::move(box)), text_(page::Text(box_)) {
    lastLineEmpty_ = text_.empty() || text_.back() == '\n';
}

void MessageLog::ReplaceAll(const std::string& text) {
    page::SetText(box_, text);
    text_ = text;
    lastLineEmpty_ = text.empty() || text.back() == '\n';
}

// Only the new text goes into the box, which is never read back. Whether its last line is
// empty does not change: either the text fills it and opens another, or it comes after a
// line break of its own.
void MessageLog::AppendLine(const std::string& text) {
    const std::string added = lastLineEmpty_ ? text + '\n' : '\n' + text;
    box_.call<void>("append", added);
    text_ += added;
}

void MessageLog::Clear() { ReplaceAll({}); }
