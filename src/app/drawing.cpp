// SPDX-License-Identifier: MIT

#include "app/drawing.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace pali::draw {

int Pixel(double units)
{
    // GDI's coordinates are 27-bit on every Windows since NT, the least of the surfaces'.
    constexpr double kLargest = 1 << 26;
    if (std::isnan(units)) {
        return 0;
    }
    return static_cast<int>(std::floor(std::clamp(units, -kLargest, kLargest) + 0.5));
}

TextBox BoxOf(const Text& text, double width, double lineHeight)
{
    TextBox box{text.anchor.x, text.anchor.y};
    if (text.across == Across::Centre) {
        box.left -= width / 2.0;
    } else if (text.across == Across::Right) {
        box.left -= width;
    }
    if (text.down == Down::Middle) {
        box.top -= lineHeight / 2.0;
    } else if (text.down == Down::Bottom) {
        box.top -= lineHeight;
    }
    return box;
}

Primitive Placed(const Primitive& primitive, double scale, Point origin)
{
    const auto point = [&](Point p) { return Point{origin.x + p.x * scale, origin.y + p.y * scale}; };
    const auto rect = [&](const Rect& r) {
        return Rect{origin.x + r.left * scale, origin.y + r.top * scale, origin.x + r.right * scale,
                    origin.y + r.bottom * scale};
    };
    return std::visit(
        [&](auto shape) -> Primitive {
            using Shape = std::decay_t<decltype(shape)>;
            if constexpr (std::is_same_v<Shape, FilledRect>) {
                shape.rect = rect(shape.rect);
            } else if constexpr (std::is_same_v<Shape, StrokedRect>) {
                shape.rect = rect(shape.rect);
                shape.stroke.width *= scale;
            } else if constexpr (std::is_same_v<Shape, Polyline>) {
                std::ranges::transform(shape.points, shape.points.begin(), point);
                shape.stroke.width *= scale;
            } else {
                shape.anchor = point(shape.anchor);
                shape.size *= scale;
                if (shape.clip) {
                    shape.clip = rect(*shape.clip);
                }
            }
            return shape;
        },
        primitive);
}

Drawing Placed(const Drawing& drawing, double scale, Point origin)
{
    Drawing placed{drawing.width * scale, drawing.height * scale, {}};
    std::ranges::transform(drawing.primitives, std::back_inserter(placed.primitives),
                           [&](const Primitive& primitive) { return Placed(primitive, scale, origin); });
    return placed;
}

void Paint(const Drawing& drawing, Painter& painter)
{
    for (const Primitive& primitive : drawing.primitives) {
        std::visit(
            [&painter](const auto& shape) {
                using Shape = std::decay_t<decltype(shape)>;
                if constexpr (std::is_same_v<Shape, FilledRect>) {
                    painter.fill(shape);
                } else if constexpr (std::is_same_v<Shape, StrokedRect>) {
                    painter.stroke(shape);
                } else if constexpr (std::is_same_v<Shape, Polyline>) {
                    painter.polyline(shape);
                } else {
                    painter.text(shape);
                }
            },
            primitive);
    }
}

}  // namespace pali::draw
