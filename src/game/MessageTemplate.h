#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace brimblet {

// Marks an English text for the translators' catalogue (po/): the text is what a player with
// an English system sees, and the key under which every other language holds its own.
constexpr const char* N_(const char* english) { return english; }

using TemplateValue = std::pair<std::string_view, std::string_view>;

// A whole sentence with named places, "{name} wins!! Congratulations!", each place filled
// with its value. A value is put in as it stands, so a name typed as "{value}" stays that
// text; a place with no value, and any other brace, is kept as written.
std::string FillTemplate(std::string_view text, const TemplateValue* values, std::size_t count);
inline std::string FillTemplate(std::string_view text, std::initializer_list<TemplateValue> values) {
    return FillTemplate(text, values.begin(), values.size());
}

}  // namespace brimblet
