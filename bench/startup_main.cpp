// SPDX-License-Identifier: MIT

// Start to first paint: the program's window with its menu bar, or with
// FORM_ONLY the form alone as the program opened before it had menus, or with
// BARE_WINDOW a plain Qt window holding one line edit, built the same way for
// comparison. Quits from the first paint event, so the time includes building
// and painting.
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

#ifndef BARE_WINDOW
#include "qt/form1.h"
#include "qt/main_window.h"
#endif

namespace {

class QuitOnFirstPaint : public QObject {
    Q_OBJECT

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            QCoreApplication::quit();
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
#ifdef BARE_WINDOW
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLineEdit(&window));
#elif defined(FORM_ONLY)
    pali::Form1 window;
#else
    pali::MainWindow window;
#endif
    QuitOnFirstPaint quitter;
    window.installEventFilter(&quitter);
    window.showMaximized();
    return QApplication::exec();
}

#include "startup_main.moc"
