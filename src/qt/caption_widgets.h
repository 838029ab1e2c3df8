// SPDX-License-Identifier: MIT

#pragma once

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace pali {

// The window's captions wrap at blanks only, inside the control's rectangle;
// what does not fit its height is cut off. A run of hyphens or asterisks is
// drawn as one word, so a separator line stays one line.

// Where and how a control draws its caption: the rectangle in the control's
// own coordinates, the alignment and wrapping flags of QPainter::drawText,
// and the text as laid out.
struct CaptionLayout {
    QRect rect;
    int flags;
    QString text;
};

// A command button whose caption wraps onto several lines when it is wider
// than the button.
class CaptionButton : public QPushButton {
    Q_OBJECT

public:
    explicit CaptionButton(const QString& caption, QWidget* parent);

    // Centred in the button's face.
    CaptionLayout captionLayout() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// An option button whose caption wraps onto several lines beside the round
// indicator; a click anywhere on the button selects it. The Tab key reaches
// an exclusive group through its selected option only.
class CaptionOption : public QRadioButton {
    Q_OBJECT

public:
    explicit CaptionOption(const QString& caption, QWidget* parent);

    // Beside the indicator, centred in the height.
    CaptionLayout captionLayout() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};

// A static caption, wrapped at blanks and cut off at the label's height.
class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    explicit CaptionLabel(const QString& caption, QWidget* parent);

    // From the top-left corner.
    CaptionLayout captionLayout() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace pali
