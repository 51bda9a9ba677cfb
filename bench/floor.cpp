// The floor the game's figures are measured against: an empty Qt Widgets window of the
// game's size, started and painted the same way.
#include <QApplication>
#include <QWidget>

#include "FirstPaintHook.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.resize(514, 316);
    bench::FirstPaintHook hook(window, nullptr, nullptr);
    window.show();
    return app.exec();
}
