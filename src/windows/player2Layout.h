#pragma once

#include <iterator>

#include "DesignFonts.h"
#include "Layout.h"
#include "NameDialog.h"

// The two-player name dialog's design. Pixels within the client area.
namespace form3 {

enum ControlId : int {
    Label4 = 201,
    Label1,
    Edit1,
    Edit2,
    Button1 = name_dialog::Button1,
    Button2 = name_dialog::Button2,
};

// clang-format off
constexpr ControlSpec kControls[] = {
//   id       name       kind                  left top width height text                             font          flags           tab picture max
    {Label4,  "Label4",  ControlKind::Label,     5,  8, 211,  21, N_("Please enter player1's name: "),  &kTextFont,   kWordWrap,       -1, 0,      0},
    {Label1,  "Label1",  ControlKind::Label,     5, 40, 211,  21, N_("Please enter player2's name: "),  &kTextFont,   kWordWrap,       -1, 0,      0},
    {Edit1,   "Edit1",   ControlKind::NameBox, 224,  8, 121,  29, N_("Player1"),                        &kTextFont,   0,                0, 0,     10},
    {Edit2,   "Edit2",   ControlKind::NameBox, 224, 40, 121,  29, N_("Player2"),                        &kTextFont,   0,                3, 0,     10},
    {Button1, "Button1", ControlKind::Button,   16, 80,  57,  17, N_("Ok"),                             &kButtonFont, kDefaultButton,   1, 0,      0},
    {Button2, "Button2", ControlKind::Button,   80, 80,  57,  17, N_("Cancel"),                         &kButtonFont, 0,                2, 0,      0},
};
// clang-format on

// Each name box is named by its label.
constexpr AccessibleSpec kAccessible[] = {{Edit1, ROLE_SYSTEM_TEXT, nullptr, Label4, false},
                                          {Edit2, ROLE_SYSTEM_TEXT, nullptr, Label1, false}};

constexpr FormSpec kForm{L"TForm3",
                         N_("Two Player Game"),
                         352,
                         103,
                         kNameDialogStyle,
                         kNameDialogExStyle,
                         kFormFont,
                         kControls,
                         std::size(kControls),
                         kAccessible,
                         std::size(kAccessible)};

}  // namespace form3
