#pragma once

#include <QRadioButton>

namespace pali {

// An option button whose caption wraps onto several lines beside the round
// indicator; a click anywhere on the button selects it. The Tab key reaches
// an exclusive group through its selected option only.
class CaptionOption : public QRadioButton {
public:
    explicit CaptionOption(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};

}  // namespace pali
