#include "window/wrapped_caption.h"

#include <QStyle>
#include <QStyleOption>
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

}  // namespace

void DrawWrappedCaption(QStylePainter& painter, const QStyleOption& option, const QRect& rect,
                        const QString& caption, Qt::Alignment alignment,
                        QPalette::ColorRole role)
{
    painter.drawItemText(rect, static_cast<int>(alignment) | Qt::TextWordWrap, option.palette,
                         option.state.testFlag(QStyle::State_Enabled),
                         BreakableAtBlanksOnly(caption), role);
}

}  // namespace pali
