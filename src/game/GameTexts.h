#pragma once

#include <string>

#include "MessageTemplate.h"

namespace brimblet {

// Fred's name is the same in every language; the names the players type are never translated.
constexpr const char* kFredName = "Fred";

// The texts the rules speak in, handed to them in the player's language: each message one
// whole sentence, "{name}" the mover's name and "{value}" the throw. The English defaults
// give the game's texts exactly, every blank, comma and stop included.
struct GameTexts {
    std::string Scored = N_("{name} scored a : {value}");
    std::string TooHigh = N_("{name}, i am sorry - your throw was too high!");
    std::string Wins = N_("{name} wins!! Congratulations!");
    std::string Ladder = N_("{name} goes up the ladder......");
    std::string String = N_("{name} goes down the string :-(");
    std::string RestartHint = N_("Press one of the buttons for different players.");
    // What the name windows' Ok writes: the log's hint and the two name labels.
    std::string StartHint = N_("To start the game click on the die!");
    std::string Position = N_("{name}s position:");
    std::string FredsPosition = N_("Freds position:");

    // A name label's text: "{name}s position:" for the name in its box.
    std::string PositionOf(const std::string& name) const { return FillTemplate(Position, {{"name", name}}); }

    // Every text, for a front end to hand each to its translation in turn.
    template <typename Translate>
    void TranslateEach(Translate translate) {
        for (std::string* text : {&Scored, &TooHigh, &Wins, &Ladder, &String, &RestartHint, &StartHint,
                                  &Position, &FredsPosition}) {
            *text = translate(*text);
        }
    }
};

}  // namespace brimblet
