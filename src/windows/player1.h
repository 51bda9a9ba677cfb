#pragma once

#include <string>

#include "NameDialog.h"

// The one-player name dialog, "One Player Game": its box holds player 1's name.
class TForm2 final : public NameDialog {
public:
    explicit TForm2(TForm1& mainForm);

    // Read whenever a message names player 1 in a one-player game.
    std::string PlayerName() const;

    // Ok: the name labels of the main window, a starting hint in the log, then closes.
    void Button1Click() override;
};
