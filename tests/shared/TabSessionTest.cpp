#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "TabSession.h"

namespace {

using brimblet::DecodeTabSession;
using brimblet::EncodeTabSession;
using brimblet::TabSession;

// A game partway: two players with names in other letters, one window dragged partly off the
// top left and open in front, the other closed where it was left.
TabSession GamePartway() {
    TabSession s;
    s.State = {40, 23, 6, 2, 2, 1};
    s.BoardDrawn = true;
    s.Label2 = "\xC5\x81ucjas position:";  // Łucja
    s.Label3 = "Zo\xC3\xAB" "\ts position:";
    s.Log = "\xC5\x81ucja scored a : 1\n\xC5\x81ucja goes up the ladder......\n";
    s.OnePlayer = {false, true, 120, 80, "Player1", ""};
    s.TwoPlayers = {true, true, -12, -3, "\xC5\x81ucja", "\xC3\x91" "and\xC3\xBA\xF0\x9F\x8E\xB2xxxx"};
    s.FrontWindow = 2;
    return s;
}

// What the reader accepts, the writer writes back to the same bytes (the fuzzer holds every
// accepted entry to that), so a session is compared through its entry.
TEST(TabSession, aGamePartwayReadsBackAsItWas) {
    const std::string entry = EncodeTabSession(GamePartway());
    const auto read = DecodeTabSession(entry);
    ASSERT_TRUE(read);
    EXPECT_EQ(EncodeTabSession(*read), entry);
    EXPECT_EQ(read->TwoPlayers.Edit2, GamePartway().TwoPlayers.Edit2);
}

TEST(TabSession, anEntryCutShortAnywhereIsRefused) {
    const std::string entry = EncodeTabSession(GamePartway());
    for (std::size_t length = 0; length < entry.size(); ++length) {
        EXPECT_FALSE(DecodeTabSession(std::string_view(entry).substr(0, length))) << length;
    }
    EXPECT_FALSE(DecodeTabSession(entry + "x"));
}

TEST(TabSession, anEntryEditedOutOfWhatTheGameCanShowIsRefused) {
    const std::string entry = EncodeTabSession(GamePartway());
    const std::vector<std::pair<std::string, std::string>> edits = {
        {"session 1", "session 2"},                    // another build's format
        {"state 40 ", "state 82 "},                    // off the board
        {"state 40 23 6 2", "state 40 23 7 2"},        // no such face
        {"state 40 23 6 2", "state 40 23 6 3"},        // no such player
        {"state 40 ", "state 040 "},                   // not as the game writes it
        {"state 40 ", "state -0 "},
        {"state 40 23 6 2 2 1 1", "state 40 23 6 2 2 1 0"},  // moved, yet never drawn
        {"window 1 1 -12", "window 1 0 -12"},          // shown but never placed
        {"window 0 1 120 80", "window 0 0 120 80"},    // a place, yet never placed
        {"window 1 1 -12", "window 1 1 -100001"},
        {"text 7\nPlayer1", "text 7\nPlayer\xFF"},     // not UTF-8
        {"text 7\nPlayer1", "text 7\nPla\nyer"},       // a line break in a name box
        {"text 15\n\xC3\x91" "and\xC3\xBA\xF0\x9F\x8E\xB2xxxx\n",  // eleven characters
         "text 16\n\xC3\x91" "and\xC3\xBA\xF0\x9F\x8E\xB2xxxxx\n"},
        {"text 7\nPlayer1", "text 8\nPlayer1"},        // a length that is not the text's
        {"\xC5\x81ucja\n", "\xC0\x81ucja\n"},          // an overlong letter
        {"end\n", "end \n"},
    };
    for (const auto& [from, to] : edits) {
        std::string edited = entry;
        const std::size_t at = edited.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        edited.replace(at, from.size(), to);
        EXPECT_FALSE(DecodeTabSession(edited)) << "accepted with " << to;
    }
    EXPECT_FALSE(DecodeTabSession(""));
    EXPECT_FALSE(DecodeTabSession(std::string(3000, '\0')));
}

}  // namespace
