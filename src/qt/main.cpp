// SPDX-License-Identifier: MIT

#include <variant>

#include <QApplication>
#include <QSessionManager>

#include "qt/command_line.h"
#include "qt/italian_qt_texts.h"
#include "qt/main_window.h"
#include "qt/open_application.h"
#include "qt/qt_text.h"

int main(int argc, char* argv[])
{
    const pali::Command command = pali::CommandOfArguments(argc, argv);
    if (const auto status = pali::RunWithoutWindow(command, argc, argv)) {
        return *status;
    }
    const auto application = pali::OpenApplication(argc, argv);
    // Lets the desktop match the window to its entry, its name and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(PALI_APP_ID));
    // Where the user's settings (the recent files) are kept.
    QCoreApplication::setOrganizationName(QStringLiteral("portanza-pali"));
    QCoreApplication::setApplicationName(QStringLiteral("portanza-pali"));
    const pali::ItalianQtTexts qtTexts;
    pali::MainWindow window;
    // The desktop session is ending: unsaved work is asked about as on closing,
    // and Annulla keeps the session from ending where the desktop allows it.
    QObject::connect(application.get(), &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager& manager) {
                         if (manager.allowsInteraction() && !window.session().mayClose()) {
                             manager.cancel();
                         }
                         manager.release();
                     });
    window.show();
    // Every other command has run without a window above.
    if (const auto& file = std::get<pali::WindowCommand>(command).file) {
        window.openFile(pali::Text(*file));
    }
    return QApplication::exec();
}
