// SPDX-License-Identifier: MIT

#include "qt/qt_painter.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include "qt/qt_text.h"

namespace pali {

namespace {

QColor QtColour(draw::Colour colour)
{
    const draw::Rgb rgb = draw::RgbOf(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// Whole pixels, rounded as every surface of the program rounds them.
QRect PixelRect(const draw::Rect& rect)
{
    return QRect(QPoint(draw::Pixel(rect.left), draw::Pixel(rect.top)),
                 QPoint(draw::Pixel(rect.right) - 1, draw::Pixel(rect.bottom) - 1));
}

QPen PenOf(const draw::Stroke& stroke)
{
    QPen pen(QtColour(stroke.colour));
    pen.setWidth(std::max(1, draw::Pixel(stroke.width)));
    switch (stroke.dash) {
    case draw::Dash::Solid: pen.setStyle(Qt::SolidLine); break;
    case draw::Dash::Dashed: pen.setStyle(Qt::DashLine); break;
    case draw::Dash::Dotted: pen.setStyle(Qt::DotLine); break;
    }
    return pen;
}

}  // namespace

double EmPixels(const QFont& font)
{
    return QFontInfo(font).pixelSize();
}

QtPainter::QtPainter(QPainter& painter, QFont face) : painter_(painter), face_(std::move(face))
{}

QFont QtPainter::fontOf(double size, bool bold, bool evenWidths) const
{
    QFont font = face_;
    if (evenWidths) {
        font.setFamily(QStringLiteral("Liberation Mono"));
        font.setStyleHint(QFont::Monospace);
    }
    font.setPixelSize(std::max(1, draw::Pixel(size)));
    font.setBold(bold);
    return font;
}

void QtPainter::fill(const draw::FilledRect& rect)
{
    painter_.fillRect(PixelRect(rect.rect), QtColour(rect.fill));
}

void QtPainter::stroke(const draw::StrokedRect& rect)
{
    painter_.setPen(PenOf(rect.stroke));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(PixelRect(rect.rect));
}

void QtPainter::polyline(const draw::Polyline& line)
{
    QPolygon points;
    for (const draw::Point& point : line.points) {
        points << QPoint(draw::Pixel(point.x), draw::Pixel(point.y));
    }
    painter_.setPen(PenOf(line.stroke));
    painter_.drawPolyline(points);
}

void QtPainter::text(const draw::Text& text)
{
    const QFont font = fontOf(text.size, text.bold, text.evenWidths);
    const QFontMetrics metrics(font);
    const QString shown = Text(text.text);
    const int textWidth = metrics.horizontalAdvance(shown);
    const draw::TextBox box = draw::BoxOf(text, textWidth, metrics.height());
    painter_.save();
    if (text.clip) {
        painter_.setClipRect(PixelRect(*text.clip));
    }
    painter_.setFont(font);
    painter_.setPen(QtColour(text.colour));
    painter_.drawText(draw::Pixel(box.left), draw::Pixel(box.top) + metrics.ascent(), shown);
    painter_.restore();
}

double QtPainter::width(std::string_view text, double size, bool bold) const
{
    return QFontMetrics(fontOf(size, bold)).horizontalAdvance(Text(text));
}

double QtPainter::lineHeight(double size) const
{
    return QFontMetrics(fontOf(size, false)).height();
}

}  // namespace pali
