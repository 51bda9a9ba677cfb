// A floor for start-up: a Qt Widgets window of the game's size holding one label in the game's
// font, so it pays what any Qt window with text pays (fontconfig, the font database, a face
// loaded and laid out) and nothing of the game. The label takes the size of its text, as a
// layout or an autosized label does: a label given a fixed size measures nothing until it is
// painted, after the window is mapped, and would leave the fonts out of the figure.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.resize(514, 316);
    QLabel label(QStringLiteral("Player1's Position: "), &window);
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPixelSize(15);
    font.setBold(true);
    label.setFont(font);
    label.move(304, 200);
    label.adjustSize();
    window.show();
    return app.exec();
}
