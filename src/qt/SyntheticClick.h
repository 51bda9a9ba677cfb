#pragma once

class QWidget;

// Clicks the left mouse button in the middle of a widget, as a player's mouse would: a press
// and a release sent through the application, so every event filter sees them.
void SendLeftClick(QWidget& target);
