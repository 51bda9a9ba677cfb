#include "ErrorReport.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

std::unique_ptr<QMessageBox> MakeErrorBox(const QString& errorText) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, QApplication::applicationName(),
                                             errorText + QLatin1Char('.'), QMessageBox::Ok);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

void ShowErrorReport(const QString& errorText) {
    if (QWidget* grabber = QWidget::mouseGrabber()) {
        grabber->releaseMouse();
    }
    MakeErrorBox(errorText)->exec();
}
