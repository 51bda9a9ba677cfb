#pragma once

#include <QString>

#include <memory>

class QMessageBox;

// The box an error is reported in: captioned with the application's title, the error's text
// followed by a full stop (always, so a text that ends in one shows two), a stop icon and one
// OK button. Application-modal: the other windows are disabled while it is open.
std::unique_ptr<QMessageBox> MakeErrorBox(const QString& errorText);

// Releases any mouse grab, then shows the box and waits until it is dismissed.
void ShowErrorReport(const QString& errorText);
