#include "app/startup.h"

#include "app/appwindows.h"
#include "app/language.h"
#include "deck/deckfile.h"
#include "deck/wordlist.h"
#include "platform/look.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace memoquill {

using namespace Qt::StringLiterals;

namespace {

// The translation context of the command line's texts.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// The two ends of the socket pair that carries a signal from its handler into the event loop.
int signalSockets[2] = {-1, -1};

void onEndSignal(int)
{
    // Only what is safe in a signal handler: one byte into the pair.
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
}

// Runs end in the event loop when SIGTERM, SIGHUP or SIGINT arrives.
void endOnSignals(QObject *owner, const std::function<void()> &end)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0) {
        printError(qt_error_string(errno));
        return;
    }
    // A full pair must never block the handler; one byte is enough to end.
    ::fcntl(signalSockets[0], F_SETFL, O_NONBLOCK);
    auto *notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [notifier, end] {
        notifier->setEnabled(false);
        end();
    });
    struct sigaction action = {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}

} // namespace

void setUpCoreApplication()
{
    QCoreApplication::setApplicationName(u"Memoquill"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(MEMOQUILL_VERSION));
    QGuiApplication::setDesktopFileName(u"memoquill"_s);
    // Before any message exists: the user's language, as every Qt program finds it. The
    // translators belong to the application object, so each one installs its own.
    installTranslations(QLocale::system().uiLanguages());
}

void setUpApplication(QApplication &app)
{
    // The look first: a language is chosen only if the windows' font can write it.
    applyDesktopLook(app);
    setUpCoreApplication();
    // Hiding the last visible window (the switch to the reader) must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
}

Arguments readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CommandLine::tr("Write study cards and review them one by one."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(u"deck"_s, CommandLine::tr("A deck file (.mqd) to open."),
                                 u"[DECK]"_s);
    const QCommandLineOption importOption(
        u"import"_s,
        CommandLine::tr("Start with a new deck of the cards in LIST, a word list separated by "
                        "tabs, or by commas when its name ends in .csv."),
        u"LIST"_s);
    const QCommandLineOption exportOption(
        u"export"_s,
        CommandLine::tr("Write the cards of DECK.mqd as a word list separated by tabs, to "
                        "standard output, and open no window."),
        u"DECK.mqd"_s);
    const QCommandLineOption outputOption(
        u"output"_s,
        CommandLine::tr("With --export: write the list to LIST instead, separated by commas "
                        "when its name ends in .csv."),
        u"LIST"_s);
    parser.addOptions({importOption, exportOption, outputOption});
    // Qt's own options (-platform, -style, -reverse, ...) are read by QApplication once the
    // windows start: known here so that they are not taken for mistakes, and left out of --help.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const auto addQtOption = [&parser](const char *name, const QString &valueName) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display",
                             "geometry", "style", "stylesheet", "qmljsdebugger"})
        addQtOption(name, u"value"_s);
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        addQtOption(name, QString());

    // The synopsis is what is typed: it stays as it is in every language.
    const QString usage =
        u'\n'
        //: %1 is the synopsis, "memoquill [--help] ...", which stays as typed.
        + CommandLine::tr("Usage: %1")
              .arg(u"memoquill [--help] [--version] [DECK | --import LIST | --export DECK.mqd "
                   u"[--output LIST]]"_s);
    Arguments commandLine;
    if (!parser.parse(arguments)) {
        commandLine.error = parser.errorText() + usage;
        return commandLine;
    }
    // --help, --help-all and --version print and end the program, as in every Qt program.
    parser.process(arguments);

    for (const QCommandLineOption *option : {&importOption, &exportOption, &outputOption}) {
        if (parser.values(*option).size() > 1) {
            commandLine.error =
                CommandLine::tr("--%1 can be given only once.").arg(option->names().first())
                + usage;
            return commandLine;
        }
    }
    const QStringList decks = parser.positionalArguments();
    const bool importing = parser.isSet(importOption);
    const bool exporting = parser.isSet(exportOption);
    if (decks.size() > 1)
        commandLine.error = CommandLine::tr("Only one deck can be opened at a time.");
    else if (importing && exporting)
        commandLine.error = CommandLine::tr("--import and --export cannot be given together.");
    else if ((importing || exporting) && !decks.isEmpty())
        commandLine.error = CommandLine::tr("A deck to open cannot be given with --import or "
                                            "--export.");
    else if (parser.isSet(outputOption) && !exporting)
        commandLine.error = CommandLine::tr("--output goes with --export only.");
    if (!commandLine.error.isEmpty()) {
        commandLine.error += usage;
        return commandLine;
    }

    if (decks.size() == 1)
        commandLine.deck = decks.first();
    if (importing)
        commandLine.importList = parser.value(importOption);
    if (exporting)
        commandLine.exportDeck = parser.value(exportOption);
    if (parser.isSet(outputOption))
        commandLine.output = parser.value(outputOption);
    return commandLine;
}

