#pragma once

#include <QPalette>
#include <QRect>
#include <QString>

class QStyleOption;
class QStylePainter;

namespace pali {

// Captions of this window wrap at blanks only, inside the control's
// rectangle; what does not fit its height is cut off. A run of hyphens or
// asterisks is drawn as one word, so a separator line stays one line.
void DrawWrappedCaption(QStylePainter& painter, const QStyleOption& option, const QRect& rect,
                        const QString& caption, Qt::Alignment alignment,
                        QPalette::ColorRole role);

}  // namespace pali
