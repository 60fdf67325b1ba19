#pragma once

#include "deck/deckstore.h"

namespace memoquill {

// Exact and case-sensitive: "deck.MQD" is not a deck file name.
bool isDeckFileName(const QString &path);

// The file a save writes for the path chosen in the save dialog: the path with ".mqd"
// appended, unless it ends so already.
QString deckFileName(const QString &chosen);

// Far more than any deck a person writes (32,767 cards of 16,000 characters would be half
// of it), yet reading it, three times its size in memory (its bytes and their UTF-16 text),
// fits a desktop. A larger file is no deck, and is refused before it is read.
inline constexpr qint64 MaxDeckFileSize = qint64(1) << 30;

// What writing a file gives back. Every read and write of the deck library answers so: a
// result whose failure is empty when it went through, else the sentence that tells the user
// why not.
struct FileResult
{
    QString failure;
};

struct FileBytes
{
    QByteArray bytes;
    // Empty when the file was read, else the sentence that tells the user why not.
    QString failure;
};

// Reads the file at path whole: only a regular file of at most MaxDeckFileSize bytes. A FIFO,
// a device or a socket is refused before it is opened for reading.
FileBytes readFileBytes(const QString &path);

struct DeckFileRead
{
    QList<CardRecord> cards;
    // Empty when the file was read, else the sentence that tells the user why not.
    QString failure;
    // Lines at the end of the file that are no whole card and were not read.
    qsizetype unreadLines = 0;
};

// Reads the deck file at path whole, as readFileBytes reads it. A file with text but no field
// in it is refused: it is some other file, and a save over it would destroy it.
DeckFileRead readDeckFile(const QString &path);

// What to tell the user about a deck file whose last lines were not read.
QString unreadLinesWarning(const QString &path, qsizetype lines);

// Replaces the file at path with bytes through a temporary file beside it, or leaves the old
// file whole. With ownerOnly the file can be
// read and written by its owner alone.
FileResult saveFileBytes(const QString &path, const QByteArray &bytes, bool ownerOnly = false);

// Replaces the file at path with the slots, or leaves the old file whole.
FileResult writeDeckFile(const QString &path, std::span<const CardRecord> slots);

} // namespace memoquill
