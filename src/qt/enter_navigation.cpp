// SPDX-License-Identifier: MIT

#include "qt/enter_navigation.h"

#include <QKeyEvent>
#include <QWidget>

namespace pali {

namespace {
bool IsEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
}  // namespace

EnterNavigation::EnterNavigation(QObject* parent) : QObject(parent)
{}

void EnterNavigation::addStep(QWidget* from, QWidget* to)
{
    targets_.insert(from, to);
    from->installEventFilter(this);
}

bool EnterNavigation::eventFilter(QObject* watched, QEvent* event)
{
    if (IsEnter(event)) {
        targets_.value(watched)->setFocus(Qt::OtherFocusReason);
    }
    return false;
}

}  // namespace pali
