#pragma once

#include <iterator>

#include "DesignFonts.h"
#include "Keys.h"
#include "Layout.h"
#include "resource.h"

// The main window's design: its controls in creation order, which is also the order in which
// overlapping controls stack (later ones on top). Pixels at 96 dots per inch, relative to the
// client area.
namespace form1 {

enum ControlId : int {
    Bevel1 = 101,
    Image1,
    Label1,
    Label2,
    Label3,
    Label4,
    Image2,
    position1,
    position2,
    Image3,
    Image4,
    Memo1,
    Player1,
    Player2,
    Restart,
};

constexpr const char* kWelcome = N_("Welcome to \nBrimblet.\nPlease choose the number \nof players:");

// clang-format off
constexpr ControlSpec kControls[] = {
//   id         name         kind                  left top  width height text                    font           flags                 tab picture               max
    {Bevel1,    "Bevel1",    ControlKind::Bevel,     8,  40, 268, 269, "",                      nullptr,       0,                     -1, 0,                    0},
    {Image1,    "Image1",    ControlKind::Picture,  16,  48, 251, 252, "",                      nullptr,       kCentred,              -1, IDR_BOARD_PICTURE,    0},
    {Label1,    "Label1",    ControlKind::Label,     8,   8, 161,  27, "Brimblet",              &kTitleFont,   kCentred | kAutoSize,  -1, 0,                    0},
    {Label2,    "Label2",    ControlKind::Label,   304, 200, 185,  21, N_("Player1's Position: "),  &kTextFont,    0,                     -1, 0,                    0},
    {Label3,    "Label3",    ControlKind::Label,   304, 232, 185,  21, N_("Player2's Position: "),  &kTextFont,    0,                     -1, 0,                    0},
    {Label4,    "Label4",    ControlKind::Label,   328, 272,  65,  19, N_("Throw Die"),             &kCaptionFont, kAutoSize | kClickable, -1, 0,                    0},
    {Image2,    "Image2",    ControlKind::Picture, 400, 272,  29,  29, "",                      nullptr,       kAutoSize,             -1, IDR_DIE_PICTURE,      0},
    {position1, "position1", ControlKind::Label,   488, 200,   9,  21, "1",                     &kTextFont,    kAutoSize,             -1, 0,                    0},
    {position2, "position2", ControlKind::Label,   488, 232,   9,  21, "1",                     &kTextFont,    kAutoSize,             -1, 0,                    0},
    {Image3,    "Image3",    ControlKind::Picture, 286, 200,  17,  17, "",                      nullptr,       0,                     -1, IDR_COUNTER1_PICTURE, 0},
    {Image4,    "Image4",    ControlKind::Picture, 286, 232,  17,  17, "",                      nullptr,       0,                     -1, IDR_COUNTER2_PICTURE, 0},
    {Memo1,     "Memo1",     ControlKind::Memo,    288,   8, 217, 145, kWelcome,                &kTextFont,    0,                      0, 0,                    0},
    {Player1,   "Player1",   ControlKind::Button,  304, 160,  57,  17, N_("1 Player"),              &kButtonFont,  0,                      1, 0,                    0},
    {Player2,   "Player2",   ControlKind::Button,  368, 160,  65,  17, N_("2 Players"),             &kButtonFont,  0,                      2, 0,                    0},
    {Restart,   "Restart",   ControlKind::Button,  440, 160,  49,  17, N_("Restart"),               &kButtonFont,  0,                      3, 0,                    0},
};
// clang-format on

// For screen readers: the die and its caption are one "Throw Die" button each, pressed as a
// click, with the key T as their shortcut; the board and the counter icons are pictures named for
// what they show.
constexpr AccessibleSpec kAccessible[] = {
    {Image1, ROLE_SYSTEM_GRAPHIC, N_("Board"), 0, false},
    {Label4, ROLE_SYSTEM_PUSHBUTTON, N_("Throw Die"), 0, true, brimblet::kThrowDieKeyName},
    {Image2, ROLE_SYSTEM_PUSHBUTTON, N_("Throw Die"), 0, true, brimblet::kThrowDieKeyName},
    {Image3, ROLE_SYSTEM_GRAPHIC, N_("Player 1's counter, green"), 0, false},
    {Image4, ROLE_SYSTEM_GRAPHIC, N_("Player 2's counter, magenta"), 0, false},
};

constexpr FormSpec kForm{L"TForm1",
                         "Brimblet",
                         514,
                         316,
                         WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                         0,
                         kFormFont,
                         kControls,
                         std::size(kControls),
                         kAccessible,
                         std::size(kAccessible)};

}  // namespace form1
