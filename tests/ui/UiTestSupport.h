#pragma once

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "BrimbletApplication.h"
#include "Main.h"
#include "PictureBox.h"
#include "ScriptedClock.h"
#include "player1.h"
#include "player2.h"

namespace uitest {

inline BrimbletApplication& App() { return *static_cast<BrimbletApplication*>(qApp); }

const QStringList kPictureFiles = {
    QStringLiteral("brimb.bmp"), QStringLiteral("counter.bmp"), QStringLiteral("counter2.bmp"),
    QStringLiteral("d1.bmp"),    QStringLiteral("d2.bmp"),      QStringLiteral("d3.bmp"),
    QStringLiteral("d4.bmp"),    QStringLiteral("d5.bmp"),      QStringLiteral("d6.bmp")};

// A temporary folder holding the nine pictures, made the working directory while it lives.
class PictureFolder {
public:
    PictureFolder() : previous_(QDir::currentPath()) {
        for (const QString& name : kPictureFiles) {
            QFile::copy(QStringLiteral(BRIMBLET_ASSETS_DIR "/") + name, dir_.filePath(name));
            QFile(dir_.filePath(name)).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        }
        QDir::setCurrent(dir_.path());
    }
    ~PictureFolder() { QDir::setCurrent(previous_); }

    void Remove(const QString& name) { QFile::remove(dir_.filePath(name)); }
    void Write(const QString& name, const QByteArray& bytes) {
        QFile file(dir_.filePath(name));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
    }
    QByteArray Read(const QString& name) const {
        QFile file(dir_.filePath(name));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

private:
    QString previous_;
    QTemporaryDir dir_;
};

// The program's windows, created as start-up creates them, with a scripted clock and the
// error reports recorded instead of shown.
class StartedGame {
public:
    StartedGame() {
        App().SetErrorReporter([this](const QString& text) { errors << text; });
        App().CreateForms(&clock);
    }
    ~StartedGame() { App().DestroyForms(); }

    TForm1& form1() const { return *App().Form1(); }
    TForm2& form2() const { return *App().Form2(); }
    TForm3& form3() const { return *App().Form3(); }

    template <typename T> T* find(const char* name) const {
        return form1().findChild<T*>(QString::fromLatin1(name));
    }
    QLabel* label(const char* name) const { return find<QLabel>(name); }
    PictureBox* picture(const char* name) const { return find<PictureBox>(name); }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    QStringList log() const { return form1().Log().Lines(); }
    const brimblet::GameState& state() const { return form1().GameRules().State(); }
    brimblet::GameState& mutableState() { return form1().GameRules().MutableState(); }

    void clickDie() const { QTest::mouseClick(picture("Image2"), Qt::LeftButton); }

    brimblet::testing::ScriptedClock clock;
    QStringList errors;
};

}  // namespace uitest

// Each UI test program runs under the program's own application object.
#define BRIMBLET_UI_TEST_MAIN(TestClass)                                                           \
    int main(int argc, char** argv) {                                                              \
        BrimbletApplication app(argc, argv);                                                       \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
