#pragma once

#include <string>

#include "NameDialog.h"

// The one-player name window, "One Player Game": one name box, for the player against Fred.
class TForm2 : public NameDialog {
public:
    TForm2(TForm1& mainForm, Events& events);

    std::string PlayerName() const { return NameIn("Edit1"); }

private:
    void Button1Click() override;
};
