#pragma once

#include <QPushButton>

namespace pali {

// A command button whose caption wraps onto several lines when it is wider
// than the button.
class CaptionButton : public QPushButton {
public:
    explicit CaptionButton(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace pali
