// SPDX-License-Identifier: MIT

#include "qt/open_application.h"

#include <cstdio>
#include <cstdlib>

#include <QApplication>

namespace pali {

namespace {

constexpr int kNoDisplayExitCode = 2;

// The program's own path, for the line that tells how to start it.
const char* programPath = "portanza-pali";

[[noreturn]] void ExplainNoDisplay()
{
    std::fprintf(stderr,
                 "%s: nessuno schermo grafico disponibile (DISPLAY non impostato o server X "
                 "non raggiungibile); senza schermo avviare con: xvfb-run -a %s\n",
                 programPath, programPath);
    std::fflush(stderr);
    std::_Exit(kNoDisplayExitCode);
}

bool DisplayNamed()
{
    return std::getenv("QT_QPA_PLATFORM") || std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

// While the toolkit looks for a display, its complaints about the platform
// plugin would only bury the one line that matters.
void HandleStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        ExplainNoDisplay();
    }
    if (!QByteArrayView(context.category).startsWith("qt.qpa")) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
}

}  // namespace

std::unique_ptr<QApplication> OpenApplication(int& argc, char** argv)
{
    if (argc > 0) {
        programPath = argv[0];
    }
    if (!DisplayNamed()) {
        ExplainNoDisplay();
    }
    const QtMessageHandler previous = qInstallMessageHandler(HandleStartupMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    return application;
}

}  // namespace pali
