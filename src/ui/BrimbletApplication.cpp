#include "BrimbletApplication.h"

#include <QAccessible>
#include <QFont>
#include <QFontDatabase>
#include <QScreen>
#include <QShowEvent>

#include <exception>

#include "Accessibility.h"
#include "ErrorReport.h"
#include "Main.h"
#include "player1.h"
#include "player2.h"

namespace {

constexpr char kPlacedProperty[] = "brimbletPlaced";
// Set between the first showing and the first paint: a window manager's frame is not known
// when a window is first placed, only once the window has been framed and exposed.
constexpr char kFramePendingProperty[] = "brimbletFramePending";

// The windows name the fonts of the game's first home; these are their nearest free faces.
void SubstituteFonts() {
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                              QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
}

// Centred on its screen, each coordinate raised to 0 if the window is larger than the screen.
void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    const QSize size = window.frameGeometry().size();
    const int x = std::max(0, (area.width() - size.width()) / 2);
    const int y = std::max(0, (area.height() - size.height()) / 2);
    window.move(area.x() + x, area.y() + y);
}

}  // namespace

BrimbletApplication::BrimbletApplication(int& argc, char** argv)
    : QApplication(argc, argv), reporter_(&ShowErrorReport) {
    setApplicationName(QStringLiteral("Brimblet"));
    setQuitOnLastWindowClosed(false);  // the main window's close ends the program, nothing else
    SubstituteFonts();
    QAccessible::installFactory(&BrimbletAccessibleFactory);
}

BrimbletApplication::~BrimbletApplication() { DestroyForms(); }

template <typename Handler>
void BrimbletApplication::Guarded(Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ReportError(QString::fromUtf8(error.what()));
    } catch (...) {
        ReportError(QStringLiteral("Unexpected error"));
    }
}

void BrimbletApplication::CreateForms(const brimblet::UtcClock* clock) {
    form1_ = std::make_unique<TForm1>(clock);
    WatchWindow(*form1_);
    Guarded([this] { form1_->FormCreate(); });
    form2_ = std::make_unique<TForm2>(*form1_);
    WatchWindow(*form2_);
    form3_ = std::make_unique<TForm3>(*form1_);
    WatchWindow(*form3_);
    form1_->SetNameDialogs(form2_.get(), form3_.get());
}

void BrimbletApplication::DestroyForms() {
    if (form1_) {
        form1_->SetNameDialogs(nullptr, nullptr);
    }
    form3_.reset();
    form2_.reset();
    form1_.reset();
}

int BrimbletApplication::Run() {
    if (form1_) {
        form1_->show();
    }
    exec();
    return 0;
}

void BrimbletApplication::SetErrorReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }

void BrimbletApplication::ReportError(const QString& errorText) { reporter_(errorText); }

bool BrimbletApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    Guarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void BrimbletApplication::WatchWindow(QWidget& window) { window.installEventFilter(this); }

bool BrimbletApplication::eventFilter(QObject* watched, QEvent* event) {
    auto* window = qobject_cast<QWidget*>(watched);
    if (window != nullptr && window->isWindow()) {
        if (event->type() == QEvent::Show && !window->property(kPlacedProperty).toBool()) {
            window->setProperty(kPlacedProperty, true);
            window->setProperty(kFramePendingProperty, true);
            CentreOnScreen(*window);
        } else if (event->type() == QEvent::Paint && window->property(kFramePendingProperty).toBool()) {
            window->setProperty(kFramePendingProperty, false);
            if (window->frameGeometry().size() != window->size()) {
                // Again, now that the frame's size is known, once this paint is done.
                QMetaObject::invokeMethod(window, [window] { CentreOnScreen(*window); }, Qt::QueuedConnection);
            }
        } else if (event->type() == QEvent::Close && window == form1_.get()) {
            quit();  // the loop ends once this close has been handled
        }
    }
    return QApplication::eventFilter(watched, event);
}
