#pragma once

#include <string>

#include "NameDialog.h"

// The two-player name dialog, "Two Player Game": its boxes hold both players' names.
class TForm3 final : public NameDialog {
public:
    explicit TForm3(TForm1& mainForm);

    // Read whenever a message names a player in a two-player game.
    std::string FirstName() const;
    std::string SecondName() const;

    // Ok: the name labels of the main window, a starting hint in the log, then closes.
    void Button1Click() override;
};
