#pragma once

#include "app/appwindows.h"
#include "deck/deckstore.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

class QApplication;

namespace memoquill {

class Platform;
class RecoveryFile;

// Names the application and installs the translations for the user's language: all the
// command line needs, on the plain QCoreApplication that reads it before any window exists.
void setUpCoreApplication();

// The same for the windows' application, which also keeps running while its only shown window
// hides and gets the look the window designs are made for.
void setUpApplication(QApplication &app);

// What the command line asks for.
struct Arguments
{
    // The deck to open at start.
    std::optional<QString> deck;
    // --import LIST: start with a new deck of the list's cards.
    std::optional<QString> importList;
    // --export DECK.mqd: write the deck's cards as a list, to --output LIST or standard output.
    std::optional<QString> exportDeck;
    std::optional<QString> output;
    // A usage error, ending with the usage line.
    QString error;
};

// Reads "memoquill [DECK | --import LIST | --export DECK.mqd [--output LIST]]". --help,
// --help-all and --version print their text and end the program, as in every Qt program.
Arguments readCommandLine(const QStringList &arguments);

// Prints "memoquill: " and the message on standard error.
void printError(const QString &message);

// --export: writes the deck's cards as a list to output, or to standard output without it.
// Returns the exit status; a failure has been printed.
int exportDeck(const QString &deck, const std::optional<QString> &output);

// --import: the cards of the list, or nothing when it was refused (the reason printed).
std::optional<QList<CardRecord>> importList(const QString &path);

// Runs the windows until the program ends, keeping the deck's unsaved state in recovery,
// and returns the exit status. SIGTERM, SIGHUP and SIGINT keep what is unsaved and end the
// program without a question; the end of a desktop session keeps it too, and asks nothing.
int runWindows(Platform &platform, RecoveryFile &recovery, StartDeck start);

// Empty when there is a display to open the windows on, else what to tell the user.
QString missingDisplay();

} // namespace memoquill
