#include <QApplication>

#include "window/open_application.h"
#include "window/form1.h"

int main(int argc, char* argv[])
{
    const auto application = pali::OpenApplication(argc, argv);
    pali::Form1 window;
    window.show();
    return QApplication::exec();
}
