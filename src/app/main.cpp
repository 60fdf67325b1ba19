#include "app/appwindows.h"
#include "app/startup.h"
#include "deck/deckstore.h"
#include "deck/recoveryfile.h"
#include "platform/qtplatform.h"

#include <QApplication>

// std::variant's visitation has a throw path for a variant left valueless by a throwing
// assignment, which none of StartDeck's alternatives can be.
// NOLINTNEXTLINE(bugprone-exception-escape)
int main(int argc, char *argv[])
{
    memoquill::Arguments commandLine;
    memoquill::StartDeck startDeck;
    {
        // The command line is read before any window system is touched: --help, --version,
        // --export and a list refused by --import need no display.
        const QCoreApplication core(argc, argv);
        memoquill::setUpCoreApplication();
        commandLine = memoquill::readCommandLine(QCoreApplication::arguments());
        if (!commandLine.error.isEmpty()) {
            memoquill::printError(commandLine.error);
            return 2;
        }
        if (commandLine.exportDeck)
            return memoquill::exportDeck(*commandLine.exportDeck, commandLine.output);
        if (commandLine.importList) {
            std::optional<QList<memoquill::CardRecord>> cards =
                memoquill::importList(*commandLine.importList);
            if (!cards)
                return 1;
            startDeck = std::move(*cards);
        } else if (commandLine.deck) {
            startDeck = *commandLine.deck;
        }
        // Qt aborts without a display; say what to do instead.
        if (const QString missing = memoquill::missingDisplay(); !missing.isEmpty()) {
            memoquill::printError(missing);
            return 1;
        }
    }

    QApplication app(argc, argv);
    memoquill::setUpApplication(app);
    memoquill::QtPlatform platform;
    memoquill::RecoveryFile recovery;
    return memoquill::runWindows(platform, recovery, std::move(startDeck));
}
