#include "PictureBox.h"

#include <algorithm>

#include "BitmapFile.h"
#include "Dpi.h"
#include "ErrorReport.h"

void PictureBox::Register(HINSTANCE instance) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &PictureBox::Procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
    wc.lpszClassName = kPictureBoxClass;
    RegisterClassW(&wc);
}

PictureBox* PictureBox::FromWindow(HWND window) {
    return reinterpret_cast<PictureBox*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

PictureBox::PictureBox(HWND window, const PictureBoxSpec& design)
    : window_(window), centred_(design.centred), autoSize_(design.autoSize), dpi_(design.dpi),
      background_(design.background), design_(design.picture) {
    const SIZE size = PictureResourceSize(design.picture);
    width_ = size.cx;
    height_ = size.cy;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    surface_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<std::uint32_t*>(bits);
    SetDpi(dpi_);
}

void PictureBox::SetDpi(int dpi) {
    dpi_ = dpi;
    if (autoSize_) {
        SetWindowPos(window_, nullptr, 0, 0, Shown(width_), Shown(height_),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(window_, nullptr, FALSE);
}

int PictureBox::Shown(int bitmapPixels) const { return Scaled(bitmapPixels, dpi_); }

PictureBox::~PictureBox() {
    if (surface_ != nullptr) {
        DeleteObject(surface_);
    }
}

void PictureBox::Draw(const Bitmap* bitmap, int x, int y) {
    if (bitmap == nullptr || bitmap->Empty() || bits_ == nullptr) {
        return;
    }
    const RECT part = CopyIn(*bitmap, x, y);
    if (IsRectEmpty(&part)) {
        return;  // wholly outside the bitmap
    }
    // What changed, as shown: a pixel of the bitmap covers from Shown(x) to Shown(x + 1), give
    // or take the pixel that scaling rounds.
    const POINT origin = Origin();
    RECT changed{Shown(part.left), Shown(part.top), Shown(part.right), Shown(part.bottom)};
    OffsetRect(&changed, origin.x, origin.y);
    if (dpi_ != kDesignDpi) {
        InflateRect(&changed, 1, 1);
    }
    InvalidateRect(window_, &changed, FALSE);
}

RECT PictureBox::CopyIn(const Bitmap& bitmap, int x, int y) const {
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + bitmap.width, width_);
    const int bottom = std::min(y + bitmap.height, height_);
    if (left >= right || top >= bottom) {
        return {};
    }
    if (left > 0 || top > 0 || right < width_ || bottom < height_) {
        ShowDesign();  // some of it stays in sight around this drawing
    }
    designPending_ = false;
    GdiFlush();
    for (int row = top; row < bottom; ++row) {
        const std::uint32_t* from =
            &bitmap
                 .pixels[std::size_t(row - y) * std::size_t(bitmap.width) + std::size_t(left - x)];
        std::copy(from, from + (right - left),
                  bits_ + std::size_t(row) * std::size_t(width_) + std::size_t(left));
    }
    return {left, top, right, bottom};
}

void PictureBox::ShowDesign() const {
    if (designPending_ && bits_ != nullptr) {
        designPending_ = false;
        CopyIn(LoadPictureResource(design_), 0, 0);
    }
}

std::uint32_t PictureBox::SurfacePixel(int x, int y) const {
    ShowDesign();
    GdiFlush();
    return bits_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] & 0x00ffffffu;
}

POINT PictureBox::Origin() const {
    if (!centred_) {
        return {0, 0};
    }
    RECT client{};
    GetClientRect(window_, &client);
    return {(client.right - Shown(width_)) / 2, (client.bottom - Shown(height_)) / 2};
}

void PictureBox::Paint() {
    ShowDesign();
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    RECT client{};
    GetClientRect(window_, &client);
    POINT origin = Origin();
    const int shownWidth = Shown(width_);
    const int shownHeight = Shown(height_);
    // In a window read from the right the picture keeps its mirrored place in the box, from
    // the box's right edge, but is drawn as it is: never mirrored.
    if (GetLayout(dc) & LAYOUT_RTL) {
        SetLayout(dc, 0);
        origin.x = client.right - origin.x - shownWidth;
    }
    // Around the picture, the form shows through.
    HBRUSH form = CreateSolidBrush(background_);
    ExcludeClipRect(dc, origin.x, origin.y, origin.x + shownWidth, origin.y + shownHeight);
    FillRect(dc, &client, form);
    SelectClipRgn(dc, nullptr);
    DeleteObject(form);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, surface_);
    if (shownWidth == width_ && shownHeight == height_) {
        BitBlt(dc, origin.x, origin.y, width_, height_, memory, 0, 0, SRCCOPY);
    } else {
        // Each pixel of the bitmap becomes a block of whole pixels, never a blend.
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, origin.x, origin.y, shownWidth, shownHeight, memory, 0, 0, width_, height_,
                   SRCCOPY);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    EndPaint(window_, &ps);
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;  // Paint covers every pixel
    case WM_LBUTTONDOWN:
        pressed_ = true;
        SetCapture(window_);
        return 0;
    case WM_LBUTTONUP:
        if (pressed_) {
            pressed_ = false;
            ReleaseCapture();
            RECT client{};
            GetClientRect(window_, &client);
            const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (PtInRect(&client, at)) {
                const int id = GetDlgCtrlID(window_);
                SendMessageW(GetParent(window_), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                             reinterpret_cast<LPARAM>(window_));
            }
        }
        return 0;
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED:
        pressed_ = false;
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK PictureBox::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Guarded(
        [&]() -> LRESULT {
            if (message == WM_NCCREATE) {
                const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
                auto* box = new PictureBox(
                    window, *static_cast<const PictureBoxSpec*>(create->lpCreateParams));
                SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(box));
            }
            PictureBox* box = FromWindow(window);
            if (box == nullptr) {
                return DefWindowProcW(window, message, wParam, lParam);
            }
            if (message == WM_NCDESTROY) {
                SetWindowLongPtrW(window, GWLP_USERDATA, 0);
                delete box;
                return DefWindowProcW(window, message, wParam, lParam);
            }
            return box->HandleMessage(message, wParam, lParam);
        },
        LRESULT{0});
}
