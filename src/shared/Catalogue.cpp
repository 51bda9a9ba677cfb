#include "Catalogue.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace brimblet {

namespace {

// "fr-CA", "fr_CA.UTF-8", "FR" and "fr@euro" all name French; "C" and "POSIX" name none.
std::string PrimaryLanguage(const std::string& tag) {
    std::string primary;
    for (const char c : tag) {
        if (c == '-' || c == '_' || c == '.' || c == '@') {
            break;
        }
        primary += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return primary;
}

}  // namespace

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
        const std::string primary = PrimaryLanguage(tag);
        for (const Catalogue& catalogue : All()) {
            if (catalogue.Code() == primary) {
                return catalogue;
            }
        }
    }
    return English();
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
