// The app as src/app/main.cpp starts it, from the same libraries, with the start-up trace that
// the shipped program does without: prints first-paint-ms once the editor's first frame is out.
#include "appwindows.h"
#include "cardcreate.h"
#include "deckstore.h"
#include "qtplatform.h"
#include "startup.h"
#include "startuptrace.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    memoquill::setUpApplication(app);
    memoquill::DeckStore deck;
    memoquill::QtPlatform platform;
    memoquill::AppWindows windows(deck, platform, [] { QCoreApplication::quit(); });
    memoquill::FirstPaintTrace trace(windows.editor());
    windows.start();
    return QApplication::exec();
}
