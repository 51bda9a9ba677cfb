#include "NameDialog.h"

#include <algorithm>
#include <cmath>

#include "Events.h"
#include "Main.h"
#include "NameLength.h"
#include "Page.h"
#include "Placement.h"

using emscripten::val;

NameDialog::NameDialog(const std::string& id, TForm1& mainForm, Events& events)
    : mainForm_(mainForm), events_(events), form_(page::ById(id)) {
    val caption = form_.call<val>("querySelector", std::string(".caption"));
    val closeBox = form_.call<val>("querySelector", std::string(".close"));
    events.Listen(form_.call<val>("querySelector", std::string("form")), "submit", [this](val e) {
        e.call<void>("preventDefault");
        Button1Click();
    });
    events.Listen(Control("Button2"), "click", [this](val) { Button2Click(); });
    events.Listen(closeBox, "click", [this](val) { Close(); });
    events.Listen(form_, "pointerdown", [this](val) { Raise(); });
    events.Listen(form_, "focusin", [this](val e) {
        if (e["target"].call<bool>("hasAttribute", std::string("name"))) {
            lastFocus_ = e["target"];  // a control of the design, not the close box
        }
    });
    events.Listen(caption, "pointerdown", [this](val e) { StartDrag(e); });
    events.Listen(caption, "pointermove", [this](val e) { Drag(e); });
    events.Listen(caption, "pointerup", [this](val) { dragging_ = false; });
    events.Listen(caption, "pointercancel", [this](val) { dragging_ = false; });
    // A viewport that shrinks (a phone turned) keeps the window inside it.
    events.Listen(val::global("window"), "resize", [this](val) {
        if (placed_) {
            MoveTo(form_["offsetLeft"].as<double>(), form_["offsetTop"].as<double>());
        }
    });
}

val NameDialog::Control(const std::string& name) const { return page::Named(form_, name); }

std::string NameDialog::NameIn(const std::string& boxName) const {
    return Control(boxName)["value"].as<std::string>();
}

// A name box selects its whole text whenever it gets the focus other than by the mouse.
void NameDialog::WatchNameBox(const std::string& name) {
    val box = Control(name);
    boxes_.push_back(box);
    // Every letter typed is kept for the tab, as every handler's change is (Application). A
    // name longer than 10 characters as the player sees them is refused: the box is as it was.
    events_.Listen(box, "beforeinput", [box](val) mutable {
        box.set("brimbletBefore", box["value"]);
        box.set("brimbletCaret", box["selectionStart"]);
    });
    events_.Listen(box, "input", [box](val) mutable {
        if (brimblet::VisibleCharacters(box["value"].as<std::string>()) > brimblet::kNameCharacters &&
            box["brimbletBefore"].isString()) {
            box.set("value", box["brimbletBefore"]);
            box.call<void>("setSelectionRange", box["brimbletCaret"], box["brimbletCaret"]);
        }
    });
    events_.Listen(box, "pointerdown", [this](val) { mouseFocus_ = true; });
    events_.Listen(box, "pointerup", [this](val) { mouseFocus_ = false; });
    events_.Listen(box, "focus", [this, box](val) {
        if (!mouseFocus_) {
            box.call<void>("select");
        }
        mouseFocus_ = false;
    });
}

void NameDialog::ShowInFront() {
    page::SetHidden(form_, false);
    if (!placed_) {
        placed_ = true;
        MoveTo(
            brimblet::CentredCoordinate(page::ViewportWidth(), form_["offsetWidth"].as<int>()),
            brimblet::CentredCoordinate(page::ViewportHeight(), form_["offsetHeight"].as<int>()));
    } else if (placeRestored_) {
        placeRestored_ = false;
        MoveTo(left_, top_);  // where it was on an earlier page of the tab
    }
    Raise();
    val focus = lastFocus_.isNull() ? Control("Edit1") : lastFocus_;
    page::Focus(focus);
}

void NameDialog::Close() {
    dragging_ = false;
    const bool active = form_.call<bool>("contains", page::Document()["activeElement"]);
    page::SetHidden(form_, true);
    if (active) {
        mainForm_.Activate();
    }
}

// Above the other name window, which goes back to the level every name window shares;
// the main window is below both and the error report above.
void NameDialog::Raise() {
    val windows = page::Document().call<val>("querySelectorAll", std::string(".dialog.window"));
    const int count = windows["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        windows[i]["style"].set("zIndex", windows[i].strictlyEquals(form_) ? "2" : "1");
    }
}

// The window stays wholly inside the viewport, wherever it is dragged.
void NameDialog::MoveTo(double left, double top) {
    const double right = page::ViewportWidth() - form_["offsetWidth"].as<double>();
    const double bottom = page::ViewportHeight() - form_["offsetHeight"].as<double>();
    left_ = int(std::lround(std::max(0.0, std::min(left, right))));
    top_ = int(std::lround(std::max(0.0, std::min(top, bottom))));
    form_["style"].set("left", std::to_string(left_) + "px");
    form_["style"].set("top", std::to_string(top_) + "px");
}

void NameDialog::Keep(brimblet::NameWindowSession& session) const {
    session.Shown = Shown();
    session.Placed = placed_;
    session.Left = placed_ ? left_ : 0;
    session.Top = placed_ ? top_ : 0;
    session.Edit1 = boxes_.at(0)["value"].as<std::string>();
    session.Edit2 = boxes_.size() > 1 ? boxes_[1]["value"].as<std::string>() : std::string();
}

void NameDialog::Restore(const brimblet::NameWindowSession& session) {
    placed_ = placeRestored_ = session.Placed;
    left_ = session.Left;
    top_ = session.Top;
    boxes_.at(0).set("value", session.Edit1);
    if (boxes_.size() > 1) {
        boxes_[1].set("value", session.Edit2);
    }
}

void NameDialog::HoldBoxesForReturn() {
    for (val& box : boxes_) {
        box.set("defaultValue", box["value"]);
    }
}

bool NameDialog::InFront() const { return form_["style"]["zIndex"].as<std::string>() == "2"; }

bool NameDialog::Shown() const { return !page::Hidden(form_); }

void NameDialog::StartDrag(const val& event) {
    if (event["button"].as<int>() != 0 ||
        !event["target"].call<val>("closest", std::string(".close")).isNull()) {
        return;
    }
    dragging_ = true;
    grabX_ = event["clientX"].as<double>() - form_["offsetLeft"].as<double>();
    grabY_ = event["clientY"].as<double>() - form_["offsetTop"].as<double>();
    event["currentTarget"].call<void>("setPointerCapture", event["pointerId"]);
}

void NameDialog::Drag(const val& event) {
    if (dragging_) {
        MoveTo(event["clientX"].as<double>() - grabX_, event["clientY"].as<double>() - grabY_);
    }
}
