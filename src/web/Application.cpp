#include "Application.h"

#include <exception>

#include "ErrorTexts.h"
#include "Main.h"
#include "PageTexts.h"
#include "Page.h"
#include "player1.h"
#include "player2.h"

Application::Application()
    : texts_(page_texts::Choose()),
      events_([this](std::exception_ptr error) { ReportError(brimblet::ErrorText(error, texts_)); }) {
    report_.Connect(events_);
    events_.AfterEach([this] { KeepSession(); });
    // A page left may come back from the browser's back-forward cache, as it was: its name
    // boxes with it, which WebKit would otherwise reset.
    events_.Listen(emscripten::val::global("window"), "pagehide", [this](emscripten::val) {
        if (form2_ && form3_) {
            form2_->HoldBoxesForReturn();
            form3_->HoldBoxesForReturn();
        }
    });
}

Application::~Application() = default;

void Application::Start() {
    KeepForOffline();
    FetchPictures(
        [this](const FetchedPictures& files) { events_.Guarded([&] { CreateForms(files); }); });
}

// The service worker keeps the site's files for play with no network, with the player's
// language's (its texts and its face). Where the browser offers none (a page opened from a
// file, say) the game plays all the same.
void Application::KeepForOffline() {
    emscripten::val navigator = emscripten::val::global("navigator");
    if (!navigator["serviceWorker"].isUndefined()) {
        navigator["serviceWorker"]
            .call<emscripten::val>("register", "sw.js?language=" + std::string(texts_.Code()))
            .call<void>("catch", emscripten::val::global("console")["debug"]);
    }
}

// The main window first, whose creation handler loads the pictures; an error there ends the
// handler but not the start-up. Then the two name windows, hidden. The report of the error,
// if any, comes before the main window shows.
void Application::CreateForms(const FetchedPictures& files) {
    page::SetHidden(page::ById("Loading"), true);
    page_texts::Translate(texts_);
    form1_ = std::make_unique<TForm1>(events_, clock_, texts_);
    std::string failure;
    try {
        form1_->FormCreate(files);
    } catch (const std::exception&) {
        failure = brimblet::ErrorText(std::current_exception(), texts_);
    }
    form2_ = std::make_unique<TForm2>(*form1_, events_);
    form3_ = std::make_unique<TForm3>(*form1_, events_);
    form1_->SetNameDialogs(form2_.get(), form3_.get());
    // The game an earlier page of this tab left, over the fresh one; the picture's report,
    // if any, comes again, since the files are what they were.
    restored_ = keeper_.Read();
    if (restored_) {
        form1_->Restore(*restored_);
        form2_->Restore(restored_->OnePlayer);
        form3_->Restore(restored_->TwoPlayers);
    }
    if (failure.empty()) {
        ShowMainForm();
    } else {
        report_.Show(failure, [this] { ShowMainForm(); });
    }
}

void Application::ShowMainForm() {
    form1_->Show();
    shown_ = true;
    if (restored_) {  // the name windows that were open, the one in front shown last
        NameDialog* const windows[] = {form2_.get(), form3_.get()};
        const bool shown[] = {restored_->OnePlayer.Shown, restored_->TwoPlayers.Shown};
        const int front = restored_->FrontWindow == brimblet::kOnePlayerMode ? 0 : 1;
        for (const int i : {1 - front, front}) {
            if (shown[i]) {
                windows[i]->ShowInFront();
            }
        }
        restored_.reset();
    }
    // For whoever measures the page: the game is on the screen from here on.
    emscripten::val::global("performance").call<void>("mark", std::string("brimblet-shown"));
}

void Application::ReportError(const std::string& errorText) { report_.Show(errorText); }

void Application::KeepSession() {
    if (!shown_) {
        return;  // nothing played yet, and a restored game not yet shown whole
    }
    brimblet::TabSession session;
    form1_->Keep(session);
    form2_->Keep(session.OnePlayer);
    form3_->Keep(session.TwoPlayers);
    session.FrontWindow = form3_->InFront()   ? brimblet::kTwoPlayerMode
                          : form2_->InFront() ? brimblet::kOnePlayerMode
                                              : 0;
    keeper_.Keep(session);
}
