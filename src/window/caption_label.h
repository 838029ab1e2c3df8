#pragma once

#include <QLabel>

namespace pali {

// A static caption, wrapped at blanks and cut off at the label's height.
class CaptionLabel : public QLabel {
public:
    explicit CaptionLabel(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace pali
