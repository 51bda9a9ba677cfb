#include "Application.h"

#include <exception>

#include "Main.h"
#include "player1.h"
#include "player2.h"

Application::Application()
    : events_([this](const std::string& errorText) { ReportError(errorText); }) {
    report_.Connect(events_);
}

Application::~Application() = default;

void Application::Start() {
    FetchPictures(
        [this](const FetchedPictures& files) { events_.Guarded([&] { CreateForms(files); }); });
}

// The main window first, whose creation handler loads the pictures; an error there ends the
// handler but not the start-up. Then the two name windows, hidden. The report of the error,
// if any, comes before the main window shows.
void Application::CreateForms(const FetchedPictures& files) {
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
        form1_->Show();
    } else {
        report_.Show(failure, [this] { form1_->Show(); });
    }
}

void Application::ReportError(const std::string& errorText) { report_.Show(errorText); }
