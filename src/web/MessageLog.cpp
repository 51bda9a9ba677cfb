#include "MessageLog.h"

#include "Page.h"

void MessageLog::ReplaceAll(const std::string& text) {
    page::SetText(box_, text);
    lastLineEmpty_ = text.empty() || text.back() == '\n';
}

// Only the new text goes into the box, which is never read back. Whether its last line is
// empty does not change: either the text fills it and opens another, or it comes after a
// line break of its own.
void MessageLog::AppendLine(const std::string& text) {
    box_.call<void>("append", lastLineEmpty_ ? text + '\n' : '\n' + text);
}

void MessageLog::Clear() { ReplaceAll({}); }
