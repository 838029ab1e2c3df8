#include "window/caption_option.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "window/wrapped_caption.h"

namespace pali {

CaptionOption::CaptionOption(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent)
{
    setFocusPolicy(Qt::ClickFocus);
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
    });
}

void CaptionOption::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    QStyleOptionButton indicator = option;
    indicator.rect = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicator);

    QRect captionRect = rect();
    captionRect.setLeft(indicator.rect.right() + 1 +
                        style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, this));
    DrawWrappedCaption(painter, option, captionRect, text(), Qt::AlignLeft | Qt::AlignVCenter,
                       QPalette::WindowText);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = captionRect;
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool CaptionOption::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

}  // namespace pali
