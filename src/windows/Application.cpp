#include "Application.h"

#include "ErrorReport.h"
#include "Main.h"
#include "MessageLoop.h"
#include "PictureBox.h"
#include "UserLanguages.h"
#include "player1.h"
#include "player2.h"

namespace {

constexpr const wchar_t* kApplicationClass = L"TApplication";
constexpr const wchar_t* kTitle = L"Brimblet";

void RegisterClasses(HINSTANCE instance) {
    static const bool registered = [instance] {
        WNDCLASSW wc{};  // never shown, so it has no icon
        wc.lpfnWndProc = &DefWindowProcW;
        wc.hInstance = instance;
        wc.lpszClassName = kApplicationClass;
        RegisterClassW(&wc);
        PictureBox::Register(instance);
        TForm1::Register(instance);  // the dialogs register theirs with their first window
        return true;
    }();
    (void)registered;
}

}  // namespace

Application::Application(HINSTANCE instance) : instance_(instance) {
    RegisterClasses(instance);
    SetReportOwner([this] { return Handle(); });
}

HWND Application::Handle() {
    if (window_ == nullptr) {
        window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kApplicationClass, kTitle, WS_POPUP, 0, 0, 0, 0,
                                  nullptr, nullptr, instance_, nullptr);
    }
    return window_;
}

Application::~Application() {
    form3_.reset();
    form2_.reset();
    form1_.reset();
    SetReportOwner(nullptr);
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

void Application::CreateForms(const brimblet::UtcClock& clock) {
    const brimblet::Catalogue& texts = brimblet::Catalogue::Preferred(UserLanguages());
    SetReportLanguage(texts);
    form1_ = std::make_unique<TForm1>(clock, texts);
    form1_->MakeMainWindow();
    form1_->Create();
    form2_ = std::make_unique<TForm2>(*form1_);  // their windows wait for their first showing
    form3_ = std::make_unique<TForm3>(*form1_);
    form1_->SetNameDialogs(form2_.get(), form3_.get());
}

int Application::Run() {
    form1_->Show();
    return RunMessageLoop();
}
