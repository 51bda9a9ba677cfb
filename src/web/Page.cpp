#include "Page.h"

namespace page {

val Document() { return val::global("document"); }

val ById(const std::string& id) {
    val element = Document().call<val>("getElementById", id);
    if (element.isNull()) {
        throw std::runtime_error("The page has no element " + id);
    }
    return element;
}

val Named(const val& form, const std::string& name) {
    val element = form.call<val>("querySelector", "[name=\"" + name + "\"]");
    if (element.isNull()) {
        throw std::runtime_error("The page has no control " + name);
    }
    return element;
}

void SetText(val element, const std::string& text) { element.set("textContent", text); }

std::string Text(const val& element) { return element["textContent"].as<std::string>(); }

void SetHidden(val element, bool hidden) { element.set("hidden", hidden); }

bool Hidden(const val& element) { return element["hidden"].as<bool>(); }

void Focus(val element) {
    val options = val::object();
    options.set("preventScroll", true);
    element.call<void>("focus", options);
}

int ViewportWidth() { return Document()["documentElement"]["clientWidth"].as<int>(); }

int ViewportHeight() { return Document()["documentElement"]["clientHeight"].as<int>(); }

}  // namespace page
