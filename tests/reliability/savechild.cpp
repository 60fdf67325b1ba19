// Saves two full decks over one file, alternately and without end, until it is killed.
#include "bigdeck.h"
#include "deck/deckfile.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: savechild <deck file>\n", stderr);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QList<memoquill::CardRecord> decks[2] = {bigDeck('a'), bigDeck('b')};
    for (unsigned long saves = 0;; ++saves) {
        const QString failure = memoquill::writeDeckFile(path, decks[saves % 2]).failure;
        if (!failure.isEmpty()) {
            std::fprintf(stderr, "save failed: %s\n", qPrintable(failure));
            return 1;
        }
        if (saves == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
