#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "GameTexts.h"
#include "MessageTemplate.h"

namespace brimblet {

// One translated text: the English text it stands for, and its own.
struct CatalogueEntry {
    const char* english;
    const char* text;
};

// The texts of one language, compiled in from po/<code>.po, sorted by their English.
struct CatalogueLanguage {
    const char* code;  // "de", "pt"
    const CatalogueEntry* entries;
    std::size_t count;
};

// The texts a player sees, in one language: English, or one of the languages the game has.
// The front ends look every text of their controls up here at creation, and hand the rules
// their messages from it.
class Catalogue {
public:
    static const Catalogue& English();

    // The first language of the player's list, best liked first, that the game has; English
    // when it has none of them. Codes as the platforms give them: "fr-CA", "pt_BR.UTF-8", "de".
    static const Catalogue& Preferred(const std::vector<std::string>& languages);

    // English, then every language compiled in.
    static const std::vector<Catalogue>& All();

    // "en" for English.
    std::string_view Code() const { return language_ != nullptr ? language_->code : "en"; }

    // The text that stands for `english` in this language; `english` itself when it has none.
    const char* Text(const char* english) const;
    std::string Text(const std::string& english) const { return Text(english.c_str()); }

    // Text(english) with its places filled.
    std::string Fill(const char* english, std::initializer_list<TemplateValue> values) const {
        return FillTemplate(Text(english), values);
    }

    // The rules' messages in this language.
    GameTexts Game() const;

    explicit Catalogue(const CatalogueLanguage* language) : language_(language) {}

private:
    const CatalogueLanguage* language_;  // none for English
};

// The languages compiled in from po/ (made at build time).
extern const CatalogueLanguage kCatalogueLanguages[];
extern const std::size_t kCatalogueLanguageCount;

}  // namespace brimblet
