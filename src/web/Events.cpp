#include "Events.h"

#include <emscripten/bind.h>

#include <exception>

namespace {

// What the page calls for an event: an object with a handleEvent method is a listener of
// its own, so the handler needs no script in between.
class Listener {
public:
    Listener(Events& events, Events::Handler handler)
        : events_(events), handler_(std::move(handler)) {}

    void handleEvent(emscripten::val event) {
        events_.Guarded([&] { handler_(event); });
    }

private:
    Events& events_;
    Events::Handler handler_;
};

}  // namespace

EMSCRIPTEN_BINDINGS(brimblet_events) {
    emscripten::class_<Listener>("Listener").function("handleEvent", &Listener::handleEvent);
}

void Events::Listen(const emscripten::val& target, const std::string& type, Handler handler) {
    // Listeners live as long as the page's controls do: for the whole run.
    auto* listener = new Listener(*this, std::move(handler));
    target.call<void>("addEventListener", type, emscripten::val(listener));
}

void Events::Guarded(const std::function<void()>& work) {
    try {
        work();
    } catch (const std::exception& error) {
        report_(error.what());
    } catch (...) {
        report_("Unexpected error");
    }
}
