#include "startup.h"

#include "language.h"
#include "look.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

namespace memoquill {

using namespace Qt::StringLiterals;

void setUpApplication(QApplication &app)
{
    QApplication::setApplicationName(u"Memoquill"_s);
    QApplication::setApplicationVersion(QStringLiteral(MEMOQUILL_VERSION));
    QApplication::setDesktopFileName(u"memoquill"_s);
    // Hiding the last visible window (the switch to the reader) must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    applyDesktopLook(app);
    // Before any window or message exists: the user's language, as every Qt program finds it.
    installTranslations(QLocale::system().uiLanguages());
}

CommandLine readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Write study cards and review them one by one."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(u"deck"_s, u"A deck file (.mqd) to open."_s, u"[DECK]"_s);

    const QString usage = u"\nUsage: memoquill [--help] [--version] [DECK]"_s;
    CommandLine commandLine;
    if (!parser.parse(arguments)) {
        commandLine.error = parser.errorText() + usage;
        return commandLine;
    }
    // --help, --help-all and --version print and end the program, as in every Qt program.
    parser.process(arguments);
    const QStringList decks = parser.positionalArguments();
    if (decks.size() > 1)
        commandLine.error = u"Only one deck can be opened at a time."_s + usage;
    else if (decks.size() == 1)
        commandLine.deck = decks.first();
    return commandLine;
}

} // namespace memoquill