void printError(const QString &message)
{
    std::fprintf(stderr, "memoquill: %s\n", message.toLocal8Bit().constData());
}

int exportDeck(const QString &deck, const std::optional<QString> &output)
{
    if (!isDeckFileName(deck)) {
        printError(
            CommandLine::tr("Could not load the deck from '%1'. Its name does not end in .mqd.")
                .arg(deck));
        return 1;
    }
    DeckFileRead read = readDeckFile(deck);
    if (!read.failure.isEmpty()) {
        // The sentences of the load message, on one line.
        printError(read.failure.replace(u"\r\n"_s, u" "_s));
        return 1;
    }
    if (output) {
        // Writing the list over its own deck would lose the deck.
        const QFileInfo target(*output);
        if (target.exists() && target.canonicalFilePath() == QFileInfo(deck).canonicalFilePath()) {
            printError(CommandLine::tr("Could not write the list to '%1'. It would replace the "
                                       "deck it is made from.")
                           .arg(*output));
            return 1;
        }
        const QString failure = writeListFile(*output, read.cards).failure;
        if (!failure.isEmpty()) {
            printError(
                CommandLine::tr("Could not write the list to '%1'. %2").arg(*output, failure));
            return 1;
        }
        return 0;
    }
    const QByteArray list = writeList(read.cards, ListFormat::Tabs);
    QFile standardOutput;
    if (!standardOutput.open(STDOUT_FILENO, QIODevice::WriteOnly)
        || standardOutput.write(list) != list.size() || !standardOutput.flush()) {
        printError(CommandLine::tr("Could not write the list to standard output. %1")
                       .arg(standardOutput.errorString()));
        return 1;
    }
    return 0;
}

std::optional<QList<CardRecord>> importList(const QString &path)
{
    ListFileRead read = readListFile(path);
    if (!read.failure.isEmpty()) {
        printError(path + u": "_s + read.failure);
        return std::nullopt;
    }
    return std::move(read.cards);
}

int runWindows(Platform &platform, RecoveryFile &recovery, StartDeck start)
{
    DeckStore deck;
    AppWindows windows(
        deck, platform, [] { QCoreApplication::quit(); }, &recovery);
    bool starting = true;
    endOnSignals(&windows, [&windows, &starting] {
        windows.writeRecoveryNow();
        // During the start's question, a closed box would read as No and discard the deck
        // offered: end before any answer is taken.
        if (starting)
            ::_exit(0);
        QCoreApplication::exit(0);
    });
    // The session manager waits for this: keep what is unsaved, and ask nothing.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &windows,
                     [&windows] { windows.writeRecoveryNow(); });
    windows.start(std::move(start));
    starting = false;
    return QApplication::exec();
}

QString missingDisplay()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return {};
    return CommandLine::tr("no display found (DISPLAY is not set). Start it on a desktop, or "
                           "without one under a virtual display: xvfb-run memoquill");
}

} // namespace memoquill
