#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// Tells screen readers what the game's own kinds of control are: a picture box is a graphic,
// and a widget marked with the dynamic property "accessibleClickable" (the die and its caption)
// is a button whose press action clicks it, as the mouse would, and whose key is T.
QAccessibleInterface* BrimbletAccessibleFactory(const QString& className, QObject* object);
