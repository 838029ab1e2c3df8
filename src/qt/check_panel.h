// SPDX-License-Identifier: MIT

#pragma once

#include <array>

#include <QWidget>

#include "app/check_panel.h"
#include "app/check_presenter.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace pali {

// The soil profile to scale: the layers as bands with their number, φ, γ and
// K and the depth of their base, the pile as a bar from the ground to its tip.
class ProfileView : public QWidget {
    Q_OBJECT

public:
    explicit ProfileView(QWidget* parent = nullptr);
    void setPicture(const CheckPanelContent& content);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SoilProfile profile_;
    LengthCurve curve_;
    NumberFormat format_ = NumberFormat::Point();
};

// The panel VERIFICA beside the form: the verticals investigated, Nq from the
// table with USA, the profile, the three combinations and the verdicts. It
// shows what the presenter gives it and passes on what the engineer does.
class CheckPanel : public QWidget, public CheckPanelView {
    Q_OBJECT

public:
    explicit CheckPanel(QWidget* parent = nullptr);

    QLineEdit* verticalsBox() const { return verticals_; }
    bool panelShown() const override;
    void showCheck(const CheckPanelContent& content) override;

signals:
    void verticalsEdited(const QString& text);
    void useNq();

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
    QLabel* shortestNtc2018_;
    QLabel* shortestNtc2008_;
    QLabel* approach1_;
    QLabel* approach2_;
    QLabel* warnings_;
};

}  // namespace pali
