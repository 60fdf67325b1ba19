#include "appwindows.h"
#include "cardcreate.h"
#include "deckstore.h"
#include "look.h"
#include "qtplatform.h"
#include "startuptrace.h"

#include <QApplication>

#include <cstdio>
#include <optional>

int main(int argc, char *argv[])
{
    // Qt aborts without a display; say what to do instead.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("memoquill: no display found (DISPLAY is not set). Start it on a desktop, or "
                   "without one under a virtual display: xvfb-run ./build/src/app/memoquill\n",
                   stderr);
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Memoquill"));
    QApplication::setApplicationVersion(QStringLiteral(MEMOQUILL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("memoquill"));
    // Hiding the last visible window (the switch to the reader) must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    memoquill::applyDesktopLook(app);

    memoquill::DeckStore deck;
    memoquill::QtPlatform platform;
    memoquill::AppWindows windows(deck, platform, [] { QCoreApplication::quit(); });
    std::optional<memoquill::FirstPaintTrace> trace;
    if (qEnvironmentVariableIsSet("MEMOQUILL_TRACE_STARTUP"))
        trace.emplace(windows.editor());
    windows.start();
    return QApplication::exec();
}
