#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "GameTexts.h"
#include "MessageTemplate.h"

namespace brimblet {

// One translated text: the English text it stands for, and its own.
struct CatalogueEntry {
    const char* english;
    const char* text;
};

// Where a language's letters come from (src/shared/faces.txt): its script, and the one face
// each build draws all of its texts in.
struct LanguageFaces {
    const char* script;       // ISO 15924: "Latn", "Hans", "Deva"
    const char* freeFace;     // Linux's (through fontconfig) and the page's: "Comic Neue"
    const char* windowsFace;  // one Windows itself ships: "Comic Sans MS", "Nirmala UI"
};

// The texts of one language, compiled in from po/<code>.po, sorted by their English.
struct CatalogueLanguage {
    const char* code;  // "de", "pt_BR", "zh_TW"
    const CatalogueEntry* entries;
    std::size_t count;
    LanguageFaces faces;
};

extern const LanguageFaces kEnglishFaces;

// The texts a player sees, in one language: English, or one of the languages the game has.
// The front ends look every text of their controls up here at creation, and hand the rules
// their messages from it.
class Catalogue {
public:
    static const Catalogue& English();

    // The first language of the player's list, best liked first, that the game has; English
    // when it has none of them. Codes as the platforms give them: "fr-CA", "pt_BR.UTF-8", "de".
    // A region or script the game has a language for chooses it: "pt-BR" Brazil's Portuguese,
    // "zh-Hant", "zh-TW", "zh-HK" and "zh-MO" Traditional Chinese, any other "zh" Simplified.
    static const Catalogue& Preferred(const std::vector<std::string>& languages);

    // English, then every language compiled in.
    static const std::vector<Catalogue>& All();

    // For the page, whose program holds English's texts alone and fetches the player's
    // language's beside it: that language with its texts (each English text and its own);
    // nullptr when the game has no language `code`. Kept for the rest of the program's life.
    static const Catalogue* WithTexts(std::string_view code, std::vector<std::pair<std::string, std::string>> texts);

    // "en" for English; "pt_BR", as po/ names it.
    std::string_view Code() const { return language_ != nullptr ? language_->code : "en"; }
    // The language's tag as the web writes it (BCP 47): "pt-BR".
    std::string Tag() const;

    const LanguageFaces& Faces() const { return language_ != nullptr ? language_->faces : kEnglishFaces; }
    // Whether the design's face has every letter of the language: other languages are drawn in
    // a face that may be a little wider on a player's machine than on ours.
    bool InDesignFace() const;
    // Chinese and Japanese, written with no spaces, wrap between any two characters.
    bool WrapsBetweenCharacters() const;
    // Arabic, Persian, Urdu and Hebrew read from the right: their windows are mirrored.
    bool RightToLeft() const;

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
extern const LanguageFaces kEnglishFaces;

}  // namespace brimblet
