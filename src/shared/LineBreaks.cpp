#include "LineBreaks.h"

#include <string_view>

namespace brimblet {

namespace {

// The ideographs, kana and their punctuation and full-width forms.
bool WrittenWithoutSpaces(char32_t c) {
    return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x20000 && c <= 0x3FFFF);
}

bool IsOneOf(char32_t c, std::u32string_view marks) { return marks.find(c) != std::u32string_view::npos; }

constexpr std::u32string_view kClosing =
    U"、。，．：；！？）］｝」』】〕〉》〙〗〟’”…‥ー々ゝゞぁぃぅぇぉっゃゅょゎゕゖァィゥェォッャュョヮヵヶ・｡､)]}!?,.:;";
constexpr std::u32string_view kOpening = U"（［｛「『【〔〈《〘〖〝‘“([{";

}  // namespace

bool MayBreakBetween(char32_t before, char32_t after) {
    if (IsOneOf(after, kClosing) || IsOneOf(before, kOpening)) {
        return false;
    }
    return before == U' ' || WrittenWithoutSpaces(before) || WrittenWithoutSpaces(after);
}

}  // namespace brimblet
