// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <algorithm>

namespace pali::fixtures {

// A bitmap to draw texts on, or copy the window into, and read back.
class Canvas {
public:
    Canvas(int width, int height, HBRUSH background = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)))
        : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr))
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        pixels_ = static_cast<const DWORD*>(bits);
        previous_ = SelectObject(dc_, bitmap_);
        RECT all{0, 0, width, height};
        FillRect(dc_, &all, background);
        SetBkMode(dc_, TRANSPARENT);
    }
    ~Canvas()
    {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Whether the pixel is darker than mid-grey: part of a stroke, not the
    // faint edge that anti-aliasing adds around it.
    bool dark(int x, int y) const
    {
        const DWORD pixel = pixels_[y * width_ + x];
        return GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 3 * 128;
    }

    // The pixel's colour, as GDI gives colours.
    COLORREF colourAt(int x, int y) const
    {
        GdiFlush();
        const DWORD pixel = pixels_[y * width_ + x];
        return RGB(GetBValue(pixel), GetGValue(pixel), GetRValue(pixel));
    }

    // The smallest rectangle holding every pixel of that kind.
    template <class Kind>
    RECT where(Kind kind) const
    {
        GdiFlush();
        RECT found{width_, height_, -1, -1};
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                if (kind(x, y)) {
                    found = {std::min<LONG>(found.left, x), std::min<LONG>(found.top, y),
                             std::max<LONG>(found.right, x + 1), std::max<LONG>(found.bottom, y + 1)};
                }
            }
        }
        return found;
    }

    // The smallest rectangle holding every dark pixel.
    RECT ink() const
    {
        return where([this](int x, int y) { return dark(x, y); });
    }

private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    const DWORD* pixels_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace pali::fixtures
