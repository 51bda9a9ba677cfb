#pragma once

#include <windows.h>

#include <cstddef>
#include <map>
#include <string>

#include "AccessibleControl.h"
#include "MessageTemplate.h"

// The tables mark their texts for the translators; CreateControls looks each up.
using brimblet::N_;

// A window's fixed layout, kept as data: one table of controls per window (MainLayout.h and
// the dialogs' own), with the design's pixel values as they stand, read by CreateControls.

constexpr COLORREF kFormColour = RGB(255, 0, 0);  // every window of the game is red
constexpr COLORREF kTextColour = RGB(0, 0, 0);
constexpr COLORREF kBevelLight = RGB(255, 255, 255);  // a raised bevel's top and left
constexpr COLORREF kBevelShadow = RGB(160, 160, 160);  // and its bottom and right

struct FontSpec {
    const wchar_t* face;
    int height;  // character height in pixels
    bool bold;

    bool operator<(const FontSpec& other) const;
};

enum class ControlKind {
    Bevel,    // a raised box
    Picture,  // a picture box holding a bitmap (PictureBox)
    Label,
    Memo,  // read-only, multi-line, word-wrapped, no scroll bars
    Button,
    NameBox,  // a single-line edit box
};

enum ControlFlag : unsigned {
    kAutoSize = 1u << 0,       // labels: as wide as their text; pictures: as large as theirs
    kCentred = 1u << 1,        // labels: text centred; pictures: picture centred in the box
    kClickable = 1u << 2,      // labels: a click is sent to the window as a command
    kDefaultButton = 1u << 3,  // Enter presses it
    kWordWrap = 1u << 4,       // labels: long text wraps
};

struct ControlSpec {
    int id;
    const char* name;
    ControlKind kind;
    int left, top, width, height;
    const char* text;
    const FontSpec* font;  // nullptr: the window's own font
    unsigned flags;
    int tabOrder;   // -1: not a tab stop
    int picture;    // the built-in picture's resource id, or 0
    int maxLength;  // name boxes: the most characters they take as the player sees them, or 0
};

struct FormSpec {
    const wchar_t* windowClass;
    const char* caption;
    int clientWidth, clientHeight;
    DWORD style;
    DWORD exStyle;
    FontSpec font;
    const ControlSpec* controls;
    std::size_t controlCount;
    // What screen readers are told of the controls whose windows cannot say it themselves.
    const AccessibleSpec* accessible = nullptr;
    std::size_t accessibleCount = 0;
};

// The fonts of a window, made once each for each DPI it is shown at and released with it.
class FontCache {
public:
    FontCache() = default;
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;
    ~FontCache();
    // Where the design's face lacks a letter of the language, its texts are drawn wholly in the
    // language's own face (one Windows ships for its script) instead.
    void UseLanguage(const brimblet::Catalogue& texts);
    const wchar_t* FaceOf(const FontSpec& design) const;
    HFONT Get(const FontSpec& design, int dpi);

private:
    std::wstring designFace_;          // the face the language's stands in for
    std::wstring languageFace_;        // empty: the design's faces
    std::map<FontSpec, HFONT> fonts_;  // by their height at their DPI
};

// A window's extended style in a language: read from the right, it is the mirror image of its
// design (WS_EX_LAYOUTRTL), each control's left edge where the design has its right, counted
// from the window's right edge, and its caption's buttons on the left. Windows mirrors what the
// controls draw as well; the picture boxes draw theirs unmirrored.
DWORD FormExStyle(const FormSpec& form, const brimblet::Catalogue& texts);

// The outer size of a window whose client area is the form's, at a DPI.
SIZE OuterSize(const FormSpec& form, int dpi = 96);

// Creates the form's controls in table order, each with its id, text, font and style, every
// length of the design scaled to the DPI; stacks them in creation order where they overlap
// and sets the tab order (which Windows takes from the stacking order: the tab stops go
// first, in their order).
void CreateControls(HWND parent, const FormSpec& form, const brimblet::Catalogue& texts, FontCache& fonts,
                    int dpi);

// For WM_CREATE: the DPI of the display the window opened on, the window's outer size made
// the form's at that DPI if it was made for another.
int FitToDisplay(HWND window, const FormSpec& form);

// Lays the controls out again for another DPI: places, sizes and fonts, with the labels that
// size themselves measured again at their new font.
void LayOutControls(HWND parent, const FormSpec& form, FontCache& fonts, int dpi);

// WM_DPICHANGED: the window's controls laid out for the new DPI (kept in `dpi`), then the
// window put at the rectangle Windows suggests.
void ChangeDpi(HWND window, const FormSpec& form, FontCache& fonts, int& dpi, WPARAM wParam,
               LPARAM lParam);

// The width of a text in a font, as the screen sets it.
int TextWidth(HFONT font, const std::wstring& text);
// Gives a label a text and makes it as wide as the text, keeping its height and position.
void SetFittedText(HWND label, const std::string& text);

// The top-left corner that centres a window on the screen (negative raised to 0).
POINT CentredOnScreen(HWND window);
