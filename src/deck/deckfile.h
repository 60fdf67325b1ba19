#pragma once

#include "deckstore.h"

#include <QString>

#include <span>

namespace memoquill {

struct DeckFileRead
{
    QList<CardRecord> cards;
    // Empty when the file was read, else the sentence that tells the user why not.
    QString failure;
};

// Reads the deck file at path whole.
DeckFileRead readDeckFile(const QString &path);

// Replaces the file at path with the slots, or leaves the old file whole. Returns the sentence
// that tells the user why the deck was not written, or an empty string.
QString writeDeckFile(const QString &path, std::span<const CardRecord> slots);

} // namespace memoquill
