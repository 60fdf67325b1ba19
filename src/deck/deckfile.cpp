#include "deckfile.h"

#include "deckformat.h"

#include <QFile>
#include <QSaveFile>

namespace memoquill {

using namespace Qt::StringLiterals;

namespace {

QString cannotLoad(const QString &path, const QString &reason)
{
    return u"Could not load the deck from '%1'.\r\n%2"_s.arg(path, reason);
}

QString cannotSave(const QString &path, const QString &reason)
{
    return u"Could not save the deck to '%1'.\r\n%2"_s.arg(path, reason);
}

} // namespace

DeckFileRead readDeckFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, cannotLoad(path, file.errorString())};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, cannotLoad(path, file.errorString())};
    DeckReadResult read = readDeck(bytes);
    if (read.tooManyCards)
        return {{}, u"The deck in '%1' has more than 32767 cards and cannot be loaded."_s.arg(path)};
    return {std::move(read.cards), {}};
}

QString writeDeckFile(const QString &path, std::span<const CardRecord> slots)
{
    const DeckWriteResult written = writeDeck(slots);
    if (written.terminatorInsideLine) {
        return u"The card '%1' contains the text )}]d8h0-0h8b)}] inside a line, which a deck "
               u"file cannot hold. Remove it and save again."_s.arg(*written.terminatorInsideLine);
    }
    // A temporary file beside the deck, renamed over it only once all of it is on disk: a
    // failed or interrupted save leaves the old file whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return cannotSave(path, file.errorString());
    if (file.write(written.bytes) != written.bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return cannotSave(path, reason);
    }
    if (!file.commit())
        return cannotSave(path, file.errorString());
    return {};
}

} // namespace memoquill
