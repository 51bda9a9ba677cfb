#pragma once

#include <memory>
#include <optional>
#include <string>

#include "Catalogue.h"
#include "ErrorReport.h"
#include "Events.h"
#include "PictureFetch.h"
#include "TabKeeper.h"
#include "TabSession.h"
#include "UtcClock.h"

class TForm1;
class TForm2;
class TForm3;

// The page's program: it fetches the picture files, creates the three windows in their
// order, shows the main window, and reports every error that escapes a handler. It holds the
// windows for the whole life of the page, and keeps the game for the tab after every handler,
// so that a reload of the tab shows the windows as they were.
class Application {
public:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    void Start();

private:
    void KeepForOffline();
    void CreateForms(const FetchedPictures& files);
    void ShowMainForm();
    void ReportError(const std::string& errorText);
    void KeepSession();

    const brimblet::Catalogue& texts_;  // the player's language
    ErrorReport report_;
    Events events_;
    brimblet::SystemUtcClock clock_;  // the browser's clock
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm3> form3_;
    TabKeeper keeper_;
    std::optional<brimblet::TabSession> restored_;  // until its name windows are shown again
    bool shown_ = false;  // the main window, from when nothing but a player changes the game
};
