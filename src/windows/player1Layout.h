#pragma once

#include <iterator>

#include "DesignFonts.h"
#include "Layout.h"
#include "NameDialog.h"

// The one-player name dialog's design. Pixels within the client area.
namespace form2 {

enum ControlId : int {
    Label4 = 201,
    Edit1 = 202,
    Button1 = name_dialog::Button1,
    Button2 = name_dialog::Button2
};

// clang-format off
constexpr ControlSpec kControls[] = {
//   id       name       kind                  left top width height text                        font          flags           tab picture max
    {Label4,  "Label4",  ControlKind::Label,     5,  8, 183,  21, N_("Please enter your name: "),   &kTextFont,   0,               -1, 0,      0},
    {Edit1,   "Edit1",   ControlKind::NameBox, 192,  8, 121,  29, N_("Player1"),                   &kTextFont,   0,                0, 0,     10},
    {Button1, "Button1", ControlKind::Button,   16, 32,  57,  17, N_("Ok"),                        &kButtonFont, kDefaultButton,   1, 0,      0},
    {Button2, "Button2", ControlKind::Button,   80, 32,  57,  17, N_("Cancel"),                    &kButtonFont, 0,                2, 0,      0},
};
// clang-format on

// The name box is named by its label.
constexpr AccessibleSpec kAccessible[] = {{Edit1, ROLE_SYSTEM_TEXT, nullptr, Label4, false}};

constexpr FormSpec kForm{L"TForm2",
                         N_("One Player Game"),
                         323,
                         57,
                         kNameDialogStyle,
                         kNameDialogExStyle,
                         kFormFont,
                         kControls,
                         std::size(kControls),
                         kAccessible,
                         std::size(kAccessible)};

}  // namespace form2
