// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pali::draw {

// A picture as data: what the application draws, in a size the surface
// gives, as a list of primitives that every surface (a window, a printed
// page, a document) paints with one small painter of its own. Coordinates
// are in the surface's units (pixels on a screen, points on a page), x to
// the right and y downwards from the top left corner.

// What a colour is for; the palette below gives each its colour once.
enum class Colour : std::uint8_t {
    Ink,
    Background,
    SoilOdd,
    SoilEven,
    Pile,
    CombinationR1,
    CombinationR2,
    CombinationR3,
    Shortest,
};

struct Rgb {
    std::uint8_t red, green, blue;
    constexpr bool operator==(const Rgb&) const = default;
};

constexpr Rgb RgbOf(Colour colour)
{
    switch (colour) {
    case Colour::Ink: return {0x00, 0x00, 0x00};
    case Colour::Background: return {0xFF, 0xFF, 0xFF};
    case Colour::SoilOdd: return {0xD8, 0xC8, 0xA0};
    case Colour::SoilEven: return {0xEE, 0xE0, 0xC0};
    case Colour::Pile: return {0x80, 0x80, 0x80};
    case Colour::CombinationR1: return {0x1F, 0x4E, 0x9C};
    case Colour::CombinationR2: return {0x2E, 0x7D, 0x32};
    case Colour::CombinationR3: return {0xC6, 0x28, 0x28};
    case Colour::Shortest: return {0x6A, 0x1B, 0x9A};
    }
    return {0x00, 0x00, 0x00};
}

struct Point {
    double x = 0.0;
    double y = 0.0;
    constexpr bool operator==(const Point&) const = default;
};

// Left and top included, right and bottom excluded.
struct Rect {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
    constexpr bool operator==(const Rect&) const = default;
};

enum class Dash : std::uint8_t { Solid, Dashed, Dotted };

struct Stroke {
    Colour colour = Colour::Ink;
    double width = 1.0;
    Dash dash = Dash::Solid;
    constexpr bool operator==(const Stroke&) const = default;
};

struct FilledRect {
    Rect rect;
    Colour fill = Colour::Ink;
    constexpr bool operator==(const FilledRect&) const = default;
};

struct StrokedRect {
    Rect rect;
    Stroke stroke;
    constexpr bool operator==(const StrokedRect&) const = default;
};

// A line is a polyline of two points.
struct Polyline {
    std::vector<Point> points;
    Stroke stroke;
    bool operator==(const Polyline&) const = default;
};

enum class Across : std::uint8_t { Left, Centre, Right };
enum class Down : std::uint8_t { Top, Middle, Bottom };

// A line of text placed by its anchor: Left/Top puts the text's top left
// corner at the anchor, Right/Bottom its bottom right, Middle centres its
// line height there. The size is the font's em in the surface's units; a
// text outside its clip, when it has one, is cut there.
struct Text {
    Point anchor;
    std::string text;
    Across across = Across::Left;
    Down down = Down::Top;
    double size = 12.0;
    bool bold = false;
    Colour colour = Colour::Ink;
    std::optional<Rect> clip;
    bool evenWidths = false;  // a face whose characters are all as wide, for a printout's columns
    bool operator==(const Text&) const = default;
};

using Primitive = std::variant<FilledRect, StrokedRect, Polyline, Text>;

struct Drawing {
    double width = 0.0;
    double height = 0.0;
    std::vector<Primitive> primitives;
};

// What only the surface knows: how wide a text is, and how tall a line, in
// its font of that size.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual double width(std::string_view text, double size, bool bold) const = 0;
    virtual double lineHeight(double size) const = 0;
};

// A surface's measure for a drawing made at another scale: a page laid out in
// points and painted on a printer's dots.
class ScaledMeasure : public TextMeasure {
public:
    ScaledMeasure(const TextMeasure& surface, double scale) : surface_(surface), scale_(scale) {}
    double width(std::string_view text, double size, bool bold) const override
    {
        return surface_.width(text, size * scale_, bold) / scale_;
    }
    double lineHeight(double size) const override { return surface_.lineHeight(size * scale_) / scale_; }

private:
    const TextMeasure& surface_;
    double scale_;
};

// The surface that paints a drawing: one per toolkit or file format.
class Painter {
public:
    virtual ~Painter() = default;
    virtual void fill(const FilledRect& rect) = 0;
    virtual void stroke(const StrokedRect& rect) = 0;
    virtual void polyline(const Polyline& line) = 0;
    virtual void text(const Text& text) = 0;
};

// The pixel a coordinate falls in, floor(x + 0.5): one rounding rule for
// every surface that paints to pixels, never beyond what any of them holds.
int Pixel(double units);

// Where a text of that measured width and line height lies by its anchor.
struct TextBox {
    double left = 0.0;
    double top = 0.0;
};
TextBox BoxOf(const Text& text, double width, double lineHeight);

// A primitive scaled about the drawing's origin, then moved to stand at
// `origin`: a figure put on a page, or a page put on a printer's dots. Line
// widths and text sizes scale with it.
Primitive Placed(const Primitive& primitive, double scale, Point origin);
// A whole drawing placed so: a page in points put on a printer's dots.
Drawing Placed(const Drawing& drawing, double scale, Point origin);

// Hands every primitive of the drawing to the painter, in order.
void Paint(const Drawing& drawing, Painter& painter);

}  // namespace pali::draw
