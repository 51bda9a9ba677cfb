#pragma once

#include <QLineEdit>

// A name box: selects its whole text whenever it gets the focus other than by a mouse click,
// so a name can be typed over at once, and refuses what would make its name longer than 10
// characters as the player sees them (its design's maxLength is the UTF-16 room for them).
class NameBox : public QLineEdit {
    Q_OBJECT
public:
    explicit NameBox(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
};
