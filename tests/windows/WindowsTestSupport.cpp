#include "WindowsTestSupport.h"

#include <usp10.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <vector>
#include <sstream>

#include <fstream>
#include <iterator>

#include "BitmapFile.h"
#include "Dpi.h"
#include "ErrorReport.h"
#include "MainLayout.h"
#include "MessageLoop.h"
#include "PictureFiles.h"
#include "Text.h"

namespace wintest {

PictureFolder::PictureFolder() {
    char buffer[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, buffer);
    previous_ = buffer;
    GetTempPathA(MAX_PATH, buffer);
    static int serial = 0;
    dir_ = std::string(buffer) + "brimblet-test-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(++serial);
    CreateDirectoryA(dir_.c_str(), nullptr);
    for (const char* name : brimblet::kPictureFiles) {
        CopyFileA((std::string(BRIMBLET_ASSETS_DIR "/") + name).c_str(), Path(name).c_str(), FALSE);
    }
    SetCurrentDirectoryA(dir_.c_str());
}

PictureFolder::~PictureFolder() {
    SetCurrentDirectoryA(previous_.c_str());
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(Path("*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            DeleteFileA(Path(found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(dir_.c_str());
}

void PictureFolder::Remove(const std::string& name) const { DeleteFileA(Path(name).c_str()); }

void PictureFolder::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary | std::ios::trunc) << bytes;
}

std::string PictureFolder::Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

CapturedReports::CapturedReports() {
    SetReportSink([this](const std::string& text) { texts.push_back(text); });
}
CapturedReports::~CapturedReports() { SetReportSink({}); }

namespace {

// A text's width as Uniscribe sets it, shaped: Wine's GetTextExtentPoint32 measures each Arabic
// letter in its wider standalone form, not joined to its neighbours as the controls draw it.
int ShapedWidth(HDC dc, const std::wstring& text) {
    SCRIPT_STRING_ANALYSIS analysis = nullptr;
    const int length = static_cast<int>(text.size());
    if (FAILED(ScriptStringAnalyse(dc, text.c_str(), length, length * 3 / 2 + 16, -1, SSA_GLYPHS, 0, nullptr,
                                   nullptr, nullptr, nullptr, nullptr, &analysis))) {
        return 1 << 20;
    }
    const int width = ScriptString_pSize(analysis)->cx;
    ScriptStringFree(&analysis);
    return width;
}
Application& WithForms(Application& app, const brimblet::UtcClock& clock) {
    app.CreateForms(clock);
    return app;
}
}  // namespace

StartedGame::StartedGame()
    : app(GetModuleHandleW(nullptr)), form(*WithForms(app, clock).Form1()), form2(*app.Form2()),
      form3(*app.Form3()) {
    form.Show();
    DispatchPendingMessages();
}

std::string StartedGame::Text(int id) const { return WindowText(form.Control(id)); }

RECT StartedGame::Bounds(int id) const {
    RECT r{};
    GetWindowRect(form.Control(id), &r);
    MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void StartedGame::Press(int button) const {
    SendMessageW(form.Control(button), BM_CLICK, 0, 0);
    DispatchPendingMessages();
}

void StartedGame::ClickAt(int id, int x, int y) const { ClickAt(form.Control(id), x, y); }

void StartedGame::ClickAt(HWND control, int x, int y) const {
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    DispatchPendingMessages();
}

void StartedGame::ClickDie() const { ClickAt(form1::Image2, 14, 14); }

PictureBox& StartedGame::Board() const { return form.Picture(form1::Image1); }
PictureBox& StartedGame::Die() const { return form.Picture(form1::Image2); }

void ExpectLayout(HWND window, const FormSpec& form, int dpi) {
    SCOPED_TRACE(form.caption);
    EXPECT_EQ(WindowText(window), form.caption);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, Scaled(form.clientWidth, dpi));
    EXPECT_EQ(client.bottom, Scaled(form.clientHeight, dpi));
    for (std::size_t i = 0; i < form.controlCount; ++i) {
        const ControlSpec& c = form.controls[i];
        SCOPED_TRACE(c.name);
        HWND control = GetDlgItem(window, c.id);
        ASSERT_NE(control, nullptr);
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, Scaled(c.left, dpi));
        EXPECT_EQ(r.top, Scaled(c.top, dpi));
        EXPECT_EQ(r.bottom - r.top, Scaled(c.height, dpi));
        if (!(c.kind == ControlKind::Label && (c.flags & kAutoSize))) {
            EXPECT_EQ(r.right - r.left, Scaled(c.width, dpi));
        }
        EXPECT_LE(r.right, client.right);  // nothing clipped by the window's edge
        EXPECT_LE(r.bottom, client.bottom);
        if (c.kind == ControlKind::Picture || c.kind == ControlKind::Bevel) {
            continue;
        }
        if (c.kind != ControlKind::Memo) {
            EXPECT_EQ(WindowText(control), c.text);
        }
        const FontSpec& designed = c.font != nullptr ? *c.font : form.font;
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        EXPECT_EQ(font.lfHeight, -Scaled(designed.height, dpi));
        EXPECT_EQ(font.lfWeight, designed.bold ? FW_BOLD : FW_NORMAL);
        EXPECT_EQ(Narrow(font.lfFaceName), Narrow(designed.face));
    }
}

