#include "PageTexts.h"

#include <emscripten/val.h>

#include <string>
#include <utility>
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

// The chosen language with its texts, which the loader fetched beside the program
// (languages/<code>.js sets self.brimbletTexts); English where they did not come.
const brimblet::Catalogue& Fetched(const brimblet::Catalogue& chosen) {
    const auto isObject = [](const val& v) { return !v.isNull() && v.typeOf().as<std::string>() == "object"; };
    const val fetched = val::global("self")["brimbletTexts"];
    if (chosen.Code() == "en" || !isObject(fetched) || !fetched["code"].isString() ||
        fetched["code"].as<std::string>() != chosen.Code() || !isObject(fetched["texts"])) {
        return brimblet::Catalogue::English();
    }
    const val entries = val::global("Object").call<val>("entries", fetched["texts"]);
    std::vector<std::pair<std::string, std::string>> texts;
    const int count = entries["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        const val entry = entries[i];
        if (entry[1].isString()) {
            texts.emplace_back(entry[0].as<std::string>(), entry[1].as<std::string>());
        }
    }
    const brimblet::Catalogue* language = brimblet::Catalogue::WithTexts(chosen.Code(), std::move(texts));
    return language != nullptr ? *language : brimblet::Catalogue::English();
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
    const brimblet::Catalogue& chosen = Fetched(brimblet::Catalogue::Preferred(languages));
    val::global("document")["documentElement"].set("lang", chosen.Tag());
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
