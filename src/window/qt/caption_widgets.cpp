#include "window/qt/caption_widgets.h"

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

void DrawWrappedCaption(QStylePainter& painter, const QStyleOption& option, const QRect& rect,
                        const QString& caption, Qt::Alignment alignment,
                        QPalette::ColorRole role)
{
    painter.drawItemText(rect, static_cast<int>(alignment) | Qt::TextWordWrap, option.palette,
                         option.state.testFlag(QStyle::State_Enabled),
                         BreakableAtBlanksOnly(caption), role);
}

}  // namespace

CaptionButton::CaptionButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
}

void CaptionButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    DrawWrappedCaption(painter, option, contents, text(), Qt::AlignCenter, QPalette::ButtonText);
}

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

CaptionLabel::CaptionLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void CaptionLabel::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    DrawWrappedCaption(painter, option, contentsRect(), text(), alignment(),
                       QPalette::WindowText);
}

}  // namespace pali
