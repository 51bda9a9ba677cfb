#include "PageTexts.h"

#include <emscripten/val.h>

#include <string>
#include <vector>

using emscripten::val;

namespace page_texts {

namespace {

// The attributes of the page that hold texts a player sees or hears.
constexpr const char* kTextAttributes[] = {"aria-label", "aria-description", "value", "content"};

void TranslateAttribute(val element, const char* name, const brimblet::Catalogue& texts) {
    const val current = element.call<val>("getAttribute", std::string(name));
    if (current.isNull()) {
        return;
    }
    const std::string english = current.as<std::string>();
    const char* text = texts.Text(english.c_str());
    if (english != text) {
        element.call<void>("setAttribute", std::string(name), std::string(text));
        if (std::string(name) == "value") {
            element.set("value", std::string(text));  // a box shows its value, not its attribute
        }
    }
}

}  // namespace

const brimblet::Catalogue& Choose() {
    const val navigator = val::global("navigator");
    std::vector<std::string> languages;
    const val listed = navigator["languages"];
    const int count = listed.isUndefined() || listed.isNull() ? 0 : listed["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        languages.push_back(listed[i].as<std::string>());
    }
    if (navigator["language"].isString()) {
        languages.push_back(navigator["language"].as<std::string>());
    }
    const brimblet::Catalogue& chosen = brimblet::Catalogue::Preferred(languages);
    val::global("document")["documentElement"].set("lang", std::string(chosen.Code()));
    return chosen;
}

void Translate(const brimblet::Catalogue& texts) {
    if (texts.Code() == "en") {
        return;
    }
    const val document = val::global("document");
    // Each text node of the page, the windows' captions, labels and buttons among them.
    val walker = document.call<val>("createTreeWalker", document["documentElement"],
                                    val::global("NodeFilter")["SHOW_TEXT"]);
    for (val node = walker.call<val>("nextNode"); !node.isNull(); node = walker.call<val>("nextNode")) {
        const std::string english = node["data"].as<std::string>();
        const char* text = texts.Text(english.c_str());
        if (english != text) {
            node.set("data", std::string(text));
        }
    }
    const val elements = document.call<val>(
        "querySelectorAll", std::string("[aria-label], [aria-description], input[value], meta[name=description]"));
    const int count = elements["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        const val element = elements[i];
        for (const char* name : kTextAttributes) {
            TranslateAttribute(element, name, texts);
        }
    }
}

}  // namespace page_texts
