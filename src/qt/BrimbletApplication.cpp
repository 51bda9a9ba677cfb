#include "BrimbletApplication.h"

#include <QAccessible>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

#include <exception>

#include "Accessibility.h"
#include "ErrorReport.h"
#include "ErrorTexts.h"
#include "LanguageFace.h"
#include "Mirroring.h"
#include "Main.h"
#include "Placement.h"
#include "player1.h"
#include "player2.h"

// The built-in pictures live in this static library; they must be registered by name, and
// outside any namespace, before the first window uses them.
static void InitPictures() { Q_INIT_RESOURCE(pictures); }

namespace {

constexpr char kPlacedProperty[] = "brimbletPlaced";
// Between the first showing and the first paint, the frame size the window was centred with:
// a window manager's frame is not known when a window is first placed, only once the window
// has been framed and exposed.
constexpr char kFramePendingProperty[] = "brimbletFramePending";

// The windows name the fonts of the game's first home; these are their nearest free faces.
void SubstituteFonts() {
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                              QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
}

// The game's icon, on every window. Read by Qt's own PNG reader alone: finding a reader by
// trying each image plugin would load them all at start-up.
QIcon GameIcon() {
    QImageReader reader(QStringLiteral(":/pictures/brimblet.png"), "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}

// Centred on its screen, frame included when `frame` (the frame's extra width and height) is
// known, each coordinate raised to 0 if the window is larger than the screen.
QPoint CentredPlace(const QWidget& window, QSize size, QSize frame) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        return window.pos();
    }
    const QRect area = screen->geometry();
    const QSize outer = size + frame;
    return area.topLeft() + QPoint(brimblet::CentredCoordinate(area.width(), outer.width()),
                                   brimblet::CentredCoordinate(area.height(), outer.height()));
}

void CentreOnScreen(QWidget& window, QSize size, QSize frame = {}) {
    window.move(CentredPlace(window, size, frame));
}

// The width and height a window manager's frame adds to the window, as far as it is known:
// nothing before the window is framed.
QSize FrameOf(const QWidget& window) {
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    const bool plausible =
        frame.width() >= 0 && frame.width() <= 64 && frame.height() >= 0 && frame.height() <= 128;
    return plausible ? frame : QSize();
}

// How often, and how far apart, a window that shows no frame yet at its first paint is looked
// at again: a window manager may frame it a little later, on a busy machine seconds later.
constexpr int kFrameChecks = 60;
constexpr int kFrameCheckMs = 50;

// Once framed, the window is centred again, frame and all, unless it has been resized
// meanwhile, and looked at again until its frame stands there: the frame may have turned out
// other than it was taken to be, and a busy window manager that framed it while it was being
// moved may have put the window itself, not its frame, where the frame was meant to go.
void CentreWithFrame(QWidget& window, QSize size, QSize assumedFrame, int checksLeft) {
    const QSize frame = FrameOf(window);
    const bool framed = !(frame == assumedFrame && frame.isEmpty());
    if (framed && window.size() == size) {
        if (window.pos() == CentredPlace(window, size, frame)) {
            return;
        }
        CentreOnScreen(window, size, frame);
    }
    if (checksLeft > 0 && window.size() == size) {
        QTimer::singleShot(kFrameCheckMs, &window, [&window, size, assumedFrame, checksLeft] {
            CentreWithFrame(window, size, assumedFrame, checksLeft - 1);
        });
    }
}

const brimblet::Catalogue& PlayersLanguage() {
    std::vector<std::string> languages;
    for (const QString& language : QLocale::system().uiLanguages()) {
        languages.push_back(language.toStdString());
    }
    return brimblet::Catalogue::Preferred(languages);
}

}  // namespace

BrimbletApplication::BrimbletApplication(int& argc, char** argv)
    : QApplication(argc, argv), texts_(PlayersLanguage()), translator_(texts_), reporter_(&ShowErrorReport) {
    setApplicationName(QStringLiteral("Brimblet"));
    installTranslator(&translator_);
    if (texts_.Code() != "en" &&
        qtTranslator_.load(QLocale(QString::fromUtf8(texts_.Code().data(), int(texts_.Code().size()))),
                           QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installTranslator(&qtTranslator_);
    }
    setQuitOnLastWindowClosed(false);  // the main window's close ends the program, nothing else
    if (texts_.RightToLeft()) {  // labels end at the right edge, and read from the right
        setLayoutDirection(Qt::RightToLeft);
    }
    SubstituteFonts();
    QAccessible::installFactory(&BrimbletAccessibleFactory);
    InitPictures();
    setWindowIcon(GameIcon());
}

BrimbletApplication::~BrimbletApplication() { DestroyForms(); }

template <typename Handler> void BrimbletApplication::Guarded(Handler&& handler) {
    try {
        handler();
    } catch (...) {
        ReportError(QString::fromStdString(brimblet::ErrorText(std::current_exception(), texts_)));
    }
}

void BrimbletApplication::CreateForms(const brimblet::UtcClock* clock) {
    form1_ = std::make_unique<TForm1>(clock, texts_);  // drawn in the language's face from the start
    MirrorForLanguage(*form1_, texts_);
    WatchWindow(*form1_);
    Guarded([this] { form1_->FormCreate(); });
    form2_ = std::make_unique<TForm2>(*form1_);
    DrawInLanguageFace(*form2_, texts_);
    MirrorForLanguage(*form2_, texts_);
    WatchWindow(*form2_);
    form3_ = std::make_unique<TForm3>(*form1_);
    DrawInLanguageFace(*form3_, texts_);
    MirrorForLanguage(*form3_, texts_);
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

void BrimbletApplication::SetErrorReporter(ErrorReporter reporter) {
    reporter_ = std::move(reporter);
}

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
            window->setProperty(kFramePendingProperty, FrameOf(*window));
            CentreOnScreen(*window, window->size(), FrameOf(*window));
        } else if (event->type() == QEvent::Paint &&
                   window->property(kFramePendingProperty).isValid()) {
            const QSize frame = window->property(kFramePendingProperty).toSize();
            window->setProperty(kFramePendingProperty, QVariant());
            const QSize size = window->size();
            QMetaObject::invokeMethod(
                window,
                [window, size, frame] { CentreWithFrame(*window, size, frame, kFrameChecks); },
                Qt::QueuedConnection);
        } else if (event->type() == QEvent::Close && window == form1_.get()) {
            quit();  // the loop ends once this close has been handled
        }
    }
    return QApplication::eventFilter(watched, event);
}
