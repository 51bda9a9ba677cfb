#include "ErrorReport.h"

#include <vector>

#include "Text.h"

namespace {

std::function<HWND()> reportOwner;
ReportSink reportSink;
const brimblet::Catalogue* reportLanguage = &brimblet::Catalogue::English();

BOOL CALLBACK DisableOne(HWND window, LPARAM disabled) {
    if (IsWindowVisible(window) && IsWindowEnabled(window)) {
        reinterpret_cast<std::vector<HWND>*>(disabled)->push_back(window);
        EnableWindow(window, FALSE);
    }
    return TRUE;
}

}  // namespace

void SetReportOwner(std::function<HWND()> owner) { reportOwner = std::move(owner); }

void SetReportLanguage(const brimblet::Catalogue& texts) { reportLanguage = &texts; }

void ReportError(std::exception_ptr error) { ReportError(brimblet::ErrorText(error, *reportLanguage)); }

ReportSink SetReportSink(ReportSink sink) {
    ReportSink previous = std::move(reportSink);
    reportSink = std::move(sink);
    return previous;
}

void ReportError(const std::string& text) {
    // A window that has captured the mouse is told to give up that mode first.
    if (HWND captured = GetCapture()) {
        SendMessageW(captured, WM_CANCELMODE, 0, 0);
    }
    const std::string message = text + ".";
    HWND active = GetActiveWindow();
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(&disabled));
    if (reportSink) {
        reportSink(message);
    } else {
        MessageBoxW(reportOwner ? reportOwner() : nullptr, Widen(message).c_str(), L"Brimblet",
                    MB_OK | MB_ICONERROR | (reportLanguage->RightToLeft() ? MB_RTLREADING | MB_RIGHT : 0));
    }
    for (HWND window : disabled) {
        if (IsWindow(window)) {
            EnableWindow(window, TRUE);
        }
    }
    if (active != nullptr && IsWindow(active)) {
        SetActiveWindow(active);
    }
}
