#include "TabSession.h"

#include <array>
#include <charconv>

namespace brimblet {

namespace {

// The first line names the format; a build that writes another format writes another line.
constexpr std::string_view kHeader = "Brimblet tab session 1\n";
constexpr std::string_view kEnd = "end\n";

void PutWindow(std::string& out, const NameWindowSession& w) {
    out += "window " + std::to_string(int(w.Shown)) + ' ' + std::to_string(int(w.Placed)) + ' ' +
           std::to_string(w.Left) + ' ' + std::to_string(w.Top) + '\n';
}

void PutText(std::string& out, const std::string& text) {
    out += "text " + std::to_string(text.size()) + '\n';
    out += text;
    out += '\n';
}

// Reads the entry front to back; every step either takes exactly what it expects or fails.
class Reader {
public:
    explicit Reader(std::string_view entry) : rest_(entry) {}

    bool Take(std::string_view expected) {
        if (rest_.substr(0, expected.size()) != expected) {
            return false;
        }
        rest_.remove_prefix(expected.size());
        return true;
    }

    // A line "keyword n1 n2 ...": as many decimal integers as `values` holds, one blank
    // between, each written as the encoder writes it (no sign but a minus, no leading zero).
    template <std::size_t N>
    bool Numbers(std::string_view keyword, std::array<std::int64_t, N>& values) {
        if (!Take(keyword)) {
            return false;
        }
        for (std::int64_t& value : values) {
            if (!Take(" ") || !Number(value)) {
                return false;
            }
        }
        return Take("\n");
    }

    bool Text(std::string& text, std::size_t maxBytes) {
        std::array<std::int64_t, 1> size{};
        if (!Numbers("text", size) || size[0] < 0 || std::uint64_t(size[0]) > maxBytes ||
            std::uint64_t(size[0]) >= rest_.size()) {
            return false;
        }
        text.assign(rest_.substr(0, std::size_t(size[0])));
        rest_.remove_prefix(std::size_t(size[0]));
        return Take("\n");
    }

    bool AtEnd() const { return rest_.empty(); }

private:
    bool Number(std::int64_t& value) {
        const bool negative = !rest_.empty() && rest_.front() == '-';
        std::size_t digits = negative ? 1 : 0;
        while (digits < rest_.size() && rest_[digits] >= '0' && rest_[digits] <= '9') {
            ++digits;
        }
        const std::size_t count = digits - (negative ? 1 : 0);
        const char first = count > 0 ? rest_[negative ? 1 : 0] : '\0';
        if (count == 0 || count > 9 || (first == '0' && (count > 1 || negative))) {
            return false;
        }
        std::from_chars(rest_.data() + (negative ? 1 : 0), rest_.data() + digits, value);
        value = negative ? -value : value;
        rest_.remove_prefix(digits);
        return true;
    }

    std::string_view rest_;
};

// How many characters `text` holds if it is valid UTF-8 with no NUL and no line break but
// where allowed (a text box's value holds none; a name may hold a pasted tab); nothing
// otherwise.
std::optional<std::size_t> Characters(const std::string& text, bool lineBreaks) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            if (lead == '\0' || lead == '\r' || (lead == '\n' && !lineBreaks)) {
                return std::nullopt;
            }
            ++i;
            continue;
        }
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        if (length == 0 || lead > 0xF4 || i + length > text.size()) {
            return std::nullopt;
        }
        std::uint32_t code = lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            code = (code << 6) | (next & 0x3F);
        }
        constexpr std::array<std::uint32_t, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return std::nullopt;
        }
        i += length;
    }
    return count;
}

// What a name box can hold: 10 characters as the player sees them, in no more UTF-16 than the
// box takes (each unit at most three bytes of UTF-8).
bool IsName(const std::string& text) {
    return Characters(text, false) && VisibleCharacters(text) <= kNameCharacters &&
           text.size() <= 3 * kNameBoxUnits;
}

