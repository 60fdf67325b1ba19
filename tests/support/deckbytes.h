// The bytes of deck files as the program writes them, for tests that need a file on disk.
#pragma once

#include <QByteArray>
#include <QLatin1StringView>

namespace memoquill::test {

// What ends every field of a deck file, before its CR LF.
inline constexpr char DeckTerminator[] = ")}]d8h0-0h8b)}]";
inline constexpr QLatin1StringView DeckTerminatorText(DeckTerminator, sizeof DeckTerminator - 1);

// One field: its text, the terminator and CR LF.
inline QByteArray deckField(const QByteArray &text)
{
    return text + DeckTerminator + "\r\n";
}

// One card's record: name, front and back, each a field.
inline QByteArray deckRecord(const QByteArray &name, const QByteArray &front,
                             const QByteArray &back)
{
    return deckField(name) + deckField(front) + deckField(back);
}

} // namespace memoquill::test
