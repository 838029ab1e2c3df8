// SPDX-License-Identifier: MIT

#pragma once

#include <array>

#include <QWidget>

#include "app/check_panel.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace pali {

// The soil profile to scale: the layers as bands with their number, φ, γ and
// K and the depth of their base, the pile as a bar from the ground to its tip.
class ProfileView : public QWidget {
public:
    explicit ProfileView(QWidget* parent = nullptr);
    void setProfile(SoilProfile profile);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SoilProfile profile_;
};

// The panel VERIFICA beside the form: the verticals investigated, Nq from the
// table with USA, the profile, the three combinations and the verdicts. It
// only shows what the check computes on copies; the window's boxes are the
// form's, but for K1, which USA types into as the engineer would.
class CheckPanel : public QWidget {
    Q_OBJECT

public:
    explicit CheckPanel(QWidget* parent = nullptr);

    QLineEdit* verticalsBox() const { return verticals_; }
    void show(const CheckPanelTexts& texts, SoilProfile profile);

signals:
    void verticalsEdited(const QString& text);
    void useNq(const QString& text);

private:
    struct RowLabels {
        QLabel* ed;
        QLabel* rd;
        QLabel* ratio;
        QLabel* outcome;
    };

    QLineEdit* verticals_;
    QLabel* factors_;
    QLabel* nq_;
    QPushButton* use_;
    ProfileView* profile_;
    std::array<RowLabels, 3> rows_{};
    QLabel* approach1_;
    QLabel* approach2_;
    QLabel* warnings_;
    QString nqToUse_;
};

}  // namespace pali
