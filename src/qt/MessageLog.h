#pragma once

#include <QString>
#include <QStringList>

class QPlainTextEdit;

// The game's message log over the main window's read-only text box.
class MessageLog {
public:
    explicit MessageLog(QPlainTextEdit& box) : box_(box) {}

    void ReplaceAll(const QString& text);
    // Adds text as a new line. If the last line is empty (an empty log, or one that ends with
    // a line break) the text and a line break go into that line; otherwise a line break and
    // the text are added. So appends never leave a blank line between them.
    void AppendLine(const QString& text);
    void Clear();

    QString Text() const;
    // The log's lines, a final line break ending the last line rather than starting another.
    QStringList Lines() const;

private:
    void ShowNewest();

    QPlainTextEdit& box_;
};
