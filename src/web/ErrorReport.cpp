#include "ErrorReport.h"

#include "Events.h"
#include "Page.h"

namespace {

// The windows the report holds still while it is open.
constexpr const char* kWindows[] = {"TForm1", "TForm2", "TForm3"};

}  // namespace

ErrorReport::ErrorReport() : box_(page::ById("ErrorBox")) {}

void ErrorReport::Connect(Events& events) {
    events.Listen(page::ById("ErrorBoxOk"), "click", [this](emscripten::val) { OkClick(); });
}

void ErrorReport::Show(const std::string& errorText, std::function<void()> then) {
    pending_.push_back({errorText + ".", std::move(then)});
    if (pending_.size() == 1) {
        Open(pending_.front());
    }
}

void ErrorReport::Open(const Pending& report) {
    page::SetText(page::ById("ErrorBoxText"), report.text);
    previousFocus_ = page::Document()["activeElement"];
    SetWindowsInert(true);
    page::SetHidden(box_, false);
    page::Focus(page::ById("ErrorBoxOk"));
}

void ErrorReport::OkClick() {
    if (pending_.empty()) {
        return;
    }
    const std::function<void()> then = std::move(pending_.front().then);
    pending_.pop_front();
    page::SetHidden(box_, true);
    SetWindowsInert(false);
    if (!previousFocus_.isNull() && !previousFocus_.isUndefined()) {
        page::Focus(previousFocus_);
    }
    if (then) {
        then();
    }
    if (!pending_.empty()) {
        Open(pending_.front());
    }
}

void ErrorReport::SetWindowsInert(bool inert) {
    for (const char* id : kWindows) {
        page::ById(id).set("inert", inert);
    }
}
