#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QApplication;

namespace memoquill {

// Names the application, keeps it running while its only shown window hides, gives it the
// look the window designs are made for, and installs the translations for the user's language.
void setUpApplication(QApplication &app);

struct CommandLine
{
    // The deck to open at start.
    std::optional<QString> deck;
    // A usage error, ending with the usage line.
    QString error;
};

// Reads "memoquill [DECK]". --help, --help-all and --version print their text and end the
// program, as in every Qt program.
CommandLine readCommandLine(const QStringList &arguments);

} // namespace memoquill
