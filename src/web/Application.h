#pragma once

#include <memory>
#include <string>

#include "ErrorReport.h"
#include "Events.h"
#include "PictureFetch.h"
#include "UtcClock.h"

class TForm1;
class TForm2;
class TForm3;

// The page's program: it fetches the picture files, creates the three windows in their
// order, shows the main window, and reports every error that escapes a handler. It holds the
// windows for the whole life of the page.
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

    ErrorReport report_;
    Events events_;
    brimblet::SystemUtcClock clock_;  // the browser's clock
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm3> form3_;
};
