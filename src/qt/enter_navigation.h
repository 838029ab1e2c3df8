// SPDX-License-Identifier: MIT

#pragma once

#include <QHash>
#include <QObject>

class QWidget;

namespace pali {

// Enter in a data box moves the focus to the next control of its chain. The
// key itself still goes to the box it was typed in, which ignores it, so an
// Enter that lands on a button never presses that button.
class EnterNavigation : public QObject {
    Q_OBJECT

public:
    explicit EnterNavigation(QObject* parent);

    void addStep(QWidget* from, QWidget* to);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QObject*, QWidget*> targets_;
};

}  // namespace pali
