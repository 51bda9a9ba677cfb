#include "NameLength.h"

#include <cstdint>

namespace brimblet {

namespace {

// The next code point of `text` from `at`, which moves past it; a byte that starts no
// well-formed sequence is taken alone.
std::uint32_t NextCodePoint(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length <= 1 || at + length > text.size()) {
        ++at;
        return lead;
    }
    std::uint32_t point = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            ++at;
            return lead;
        }
        point = point << 6 | (byte(at + i) & 0x3F);
    }
    at += length;
    return point;
}

// What joins the character before it rather than starting one of its own.
bool Extends(std::uint32_t c) {
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x0483 && c <= 0x0489) || (c >= 0x0591 && c <= 0x05C7) ||
           (c >= 0x0610 && c <= 0x061A) || (c >= 0x064B && c <= 0x065F) || (c >= 0x0900 && c <= 0x0903) ||
           (c >= 0x093A && c <= 0x094F) || (c >= 0x0951 && c <= 0x0957) || (c >= 0x0962 && c <= 0x0963) ||
           (c >= 0x0981 && c <= 0x0983) || c == 0x09BC || (c >= 0x09BE && c <= 0x09CD) || c == 0x09D7 ||
           (c >= 0x09E2 && c <= 0x09E3) || (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF) ||
           (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xFE20 && c <= 0xFE2F) ||
           (c >= 0x1F3FB && c <= 0x1F3FF) || (c >= 0xE0020 && c <= 0xE007F) || (c >= 0xE0100 && c <= 0xE01EF) ||
           c == 0x200C;
}

constexpr std::uint32_t kZeroWidthJoiner = 0x200D;

// Hindi's and Bengali's virama, and the consonants it joins into one conjunct with the one
// before it: क्ष is one character to its reader, as Unicode's grapheme clusters have it.
bool Virama(std::uint32_t c) { return c == 0x094D || c == 0x09CD; }
bool Consonant(std::uint32_t c) {
    return (c >= 0x0915 && c <= 0x0939) || (c >= 0x0958 && c <= 0x095F) || (c >= 0x0995 && c <= 0x09B9) ||
           (c >= 0x09DC && c <= 0x09DF);
}

bool RegionalIndicator(std::uint32_t c) { return c >= 0x1F1E6 && c <= 0x1F1FF; }

}  // namespace

std::size_t VisibleCharacters(std::string_view utf8) {
    std::size_t count = 0;
    std::size_t at = 0;
    bool joined = false;       // the last was a zero-width joiner: the next joins the character
    bool halfAFlag = false;    // the last character is one regional indicator
    bool linked = false;       // the last was a virama: a consonant next joins the character
    while (at < utf8.size()) {
        const std::uint32_t c = NextCodePoint(utf8, at);
        if (count > 0 && (Extends(c) || c == kZeroWidthJoiner || joined || (linked && Consonant(c)))) {
            joined = c == kZeroWidthJoiner;
            linked = Virama(c);
            continue;
        }
        linked = false;
        if (RegionalIndicator(c) && halfAFlag) {
            halfAFlag = false;
            continue;
        }
        halfAFlag = RegionalIndicator(c);
        joined = false;
        ++count;
    }
    return count;
}

}  // namespace brimblet
