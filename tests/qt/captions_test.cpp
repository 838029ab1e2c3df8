// SPDX-License-Identifier: MIT

// Every caption of the window drawn whole inside its control, no control's
// text on another's, and the read-outs wide enough for their longest values,
// at the scale of the screen this run is given (ctest runs it at several).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <QFontInfo>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include "qt/caption_widgets.h"
#include "window_fixture.h"

namespace pali {
namespace {

class Captions : public fixtures::WindowTest {
protected:
    std::string where(const ControlDesign& design) const
    {
        return std::string(design.name) + " at scale " + std::to_string(window.devicePixelRatioF());
    }
};

std::vector<const ControlDesign*> CaptionedControls()
{
    std::vector<const ControlDesign*> controls;
    for (const ControlDesign& design : kForm1Controls) {
        if (design.kind != ControlKind::TextBox) {
            controls.push_back(&design);
        }
    }
    return controls;
}

CaptionLayout LayoutOf(const QWidget* control)
{
    if (const auto* label = qobject_cast<const CaptionLabel*>(control)) {
        return label->captionLayout();
    }
    if (const auto* button = qobject_cast<const CaptionButton*>(control)) {
        return button->captionLayout();
    }
    return qobject_cast<const CaptionOption*>(control)->captionLayout();
}

// The heading of the layer area is one line high: it shows the first line
// of its caption, and what wraps below is cut off.
QString CaptionMeantToShow(const ControlDesign& design, const CaptionLayout& layout)
{
    return design.name == "Label18" ? QStringLiteral("DATI  STRATIGRAFICI") : layout.text;
}

// The pixels a text inks when drawn as the control draws it but without the
// clipping to its rectangle, in device pixels from the rectangle's top-left
// corner: those darker than mid-grey, part of a stroke and not the faint
// edge that anti-aliasing adds around it.
QRect InkOf(const QString& text, const CaptionLayout& layout, const QFont& font, qreal scale)
{
    const int margin = 4 * std::max(layout.rect.width(), layout.rect.height());
    QImage image(QSize(layout.rect.width() + 2 * margin, layout.rect.height() + 2 * margin) * scale,
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(QPoint(margin, margin), layout.rect.size()), layout.flags | Qt::TextDontClip, text);
    }
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(row[x]) < 128) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    const int origin = static_cast<int>(std::lround(margin * scale));
    return ink.translated(-origin, -origin);
}

// Where a line edit draws its text: its contents, inside the frame.
QRect TextRect(const QLineEdit* edit)
{
    QStyleOptionFrame frame;
    frame.initFrom(edit);
    frame.rect = edit->rect();
    frame.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, edit);
    const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &frame, edit);
    return contents.marginsRemoved(edit->textMargins());
}

// Where the control's text may lie in the window: the wrapped lines as the
// toolkit lays them out, within the control itself.
QRect TextArea(const QWidget* control)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        return TextRect(edit).translated(edit->pos());
    }
    const CaptionLayout layout = LayoutOf(control);
    const QRect lines = QFontMetrics(control->font()).boundingRect(layout.rect, layout.flags, layout.text);
    return lines.intersected(control->rect()).translated(control->pos());
}

// The sizes are chosen for Arial's widths, which Liberation Sans has: a
// stand-in of other widths would make every other measure here meaningless.
TEST_F(Captions, AreDrawnInLiberationSans)
{
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        EXPECT_EQ(QFontInfo(control->font()).family(), "Liberation Sans") << control->objectName().toStdString();
    }
}

// Whole: the lines as the toolkit wraps them are no wider than the room the
// control leaves its caption, and their strokes reach neither above nor
// below it. (A label lower than a line, a separator, shows its one line
// whole when the strokes fit.)
TEST_F(Captions, EveryCaptionIsDrawnWholeInsideItsControl)
{
    const qreal scale = window.devicePixelRatioF();
    for (const ControlDesign* design : CaptionedControls()) {
        SCOPED_TRACE(where(*design));
        const QWidget* control = window.findChild<QWidget*>(
            QString::fromUtf8(design->name.data(), static_cast<qsizetype>(design->name.size())));
        const CaptionLayout layout = LayoutOf(control);
        const QString shown = CaptionMeantToShow(*design, layout);
        const QRect lines = QFontMetrics(control->font()).boundingRect(layout.rect, layout.flags, shown);
        const QRect ink = InkOf(shown, layout, control->font(), scale);
        EXPECT_LE(lines.width(), layout.rect.width());
        EXPECT_GE(ink.top(), 0) << "ink from " << ink.top();
        EXPECT_LE(ink.bottom(), layout.rect.height() * scale) << "ink to " << ink.bottom();
    }
}

TEST_F(Captions, NoControlsTextLiesOnAnothersText)
{
    const auto controls = window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (qsizetype first = 0; first < controls.size(); ++first) {
        for (qsizetype second = first + 1; second < controls.size(); ++second) {
            const QRect one = TextArea(controls[first]);
            const QRect other = TextArea(controls[second]);
            EXPECT_FALSE(one.intersects(other))
                << controls[first]->objectName().toStdString() << " and "
                << controls[second]->objectName().toStdString() << " at scale " << window.devicePixelRatioF();
        }
    }
}

// The capacities are written with two decimals; the boxes the window gives
// them hold four digits before the separator, up to 9 999,99 t. A line edit
// keeps two pixels clear at each side of its text, and one for the cursor.
TEST_F(Captions, TwoDecimalReadOutsShowTheirLongestValuesWhole)
{
    for (Box box : {Box::M3, Box::M4, Box::K3, Box::M8}) {
        const QLineEdit* edit = window.box(box);
        for (const QString& value : {QStringLiteral("9999,99"), QStringLiteral("9999.99")}) {
            const int room = TextRect(edit).width() - 2 * 2;
            EXPECT_LE(edit->fontMetrics().horizontalAdvance(value) + 1, room)
                << BoxName(box) << " " << value.toStdString() << " at scale " << window.devicePixelRatioF();
        }
    }
}

}  // namespace
}  // namespace pali
