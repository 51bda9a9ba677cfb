#include "MessageLog.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

void MessageLog::ReplaceAll(const QString& text) {
    box_.setPlainText(text);
    ShowNewest();
}

void MessageLog::AppendLine(const QString& text) {
    QTextCursor cursor(box_.document());
    cursor.movePosition(QTextCursor::End);
    if (box_.document()->lastBlock().text().isEmpty()) {
        cursor.insertText(text + QLatin1Char('\n'));
    } else {
        cursor.insertText(QLatin1Char('\n') + text);
    }
    ShowNewest();
}

void MessageLog::Clear() { box_.clear(); }

QString MessageLog::Text() const { return box_.toPlainText(); }

QStringList MessageLog::Lines() const {
    QStringList lines = Text().split(QLatin1Char('\n'));
    if (lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

// Keeps the newest text in view once the log outgrows its box.
void MessageLog::ShowNewest() {
    box_.moveCursor(QTextCursor::End);
    box_.ensureCursorVisible();
}
