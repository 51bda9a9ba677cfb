#include "Application.h"

#include <exception>

#include "Main.h"
#include "Page.h"
#include "player1.h"
#include "player2.h"

Application::Application()
    : events_([this](const std::string& errorText) { ReportError(errorText); }) {
    report_.Connect(events_);
}

Application::~Application() = default;

void Application::Start() {
    KeepForOffline();
    FetchPictures(
        [this](const FetchedPictures& files) { events_.Guarded([&] { CreateForms(files); }); });
}

// The service worker keeps the site's files for play with no network. Where the browser
// offers none (a page opened from a file, say) the game plays all the same.
void Application::KeepForOffline() {
    emscripten::val navigator = emscripten::val::global("navigator");
    if (!navigator["serviceWorker"].isUndefined()) {
        navigator["serviceWorker"]
            .call<emscripten::val>("register", std::string("sw.js"))
            .call<void>("catch", emscripten::val::global("console")["debug"]);
    }
}

// The main window first, whose creation handler loads the pictures; an error there ends the
// handler but not the start-up. Then the two name windows, hidden. The report of the error,
// if any, comes before the main window shows.
void Application::CreateForms(const FetchedPictures& files) {
    page::SetHidden(page::ById("Loading"), true);
    form1_ = std::make_unique<TForm1>(events_, clock_);
    std::string failure;
    try {
        form1_->FormCreate(files);
    } catch (const std::exception& error) {
        failure = error.what();
    }
    form2_ = std::make_unique<TForm2>(*form1_, events_);
    form3_ = std::make_unique<TForm3>(*form1_, events_);
    form1_->SetNameDialogs(form2_.get(), form3_.get());
    if (failure.empty()) {
        ShowMainForm();
    } else {
        report_.Show(failure, [this] { ShowMainForm(); });
    }
}

void Application::ShowMainForm() {
    form1_->Show();
    // For whoever measures the page: the game is on the screen from here on.
    emscripten::val::global("performance").call<void>("mark", std::string("brimblet-shown"));
}

void Application::ReportError(const std::string& errorText) { report_.Show(errorText); }
