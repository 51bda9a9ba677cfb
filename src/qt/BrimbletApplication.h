#pragma once

#include <QApplication>
#include <QTranslator>

#include <functional>
#include <memory>

#include "Catalogue.h"
#include "CatalogueTranslator.h"
#include "UtcClock.h"

class TForm1;
class TForm2;
class TForm3;

// The application object: it owns the three windows for the whole run, catches every error
// that escapes a window's creation handler or an event handler and reports it, centres each
// window the first time it is shown, and ends the program when the main window closes.
class BrimbletApplication : public QApplication {
    Q_OBJECT
public:
    // Sets the title "Brimblet" before any window exists, and chooses the language: the first
    // of the player's languages (QLocale::system().uiLanguages()) that the game has.
    BrimbletApplication(int& argc, char** argv);
    ~BrimbletApplication() override;

    // Creates the main window (running its creation handler), then the two name dialogs,
    // all hidden. `clock` is for tests; the program uses the system clock.
    void CreateForms(const brimblet::UtcClock* clock = nullptr);
    void DestroyForms();

    // Shows the main window and runs the event loop until it closes. Always returns 0.
    int Run();

    TForm1* Form1() const { return form1_.get(); }
    TForm2* Form2() const { return form2_.get(); }
    TForm3* Form3() const { return form3_.get(); }

    // How an error is reported; the message box by default. Tests record instead.
    using ErrorReporter = std::function<void(const QString& errorText)>;
    void SetErrorReporter(ErrorReporter reporter);
    void ReportError(const QString& errorText);

    bool notify(QObject* receiver, QEvent* event) override;

    const brimblet::Catalogue& Texts() const { return texts_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <typename Handler> void Guarded(Handler&& handler);
    void WatchWindow(QWidget& window);

    const brimblet::Catalogue& texts_;
    CatalogueTranslator translator_;
    QTranslator qtTranslator_;  // Qt's own texts, where Debian's qt6-translations-l10n has them
    ErrorReporter reporter_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm3> form3_;
};
