#pragma once

#include <string>

#include "NameDialog.h"

// The two-player name window, "Two Player Game": a name box for each player.
class TForm3 : public NameDialog {
public:
    TForm3(TForm1& mainForm, Events& events);

    std::string FirstName() const { return NameIn("Edit1"); }
    std::string SecondName() const { return NameIn("Edit2"); }

private:
    void Button1Click() override;
};
