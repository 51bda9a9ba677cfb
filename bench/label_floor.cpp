// A floor for start-up: a Qt Widgets window of the game's size holding one label in the game's
// font, so it pays what any Qt window with text pays (fontconfig, the font database, a face
// loaded and laid out) and nothing of the game.
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
    label.setGeometry(304, 200, 185, 21);
    window.show();
    return app.exec();
}
