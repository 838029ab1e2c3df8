#include <QApplication>

#include "window/qt/open_application.h"
#include "window/qt/form1.h"
#include "window/qt/italian_qt_texts.h"

int main(int argc, char* argv[])
{
    const auto application = pali::OpenApplication(argc, argv);
    // Lets the desktop match the window to its entry, its name and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(PALI_APP_ID));
    const pali::ItalianQtTexts qtTexts;
    pali::Form1 window;
    window.show();
    return QApplication::exec();
}
