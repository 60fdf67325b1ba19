#pragma once

#include "deck/deckfile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <span>

namespace memoquill {

// Word lists are how other study-card programs and spreadsheets import and export cards: one
// record a card, with two fields (front, back) or three (name, front, back).
//
// Texts in a field are HTML-like: <br> (also <br/> and <br />, in any case) is a line break;
// &amp; &lt; &gt; &quot; &nbsp; and numeric references such as &#9; or &#x263A; stand for their
// character; any other text, tags included, is itself. A field that is exactly <br> is the
// empty text, as the other programs write one.
enum class ListFormat {
    // One record a line, its fields separated by tabs; LF or CR LF line ends.
    Tabs,
    // RFC 4180: fields separated by commas, in double quotes when they hold commas, quotes or
    // line breaks, with "" for a quote inside quotes.
    Csv,
};

// A file named *.csv, in any letter case, is a CSV list; any other is tab-separated.
ListFormat listFormatOf(const QString &path);

struct ListReadResult
{
    // In list order, each named: with two fields by the front's first line, trimmed. A name
    // that is empty or taken by an earlier card becomes the first free "NAME (2)", "NAME (3)",
    // ..., or "Card 1", "Card 2", ... when it is empty.
    QList<CardRecord> cards;
    // Empty when the whole list was read; else why it was refused (cards is then empty) ...
    QString failure;
    // ... and at which line, counted from 1.
    qsizetype line = 0;
};

// Reads a whole list: UTF-8 (a byte-order mark skipped) when the bytes are valid UTF-8,
// else Windows-1252. Empty lines are skipped. Refuses a record without 2 or 3 fields, an
// unclosed quote, a name holding the deck file's terminator and more cards than a deck holds.
ListReadResult readList(QByteArrayView bytes, ListFormat format);

// Writes front and back of every slot with a name, one record a card, as UTF-8 without a
// byte-order mark. In texts a line break becomes <br>, a tab a space (lists have no escape
// for it), & becomes &amp; and < becomes &lt;; an empty text is written <br>. Tab-separated
// lines end in LF, CSV records in CR LF.
QByteArray writeList(std::span<const CardRecord> slots, ListFormat format);

// Reads the list at path whole, with the checks of a deck file: only a regular file of at most
// MaxDeckFileSize bytes. The format follows the file's name. A failure for a fault in the list
// starts with its line.
struct ListFileRead
{
    QList<CardRecord> cards;
    // Empty when the list was read, else the sentence that tells the user why not.
    QString failure;
};
ListFileRead readListFile(const QString &path);

// Replaces the file at path with the slots as a list, in the format its name tells, or leaves
// the old file whole.
FileResult writeListFile(const QString &path, std::span<const CardRecord> slots);

} // namespace memoquill
