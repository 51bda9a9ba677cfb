#include "TabKeeper.h"

#include <emscripten/val.h>

using emscripten::val;

// The storage itself is reached through the loader (loader.js): a browser set to keep
// nothing refuses it, and a full one refuses a write, both by throwing a JavaScript error,
// which would otherwise pass through the handler that keeps the game.
std::optional<brimblet::TabSession> TabKeeper::Read() const {
    const val entry = val::module_property("readTabEntry")();
    if (!entry.isString()) {
        return std::nullopt;
    }
    return brimblet::DecodeTabSession(entry.as<std::string>());
}

// A log longer than an entry may hold (tens of thousands of throws) keeps an empty entry,
// which gives the next page a fresh game rather than an older one.
void TabKeeper::Keep(const brimblet::TabSession& session) {
    std::string entry =
        session.Log.size() <= brimblet::kMaxLogBytes ? brimblet::EncodeTabSession(session) : "";
    if (entry != written_) {
        val::module_property("writeTabEntry")(entry);
        written_ = std::move(entry);
    }
}
