#include "appwindows.h"
#include "deckstore.h"
#include "qtplatform.h"
#include "startup.h"

#include <QApplication>

#include <cstdio>

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
    memoquill::setUpApplication(app);
    const memoquill::CommandLine commandLine =
        memoquill::readCommandLine(QApplication::arguments());
    if (!commandLine.error.isEmpty()) {
        std::fprintf(stderr, "memoquill: %s\n", qPrintable(commandLine.error));
        return 2;
    }

    memoquill::DeckStore deck;
    memoquill::QtPlatform platform;
    memoquill::AppWindows windows(deck, platform, [] { QCoreApplication::quit(); });
    windows.start(commandLine.deck);
    return QApplication::exec();
}