void ExpectTextsFit(HWND window, const FormSpec& form) {
    SCOPED_TRACE(form.caption);
    const auto placed = [window](HWND control) {  // in the window's client area
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    for (const brimblet::Catalogue& texts : brimblet::Catalogue::All()) {
        SCOPED_TRACE(std::string(texts.Code()));
        FontCache faces;
        faces.UseLanguage(texts);
        for (std::size_t i = 0; i < form.controlCount; ++i) {
            const ControlSpec& c = form.controls[i];
            if (c.kind == ControlKind::Bevel || c.kind == ControlKind::Picture || *c.text == '\0') {
                continue;
            }
            SCOPED_TRACE(c.name);
            HWND control = GetDlgItem(window, c.id);
            // The design's text, each line of the log's first text, the name labels as Ok writes them.
            std::vector<std::string> shown;
            std::istringstream lines(texts.Text(c.text));
            for (std::string line; std::getline(lines, line);) {
                shown.push_back(line);
            }
            if (c.name == std::string("Label2") || c.name == std::string("Label3")) {
                shown.push_back(texts.Game().PositionOf(texts.Text("Player1")));
                shown.push_back(texts.Game().FredsPosition);
            }
            RECT inside{};
            GetClientRect(control, &inside);
            const int height = inside.bottom;
            if (c.kind == ControlKind::Memo || c.kind == ControlKind::NameBox) {
                SendMessageW(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&inside));
            }
            // A label that sizes itself has the room up to the next control to its right, or to
            // the window's edge; a button draws a raised edge of two pixels around its text.
            const RECT own = placed(control);
            int room = inside.right - inside.left - (c.kind == ControlKind::Button ? 4 : 0);
            if ((c.flags & kAutoSize) != 0) {
                GetClientRect(window, &inside);
                room = inside.right - own.left;
                for (std::size_t j = 0; j < form.controlCount; ++j) {
                    const RECT other = placed(GetDlgItem(window, form.controls[j].id));
                    if (other.left > own.left && other.top < own.bottom && other.bottom > own.top) {
                        room = std::min(room, static_cast<int>(other.left - own.left));
                    }
                }
            }
            // The control's font in the language's face, as the program makes it in that
            // language; a face other than the design's keeps a tenth of the room spare. A number
            // or a name (a text with no translation) sizes its label to itself there.
            LOGFONTW font{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
            const FontSpec design{font.lfFaceName, 0, false};
            wcsncpy(font.lfFaceName, faces.FaceOf(design), LF_FACESIZE - 1);
            if (!texts.InDesignFace() && std::strcmp(texts.Text(c.text), c.text) == 0) {
                continue;
            }
            room = texts.InDesignFace() ? room : room * 9 / 10;
            HFONT drawn = CreateFontIndirectW(&font);
            HDC dc = GetDC(control);
            HGDIOBJ previous = SelectObject(dc, drawn);
            TEXTMETRICW metrics{};
            GetTextMetricsW(dc, &metrics);
            for (const std::string& line : shown) {
                const std::wstring text = Widen(line);
                SIZE extent{};
                GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
                EXPECT_LE(texts.RightToLeft() ? ShapedWidth(dc, text) : extent.cx, room) << line;
                // The design's heights are character heights: the blank leading above them may
                // touch the edge, the letters may not.
                EXPECT_LE(extent.cy - metrics.tmInternalLeading, height) << line;
                // Every letter is the face's own, none left to another face or to a box; the
                // bidirectional isolates are drawn as nothing.
                std::vector<WORD> glyphs(text.size());
                GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
                for (std::size_t i = 0; i < text.size(); ++i) {
                    EXPECT_TRUE(glyphs[i] != 0xFFFF || (text[i] >= 0x2066 && text[i] <= 0x2069))
                        << Narrow(font.lfFaceName) << ": " << line;
                }
            }
            SelectObject(dc, previous);
            ReleaseDC(control, dc);
            DeleteObject(drawn);
        }
    }
}

Bitmap Picture(const char* fileName) {
    return LoadBitmapFile((std::string(BRIMBLET_ASSETS_DIR "/") + fileName).c_str());
}

::testing::AssertionResult Shows(const PictureBox& box, const Bitmap& picture, int x, int y) {
    for (int row = 0; row < picture.height; ++row) {
        for (int column = 0; column < picture.width; ++column) {
            if (box.SurfacePixel(x + column, y + row) != picture.Pixel(column, row)) {
                return ::testing::AssertionFailure()
                       << "pixel (" << x + column << ", " << y + row << ") differs";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace wintest
