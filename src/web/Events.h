#pragma once

#include <emscripten/val.h>

#include <exception>
#include <functional>
#include <string>

// The one boundary between the page's events and the game's handlers. Every handler runs
// inside it: an error a handler raises is reported, never left to the browser, and the page
// carries on with the next event.
class Events {
public:
    using Handler = std::function<void(emscripten::val event)>;
    // What a handler threw.
    using Report = std::function<void(std::exception_ptr error)>;

    explicit Events(Report report) : report_(std::move(report)) {}
    Events(const Events&) = delete;
    Events& operator=(const Events&) = delete;

    // Runs `handler` for every `type` event on `target`, for the rest of the page's life.
    void Listen(const emscripten::val& target, const std::string& type, Handler handler);

    // Runs `work` inside the boundary, then what must follow every handler.
    void Guarded(const std::function<void()>& work);

    // What runs after every handler, inside the boundary too: keeping the tab's game.
    void AfterEach(std::function<void()> after) { after_ = std::move(after); }

private:
    void Run(const std::function<void()>& work);

    Report report_;
    std::function<void()> after_;
};
