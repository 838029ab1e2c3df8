// SPDX-License-Identifier: MIT

// The GDI painter on a bitmap in memory: the palette's colours where a
// primitive lies and nowhere else, one rounding rule for coordinates, texts
// placed by their anchors and cut at their clip.
#include "win32/gdi_painter.h"

#include <gtest/gtest.h>

#include "canvas.h"

#include <string>

namespace pali {
namespace {

constexpr int kSide = 60;

using fixtures::Canvas;

COLORREF ColourRefOf(draw::Colour colour)
{
    const draw::Rgb rgb = draw::RgbOf(colour);
    return RGB(rgb.red, rgb.green, rgb.blue);
}

// The smallest rectangle holding every pixel painted over the white.
RECT Painted(const Canvas& canvas)
{
    return canvas.where([&](int x, int y) { return canvas.colourAt(x, y) != RGB(0xFF, 0xFF, 0xFF); });
}

TEST(GdiPainter, FillsWithThePalettesColourFromTheRoundedCorners)
{
    Canvas canvas(kSide, kSide);
    {
        GdiPainter painter(canvas.dc());
        painter.fill({{10.5, 20.4, 30.49, 40.5}, draw::Colour::SoilOdd});
    }
    EXPECT_EQ(canvas.colourAt(11, 20), ColourRefOf(draw::Colour::SoilOdd));
    EXPECT_EQ(canvas.colourAt(29, 40), ColourRefOf(draw::Colour::SoilOdd));
    const RECT inked = Painted(canvas);
    EXPECT_EQ(inked.left, 11);
    EXPECT_EQ(inked.top, 20);
    EXPECT_EQ(inked.right, 30);
    EXPECT_EQ(inked.bottom, 41);
}

TEST(GdiPainter, DrawsALineInItsColourWithoutItsLastPoint)
{
    Canvas canvas(kSide, kSide);
    {
        GdiPainter painter(canvas.dc());
        painter.polyline({{{5.0, 10.0}, {25.0, 10.0}}, {draw::Colour::Pile, 1.0, draw::Dash::Solid}});
    }
    EXPECT_EQ(canvas.colourAt(15, 10), ColourRefOf(draw::Colour::Pile));
    const RECT inked = Painted(canvas);
    EXPECT_EQ(inked.left, 5);
    EXPECT_EQ(inked.right, 25);
    EXPECT_EQ(inked.bottom - inked.top, 1);
}

// Each anchor puts the text's line box on its side of the anchor point.
TEST(GdiPainter, PlacesATextByItsAnchor)
{
    struct Case {
        draw::Across across;
        draw::Down down;
        bool leftOfAnchor, rightOfAnchor, aboveAnchor, belowAnchor;
    };
    const draw::Point anchor{30.0, 30.0};
    for (const Case& placed : {
             Case{draw::Across::Left, draw::Down::Top, false, true, false, true},
             Case{draw::Across::Right, draw::Down::Bottom, true, false, true, false},
             Case{draw::Across::Centre, draw::Down::Middle, true, true, true, true},
         }) {
        Canvas canvas(kSide, kSide);
        {
            GdiPainter painter(canvas.dc());
            painter.text({anchor, "HH", placed.across, placed.down, 12.0, false, draw::Colour::Ink, std::nullopt});
        }
        const RECT inked = Painted(canvas);
        const std::string which =
            std::to_string(static_cast<int>(placed.across)) + "/" + std::to_string(static_cast<int>(placed.down));
        ASSERT_LT(inked.left, inked.right) << which;
        EXPECT_EQ(inked.left < 30, placed.leftOfAnchor) << which;
        EXPECT_EQ(inked.right > 30, placed.rightOfAnchor) << which;
        EXPECT_EQ(inked.top < 30, placed.aboveAnchor) << which;
        EXPECT_EQ(inked.bottom > 30, placed.belowAnchor) << which;
    }
}

TEST(GdiPainter, MeasuresWhatItDrawsAndCutsATextAtItsClip)
{
    Canvas canvas(kSide, kSide);
    {
        GdiPainter painter(canvas.dc());
        // A bold t is a fifth wider than a plain one in Arial.
        EXPECT_GT(painter.width("tttt", 12.0, true), painter.width("tttt", 12.0, false));
        EXPECT_GT(painter.lineHeight(24.0), painter.lineHeight(12.0));
        painter.text({{0.0, 0.0},
                      "HHHHHHHH",
                      draw::Across::Left,
                      draw::Down::Top,
                      12.0,
                      true,
                      draw::Colour::Ink,
                      draw::Rect{0.0, 0.0, 20.0, 60.0}});
    }
    const RECT inked = Painted(canvas);
    EXPECT_GT(inked.right, 10);
    EXPECT_LE(inked.right, 20);
}

}  // namespace
}  // namespace pali
