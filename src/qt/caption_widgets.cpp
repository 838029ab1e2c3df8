// SPDX-License-Identifier: MIT

#include "qt/caption_widgets.h"

#include <QStyle>
#include <QStyleOption>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace pali {

namespace {

// The toolkit would also break a line after a hyphen; a word joiner after
// each one keeps such words whole without changing what is drawn.
QString BreakableAtBlanksOnly(const QString& caption)
{
    QString text = caption;
    return text.replace(QLatin1Char('-'), QStringLiteral("-\u2060"));
}

CaptionLayout WrappedCaption(const QRect& rect, const QString& caption, Qt::Alignment alignment)
{
    return {rect, static_cast<int>(alignment) | Qt::TextWordWrap, BreakableAtBlanksOnly(caption)};
}

void DrawCaption(QStylePainter& painter, const QStyleOption& option, const CaptionLayout& layout,
                 QPalette::ColorRole role)
{
    painter.drawItemText(layout.rect, layout.flags, option.palette, option.state.testFlag(QStyle::State_Enabled),
                         layout.text, role);
}

}  // namespace

CaptionButton::CaptionButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{}

CaptionLayout CaptionButton::captionLayout() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    return WrappedCaption(contents, text(), Qt::AlignCenter);
}

void CaptionButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    DrawCaption(painter, option, captionLayout(), QPalette::ButtonText);
}

CaptionOption::CaptionOption(const QString& caption, QWidget* parent) : QRadioButton(caption, parent)
{
    setFocusPolicy(Qt::ClickFocus);
    connect(this, &QAbstractButton::toggled, this,
            [this](bool checked) { setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus); });
}

CaptionLayout CaptionOption::captionLayout() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect indicator = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    QRect captionRect = rect();
    captionRect.setLeft(indicator.right() + 1 +
                        style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, this));
    return WrappedCaption(captionRect, text(), Qt::AlignLeft | Qt::AlignVCenter);
}

void CaptionOption::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    QStyleOptionButton indicator = option;
    indicator.rect = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicator);

    const CaptionLayout layout = captionLayout();
    DrawCaption(painter, option, layout, QPalette::WindowText);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = layout.rect;
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool CaptionOption::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

CaptionLabel::CaptionLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

CaptionLayout CaptionLabel::captionLayout() const
{
    return WrappedCaption(contentsRect(), text(), alignment());
}

void CaptionLabel::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    DrawCaption(painter, option, captionLayout(), QPalette::WindowText);
}

}  // namespace pali
