// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>

#include "app/drawing.h"

class QPainter;

namespace pali {

// Paints a drawing with QPainter in the given font's face, each text at the
// size its primitive asks for, and measures texts in that face.
class QtPainter : public draw::Painter, public draw::TextMeasure {
public:
    QtPainter(QPainter& painter, QFont face);

    void fill(const draw::FilledRect& rect) override;
    void stroke(const draw::StrokedRect& rect) override;
    void polyline(const draw::Polyline& line) override;
    void text(const draw::Text& text) override;

    double width(std::string_view text, double size, bool bold) const override;
    double lineHeight(double size) const override;

private:
    QFont fontOf(double size, bool bold, bool evenWidths = false) const;

    QPainter& painter_;
    QFont face_;
};

// The em of a widget's font in pixels, the size its texts are drawn at.
double EmPixels(const QFont& font);

}  // namespace pali
