// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <string_view>
#include <utility>
#include <vector>

#include "app/drawing.h"

namespace pali {

// A drawing painted and its texts measured on a GDI device context, in its
// pixels, texts in the program's face with their em as the font's height, a
// printout's lines in a face of even widths.
// The context is left as it was found.
class GdiPainter final : public draw::Painter, public draw::TextMeasure {
public:
    explicit GdiPainter(HDC dc);
    ~GdiPainter() override;
    GdiPainter(const GdiPainter&) = delete;
    GdiPainter& operator=(const GdiPainter&) = delete;

    void fill(const draw::FilledRect& rect) override;
    void stroke(const draw::StrokedRect& rect) override;
    void polyline(const draw::Polyline& line) override;
    void text(const draw::Text& text) override;

    double width(std::string_view text, double size, bool bold) const override;
    double lineHeight(double size) const override;

private:
    struct Font {
        int height;
        bool bold;
        bool evenWidths;
        HFONT font;
    };
    // Selects the font of that em, weight and face into the context, made once.
    void select(double size, bool bold, bool evenWidths = false) const;
    // How wide the text is, and how tall a line, in the font selected.
    double selectedWidth(std::string_view text) const;
    double selectedLineHeight() const;

    HDC dc_;
    int savedState_;
    mutable std::vector<Font> fonts_;
};

}  // namespace pali
