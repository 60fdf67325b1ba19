#include "deck/deckfile.h"

#include "deck/deckformat.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace memoquill {

using namespace Qt::StringLiterals;

namespace {

// The translation context of the deck file messages.
class DeckFile
{
    Q_DECLARE_TR_FUNCTIONS(DeckFile)
};

QString cannotLoad(const QString &path, const QString &reason)
{
    return DeckFile::tr("Could not load the deck from '%1'.\r\n%2").arg(path, reason);
}

QString cannotSave(const QString &path, const QString &reason)
{
    return DeckFile::tr("Could not save the deck to '%1'.\r\n%2").arg(path, reason);
}

// Why the file that info describes is no deck file to read, or an empty string.
QString refusal(const struct stat &info)
{
    if (S_ISREG(info.st_mode) && info.st_size > MaxDeckFileSize) {
        return DeckFile::tr("The file is %1 bytes long; a deck file holds at most "
                            "%2 bytes.")
            .arg(qint64(info.st_size))
            .arg(MaxDeckFileSize);
    }
    // Whole sentences, so that each language can say them its own way.
    if (S_ISREG(info.st_mode))
        return {};
    if (S_ISDIR(info.st_mode))
        return DeckFile::tr("It is a folder, not a file.");
    if (S_ISFIFO(info.st_mode))
        return DeckFile::tr("It is a named pipe (FIFO), not a file.");
    if (S_ISSOCK(info.st_mode))
        return DeckFile::tr("It is a socket, not a file.");
    return DeckFile::tr("It is a device, not a file.");
}

} // namespace

bool isDeckFileName(const QString &path)
{
    return path.endsWith(u".mqd"_s, Qt::CaseSensitive);
}

QString deckFileName(const QString &chosen)
{
    return isDeckFileName(chosen) ? chosen : chosen + u".mqd"_s;
}

FileBytes readFileBytes(const QString &path)
{
    // Only a regular file is opened: opening a FIFO waits for a writer, and a device such as
    // /dev/zero never ends. A link is judged by what it points to.
    const QByteArray localPath = QFile::encodeName(path);
    struct stat info = {};
    if (::stat(localPath.constData(), &info) == 0) {
        if (QString why = refusal(info); !why.isEmpty())
            return {{}, why};
    }
    // Opened without waiting, and looked at again, in case the path changed in between.
    const int fd = ::open(localPath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {{}, qt_error_string(errno)};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return {{}, qt_error_string(error)};
    }
    if (QString why = refusal(info); !why.isEmpty()) {
        ::close(fd);
        return {{}, why};
    }

    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {{}, file.errorString()};
    }
    try {
        QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return {{}, file.errorString()};
        return {std::move(bytes), {}};
    } catch (const std::bad_alloc &) {
        return {{}, DeckFile::tr("There is not enough memory to read it.")};
    }
}

DeckFileRead readDeckFile(const QString &path)
{
    FileBytes file = readFileBytes(path);
    if (!file.failure.isEmpty())
        return {{}, cannotLoad(path, file.failure)};
    try {
        DeckReadResult read = readDeck(file.bytes);
        if (read.tooManyCards) {
            // One arg() call: a second would read a "%2" in the path as its own.
            return {{},
                    DeckFile::tr("The deck in '%1' has more than %2 cards and "
                                 "cannot be loaded.")
                        .arg(path, QString::number(DeckStore::MaxCards))};
        }
        if (read.noFields) {
            return {{},
                    cannotLoad(path, DeckFile::tr("It is not a Memoquill deck: no card can be "
                                                  "read from it."))};
        }
        return {std::move(read.cards), {}, read.unreadLines};
    } catch (const std::bad_alloc &) {
        return {{}, cannotLoad(path, DeckFile::tr("There is not enough memory to read it."))};
    }
}

FileResult saveFileBytes(const QString &path, const QByteArray &bytes, bool ownerOnly)
{
    // A temporary file beside the target, renamed over it only once all of it is on disk: a
    // failed or interrupted save leaves the old file whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {file.errorString()};
    const bool permitted =
        !ownerOnly || file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (!permitted || file.write(bytes) != bytes.size()) {
        QString reason = file.errorString();
        file.cancelWriting();
        return {reason};
    }
    if (!file.commit())
        return {file.errorString()};
    return {};
}

QString unreadLinesWarning(const QString &path, qsizetype lines)
{
    if (lines == 1) {
        return DeckFile::tr("The end of '%1' is not a whole card: its last line "
                            "was not read, and saving the deck will not keep it.")
            .arg(path);
    }
    return DeckFile::tr("The end of '%1' is not a whole card: its last %2 lines "
                        "were not read, and saving the deck will not keep them.")
        .arg(path, QString::number(lines));
}

FileResult writeDeckFile(const QString &path, std::span<const CardRecord> slots)
{
    DeckWriteResult written;
    try {
        written = writeDeck(slots);
    } catch (const std::bad_alloc &) {
        return {cannotSave(path, DeckFile::tr("There is not enough memory to write it."))};
    }
    if (written.terminatorInsideLine) {
        return {DeckFile::tr("The card '%1' contains the text %2 inside a line, "
                             "which a deck file cannot hold. Remove it and save "
                             "again.")
                    .arg(*written.terminatorInsideLine, FieldTerminator)};
    }
    if (const QString reason = saveFileBytes(path, written.bytes).failure; !reason.isEmpty())
        return {cannotSave(path, reason)};
    return {};
}

} // namespace memoquill
