#include "Application.h"

#include "ErrorReport.h"
#include "Main.h"
#include "MessageLoop.h"
#include "PictureBox.h"
#include "player1.h"
#include "player2.h"

namespace {

constexpr const wchar_t* kApplicationClass = L"TApplication";
constexpr const wchar_t* kTitle = L"Brimblet";

void RegisterClasses(HINSTANCE instance) {
    static const bool registered = [instance] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &DefWindowProcW;
        wc.hInstance = instance;
        wc.hIcon = LoadIconW(instance, L"MAINICON");
        wc.lpszClassName = kApplicationClass;
        RegisterClassW(&wc);
        PictureBox::Register(instance);
        TForm1::Register(instance);
        TForm2::Register(instance);
        TForm3::Register(instance);
        return true;
    }();
    (void)registered;
}

}  // namespace

Application::Application(HINSTANCE instance) {
    RegisterClasses(instance);
    // The title is set before any window of the game exists.
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kApplicationClass, kTitle, WS_POPUP, 0, 0, 0, 0,
                              nullptr, nullptr, instance, nullptr);
    SetReportOwner(window_);
}

Application::~Application() {
    form3_.reset();
    form2_.reset();
    form1_.reset();
    SetReportOwner(nullptr);
    DestroyWindow(window_);
}

void Application::CreateForms(const brimblet::UtcClock& clock) {
    form1_ = std::make_unique<TForm1>(clock);
    form1_->MakeMainWindow();
    form1_->Create();
    form2_ = std::make_unique<TForm2>(*form1_);
    form2_->Create(form1_->Handle());
    form3_ = std::make_unique<TForm3>(*form1_);
    form3_->Create(form1_->Handle());
    form1_->SetNameDialogs(form2_.get(), form3_.get());
}

int Application::Run() {
    form1_->Show();
    return RunMessageLoop();
}
