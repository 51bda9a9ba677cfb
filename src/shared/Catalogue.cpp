#include "Catalogue.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <deque>

namespace brimblet {

namespace {

// The parts of a tag, lower case: "zh-Hant-TW" {"zh", "hant", "tw"}; "fr_CA.UTF-8@euro"
// {"fr", "ca"}. "C" and "POSIX" name no language the game has.
std::vector<std::string> TagParts(const std::string& tag) {
    std::vector<std::string> parts(1);
    for (const char c : tag) {
        if (c == '.' || c == '@') {
            break;
        }
        if (c == '-' || c == '_') {
            parts.emplace_back();
        } else {
            parts.back() += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return parts;
}

// The codes, best first, of the languages the game may have for a tag: "pt-BR" "pt_BR" then
// "pt"; Chinese by its script, or else its region.
std::vector<std::string> Candidates(const std::string& tag) {
    const std::vector<std::string> parts = TagParts(tag);
    const std::string& language = parts.front();
    std::string script, region;
    for (std::size_t i = 1; i < parts.size() && region.empty(); ++i) {
        if (parts[i].size() == 4 && script.empty()) {
            script = parts[i];
        } else if (parts[i].size() == 2 || parts[i].size() == 3) {
            region = parts[i];
        }
    }
    if (language == "zh") {
        const bool traditional = script == "hant" || (script.empty() && (region == "tw" || region == "hk" || region == "mo"));
        return {traditional ? "zh_TW" : "zh_CN"};
    }
    std::vector<std::string> codes;
    if (!region.empty()) {
        std::string upper = region;
        for (char& c : upper) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        codes.push_back(language + "_" + upper);
    }
    codes.push_back(language);
    return codes;
}

// A language whose texts came at run time, and the table that looks them up.
struct FetchedLanguage {
    std::vector<std::pair<std::string, std::string>> texts;
    std::vector<CatalogueEntry> entries;
    CatalogueLanguage language;
};

}  // namespace

const Catalogue* Catalogue::WithTexts(std::string_view code, std::vector<std::pair<std::string, std::string>> texts) {
    static std::deque<FetchedLanguage> fetched;  // never moved: the catalogues point into them
    static std::deque<Catalogue> catalogues;
    const auto known = std::find_if(All().begin(), All().end(), [code](const Catalogue& c) { return c.Code() == code; });
    if (known == All().end() || known->language_ == nullptr) {
        return nullptr;
    }
    // Sorted as the compiled tables are, by their English's bytes, as they come already: one
    // pass of insertion (far smaller in the page's module than std::sort's); a text given twice
    // counts once.
    for (std::size_t i = 1; i < texts.size(); ++i) {
        for (std::size_t j = i; j > 0 && texts[j].first < texts[j - 1].first; --j) {
            std::swap(texts[j], texts[j - 1]);
        }
    }
    texts.erase(std::unique(texts.begin(), texts.end(), [](const auto& a, const auto& b) { return a.first == b.first; }),
                texts.end());
    FetchedLanguage& language = fetched.emplace_back();
    language.texts = std::move(texts);
    for (const auto& [english, text] : language.texts) {
        language.entries.push_back({english.c_str(), text.c_str()});
    }
    language.language = *known->language_;
    language.language.entries = language.entries.data();
    language.language.count = language.entries.size();
    return &catalogues.emplace_back(&language.language);
}

const Catalogue& Catalogue::English() { return All().front(); }

const std::vector<Catalogue>& Catalogue::All() {
    static const std::vector<Catalogue> all = [] {
        std::vector<Catalogue> languages{Catalogue(nullptr)};
        for (std::size_t i = 0; i < kCatalogueLanguageCount; ++i) {
            languages.emplace_back(&kCatalogueLanguages[i]);
        }
        return languages;
    }();
    return all;
}

const Catalogue& Catalogue::Preferred(const std::vector<std::string>& languages) {
    for (const std::string& tag : languages) {
        for (const std::string& code : Candidates(tag)) {
            for (const Catalogue& catalogue : All()) {
                if (catalogue.Code() == code) {
                    return catalogue;
                }
            }
        }
    }
    return English();
}

std::string Catalogue::Tag() const {
    std::string tag(Code());
    std::replace(tag.begin(), tag.end(), '_', '-');
    return tag;
}

bool Catalogue::InDesignFace() const { return std::strcmp(Faces().freeFace, kEnglishFaces.freeFace) == 0; }

bool Catalogue::RightToLeft() const {
    const std::string_view script = Faces().script;
    return script == "Arab" || script == "Hebr";
}

bool Catalogue::WrapsBetweenCharacters() const {
    const std::string_view script = Faces().script;
    return script == "Hans" || script == "Hant" || script == "Jpan";
}

const char* Catalogue::Text(const char* english) const {
    if (language_ == nullptr) {
        return english;
    }
    const CatalogueEntry* end = language_->entries + language_->count;
    const CatalogueEntry* found = std::lower_bound(
        language_->entries, end, english,
        [](const CatalogueEntry& entry, const char* key) { return std::strcmp(entry.english, key) < 0; });
    return found != end && std::strcmp(found->english, english) == 0 ? found->text : english;
}

GameTexts Catalogue::Game() const {
    GameTexts texts;
    texts.TranslateEach([this](const std::string& english) { return Text(english); });
    return texts;
}

}  // namespace brimblet
