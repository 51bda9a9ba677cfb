#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>

#include "ErrorTexts.h"

// The one error report: a message box owned by the application's window, captioned
// "Brimblet", with the error's text followed by "." (always, so a text that ends in a full
// stop shows two), a stop icon and one OK button. The program's other windows are disabled
// while it is open; the window that was active before is active again afterwards.
void ReportError(const std::string& text);
// The report of what a handler threw, in the report's language.
void ReportError(std::exception_ptr error);

// The language of the reports' texts (English until set); `texts` outlives the reports.
void SetReportLanguage(const brimblet::Catalogue& texts);

// Gives the window that owns the reports (the application's window), asked for when a report
// is shown; an empty function leaves reports without an owner.
void SetReportOwner(std::function<HWND()> owner);

// Where reports go instead of a message box, for tests that capture them; an empty function
// restores the message box. Returns the one it replaces.
using ReportSink = std::function<void(const std::string& text)>;
ReportSink SetReportSink(ReportSink sink);

// Runs one handler at a window procedure's boundary: no C++ exception may cross Windows' own
// frames, so whatever a handler throws is reported here and the program carries on.
template <typename Handler> void Guarded(Handler&& handler) {
    try {
        handler();
    } catch (...) {
        ReportError(std::current_exception());
    }
}

// The same for a handler with a result, which is `onError` when the handler throws.
template <typename Handler, typename Result> Result Guarded(Handler&& handler, Result onError) {
    Result result = onError;
    Guarded([&] { result = handler(); });
    return result;
}
