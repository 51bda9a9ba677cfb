#include "Events.h"

#include <emscripten/bind.h>

#include <cstdint>
#include <exception>

namespace {

struct Listener {
    Events& events;
    Events::Handler handler;
};

// What the page calls for every event listened to: the listener's address is bound in as the
// first argument, so that each listener is a plain function and nothing is compiled at run time.
void DispatchEvent(std::uintptr_t address, emscripten::val event) {
    auto* listener = reinterpret_cast<Listener*>(address);
    listener->events.Guarded([&] { listener->handler(event); });
}

}  // namespace

EMSCRIPTEN_BINDINGS(brimblet_events) { emscripten::function("dispatchEvent", &DispatchEvent); }

void Events::Listen(const emscripten::val& target, const std::string& type, Handler handler) {
    // Listeners live as long as the page's controls do: for the whole run.
    auto* listener = new Listener{*this, std::move(handler)};
    emscripten::val function =
        emscripten::val::module_property("dispatchEvent")
            .call<emscripten::val>("bind", emscripten::val::null(),
                                   reinterpret_cast<std::uintptr_t>(listener));
    target.call<void>("addEventListener", type, function);
}

void Events::Guarded(const std::function<void()>& work) {
    Run(work);
    if (after_) {
        Run(after_);
    }
}

void Events::Run(const std::function<void()>& work) {
    try {
        work();
    } catch (...) {
        report_(std::current_exception());
    }
}