bool ReadWindow(Reader& in, NameWindowSession& w) {
    std::array<std::int64_t, 4> v{};
    if (!in.Numbers("window", v) || v[0] < 0 || v[0] > 1 || v[1] < 0 || v[1] > 1 ||
        v[2] < -kMaxWindowOffset || v[2] > kMaxWindowOffset || v[3] < -kMaxWindowOffset ||
        v[3] > kMaxWindowOffset) {
        return false;
    }
    w.Shown = v[0] == 1;
    w.Placed = v[1] == 1;
    w.Left = std::int32_t(v[2]);
    w.Top = std::int32_t(v[3]);
    // A window is placed at its first showing, and has no place before it.
    return (w.Placed || (!w.Shown && w.Left == 0 && w.Top == 0));
}

bool InRange(std::int64_t value, std::int64_t low, std::int64_t high) {
    return value >= low && value <= high;
}

}  // namespace

std::string EncodeTabSession(const TabSession& s) {
    std::string out(kHeader);
    const GameState& g = s.State;
    out += "state " + std::to_string(g.Position1) + ' ' + std::to_string(g.Position2) + ' ' +
           std::to_string(g.LastThrow) + ' ' + std::to_string(g.Turn) + ' ' +
           std::to_string(g.PlayMode) + ' ' + std::to_string(int(g.GameActive)) + ' ' +
           std::to_string(int(s.BoardDrawn)) + ' ' + std::to_string(s.FrontWindow) + '\n';
    PutWindow(out, s.OnePlayer);
    PutWindow(out, s.TwoPlayers);
    for (const std::string* text : {&s.Label2, &s.Label3, &s.OnePlayer.Edit1, &s.TwoPlayers.Edit1,
                                    &s.TwoPlayers.Edit2, &s.Log}) {
        PutText(out, *text);
    }
    out += kEnd;
    return out;
}

std::optional<TabSession> DecodeTabSession(std::string_view entry) {
    Reader in(entry);
    TabSession s;
    std::array<std::int64_t, 8> v{};
    if (!in.Take(kHeader) || !in.Numbers("state", v)) {
        return std::nullopt;
    }
    if (!InRange(v[0], kStartSquare, kFinishSquare) || !InRange(v[1], kStartSquare, kFinishSquare) ||
        !InRange(v[2], 0, 6) || !InRange(v[3], kPlayer1, kPlayer2) ||
        !InRange(v[4], kOnePlayerMode, kTwoPlayerMode) || !InRange(v[5], 0, 1) ||
        !InRange(v[6], 0, 1) || !InRange(v[7], 0, kTwoPlayerMode)) {
        return std::nullopt;
    }
    s.State = {std::int32_t(v[0]), std::int32_t(v[1]), std::int32_t(v[2]),
               std::int32_t(v[3]), std::int32_t(v[4]), std::uint8_t(v[5])};
    s.BoardDrawn = v[6] == 1;
    s.FrontWindow = std::int32_t(v[7]);
    // Until the board is first drawn nothing has been thrown and nothing has moved.
    if (!s.BoardDrawn && (s.State.Position1 != kStartSquare || s.State.Position2 != kStartSquare ||
                          s.State.LastThrow != 0)) {
        return std::nullopt;
    }
    if (!ReadWindow(in, s.OnePlayer) || !ReadWindow(in, s.TwoPlayers) ||
        (s.FrontWindow == kOnePlayerMode && !s.OnePlayer.Placed) ||
        (s.FrontWindow == kTwoPlayerMode && !s.TwoPlayers.Placed)) {
        return std::nullopt;
    }
    if (!in.Text(s.Label2, kMaxLabelBytes) || !in.Text(s.Label3, kMaxLabelBytes) ||
        !in.Text(s.OnePlayer.Edit1, kMaxLabelBytes) || !in.Text(s.TwoPlayers.Edit1, kMaxLabelBytes) ||
        !in.Text(s.TwoPlayers.Edit2, kMaxLabelBytes) || !in.Text(s.Log, kMaxLogBytes) ||
        !in.Take(kEnd) || !in.AtEnd()) {
        return std::nullopt;
    }
    if (!Characters(s.Label2, false) || !Characters(s.Label3, false) ||
        !IsName(s.OnePlayer.Edit1) || !IsName(s.TwoPlayers.Edit1) || !IsName(s.TwoPlayers.Edit2) ||
        !Characters(s.Log, true)) {
        return std::nullopt;
    }
    return s;
}

}  // namespace brimblet
