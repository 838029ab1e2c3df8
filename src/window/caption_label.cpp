#include "window/caption_label.h"

#include <QStyleOption>
#include <QStylePainter>

#include "window/wrapped_caption.h"

namespace pali {

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
