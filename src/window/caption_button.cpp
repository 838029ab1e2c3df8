#include "window/caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include "window/wrapped_caption.h"

namespace pali {

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

}  // namespace pali
