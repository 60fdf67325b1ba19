#pragma once

#include <QByteArray>
#include <QString>

namespace memoquill::bench {

// Bytes per card of a generated deck: three fields of text plus their terminators and CR LFs.
inline constexpr int BytesPerCard = 361;

// A Windows-1252 deck file of `cards` cards, BytesPerCard bytes each. Names are unique
// ("Card 00042 ..."), texts run from words with accented Windows-1252 letters and quotes, and
// every back holds one CR LF. Always the same bytes for the same count.
QByteArray generateDeckBytes(int cards);

// The name of card i (from 1) of every generated deck.
QString generatedCardName(int i);

} // namespace memoquill::bench
