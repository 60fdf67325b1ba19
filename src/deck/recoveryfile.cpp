#include "deck/recoveryfile.h"

#include "deck/deckfile.h"
#include "deck/deckformat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>

#include <algorithm>
#include <cstdio>

#include <unistd.h>

namespace memoquill {

using namespace Qt::StringLiterals;

namespace {

const auto DeckSuffix = ".mqd"_L1;
const auto InfoSuffix = ".info"_L1;
const auto LockSuffix = ".lock"_L1;
// An info file holds two paths and a time; anything much larger is no info file.
constexpr qint64 MaxInfoSize = 1 << 16;

// A regular file of this user's, not reached through a link.
bool isOwnFile(const QFileInfo &info)
{
    return !info.isSymLink() && info.isFile() && info.ownerId() == ::getuid();
}

bool samePath(const QString &a, const QString &b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (first.absoluteFilePath() == second.absoluteFilePath())
        return true;
    const QString canonical = first.canonicalFilePath();
    return !canonical.isEmpty() && canonical == second.canonicalFilePath();
}

std::unique_ptr<QLockFile> lockFile(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path);
    // Held for the whole run: never taken over while its owner lives, however old.
    lock->setStaleLockTime(0);
    return lock;
}

struct Info
{
    QString deckPath;
    QString shownCard;
    QDateTime savedAt;
};

// One line on standard error: nothing about the recovery file ever stops the user.
void say(const QString &message)
{
    std::fprintf(stderr, "memoquill: %s\n", message.toLocal8Bit().constData());
}

std::optional<Info> readInfo(const QString &path)
{
    const QFileInfo file(path);
    if (!isOwnFile(file) || file.size() > MaxInfoSize)
        return std::nullopt;
    const FileBytes read = readFileBytes(path);
    if (!read.failure.isEmpty())
        return std::nullopt;
    const QJsonObject info = QJsonDocument::fromJson(read.bytes).object();
    const QDateTime savedAt =
        QDateTime::fromString(info.value("saved"_L1).toString(), Qt::ISODateWithMs);
    if (!info.value("deck"_L1).isString() || !info.value("shown"_L1).isString()
        || !savedAt.isValid())
        return std::nullopt;
    return Info{info.value("deck"_L1).toString(), info.value("shown"_L1).toString(), savedAt};
}

} // namespace

QString recoveryFolder()
{
    // Qt 6.4 has no StateLocation; an empty XDG_STATE_HOME counts as unset.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + u"/.local/state"_s;
    return state + u"/memoquill/recovery"_s;
}

RecoveryFile::RecoveryFile(QString folder)
    : m_folder(std::move(folder))
{
}

RecoveryFile::~RecoveryFile() = default;

QString RecoveryFile::pathOf(const QString &suffix) const
{
    return m_folder + u'/' + m_name + suffix;
}

QString RecoveryFile::deckFile() const
{
    return m_name.isEmpty() ? QString() : pathOf(DeckSuffix);
}

bool RecoveryFile::claimFolder(QString *reason) const
{
    const QFileInfo parent(QFileInfo(m_folder).absolutePath());
    if (!QFileInfo::exists(m_folder) && !parent.isSymLink()) {
        QDir().mkpath(parent.absoluteFilePath());
        QDir().mkdir(m_folder,
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    const QFileInfo folder(m_folder);
    if (parent.isSymLink() || folder.isSymLink() || !folder.isDir()
        || folder.ownerId() != ::getuid()) {
        *reason = tr("It is not a folder of this user's.");
        return false;
    }
    // The cards are the user's alone.
    constexpr auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                            | QFileDevice::ReadOther | QFileDevice::WriteOther
                            | QFileDevice::ExeOther;
    if ((folder.permissions() & others)
        && !QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                | QFileDevice::ExeOwner)) {
        *reason = tr("Its permissions cannot be set.");
        return false;
    }
    return true;
}

bool RecoveryFile::write(const QString &deckPath, const QString &shownCard,
                         std::span<const CardRecord> slots)
{
    QString reason;
    const auto fail = [&] {
        warn(tr("Unsaved cards cannot be kept in %1: %2").arg(m_folder, reason));
        return false;
    };
    if (!claimFolder(&reason))
        return fail();
    if (m_name.isEmpty()) {
        m_name = QDateTime::currentDateTimeUtc().toString(u"yyyyMMdd-HHmmsszzz"_s) + u'-'
                 + QString::number(QCoreApplication::applicationPid());
        m_lock = lockFile(pathOf(LockSuffix));
        if (!m_lock->tryLock(0)) {
            release();
            reason = tr("Its lock file cannot be made.");
            return fail();
        }
    }
    const DeckWriteResult deck = writeDeck(slots);
    if (deck.terminatorInsideLine) {
        reason = tr("The card '%1' contains the text %2 inside a line.")
                     .arg(*deck.terminatorInsideLine, FieldTerminator);
        return fail();
    }
    QJsonObject info;
    info.insert("deck"_L1, deckPath);
    info.insert("shown"_L1, shownCard);
    info.insert("saved"_L1, QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    // A link in place of a file would have the write land wherever it points.
    for (const QString &file : {pathOf(DeckSuffix), pathOf(InfoSuffix)}) {
        if (QFileInfo(file).isSymLink()) {
            reason = tr("%1 is a link.").arg(file);
            return fail();
        }
    }
    // The deck first: an info file always has its deck beside it.
    reason = saveFileBytes(pathOf(DeckSuffix), deck.bytes, true).failure;
    if (reason.isEmpty())
        reason = saveFileBytes(pathOf(InfoSuffix), QJsonDocument(info).toJson(), true).failure;
    if (!reason.isEmpty())
        return fail();
    m_written = true;
    m_warned = false;
    return true;
}

void RecoveryFile::removeFiles()
{
    QFile::remove(pathOf(InfoSuffix));
    QFile::remove(pathOf(DeckSuffix));
    release();
    m_written = false;
}

void RecoveryFile::release()
{
    // Unlocking removes the lock file; a lock not held is left alone.
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
    m_name.clear();
}

void RecoveryFile::remove()
{
    if (!m_name.isEmpty())
        removeFiles();
}

void RecoveryFile::warn(const QString &message)
{
    if (m_warned)
        return;
    m_warned = true;
    say(message);
}

std::optional<RecoveredDeck> RecoveryFile::takeOverNewest(const std::optional<QString> &deckPath)
{
    const QFileInfo folder(m_folder);
    if (!m_name.isEmpty() || !folder.isDir() || folder.isSymLink()
        || folder.ownerId() != ::getuid())
        return std::nullopt;

    struct Candidate
    {
        QString name;
        std::optional<Info> info;
    };
    QList<Candidate> candidates;
    const QDir dir(m_folder);
    const auto files = QDir::Files | QDir::Hidden | QDir::System;
    for (const QString &file : dir.entryList({u"*"_s + InfoSuffix}, files)) {
        const QString path = dir.filePath(file);
        // Another user's file or a link is never offered, nor touched.
        if (!isOwnFile(QFileInfo(path)))
            continue;
        candidates.append({file.chopped(InfoSuffix.size()), readInfo(path)});
    }
    // A deck without its info file: its run was killed between writing the two.
    for (const QString &file : dir.entryList({u"*"_s + DeckSuffix}, files)) {
        const QString name = file.chopped(DeckSuffix.size());
        const QFileInfo info(dir.filePath(name + InfoSuffix));
        if (isOwnFile(QFileInfo(dir.filePath(file))) && !info.exists() && !info.isSymLink())
            candidates.append({name, std::nullopt});
    }
    // The newest first; damaged ones first of all, so that they are cleared away.
    std::sort(candidates.begin(), candidates.end(), [](const Candidate &a, const Candidate &b) {
        if (!a.info || !b.info)
            return !a.info && b.info;
        return a.info->savedAt > b.info->savedAt;
    });

    for (const Candidate &candidate : std::as_const(candidates)) {
        m_name = candidate.name;
        m_lock = lockFile(pathOf(LockSuffix));
        // A Memoquill that still runs holds its lock.
        if (!m_lock->tryLock(0)) {
            release();
            continue;
        }
        const auto damaged = [this](const QString &why) {
            say(tr("Removed the damaged recovery file %1: %2").arg(pathOf(DeckSuffix), why));
            removeFiles();
        };
        if (!candidate.info) {
            damaged(tr("Its information file cannot be read."));
            continue;
        }
        if (deckPath && !samePath(candidate.info->deckPath, *deckPath)) {
            // Another deck's: it waits for a later start.
            release();
            continue;
        }
        const QString deck = pathOf(DeckSuffix);
        if (!isOwnFile(QFileInfo(deck))) {
            damaged(tr("It is missing or not a file."));
            continue;
        }
        FileBytes bytes = readFileBytes(deck);
        if (!bytes.failure.isEmpty()) {
            damaged(bytes.failure);
            continue;
        }
        DeckReadResult read = readDeck(bytes.bytes);
        if (read.tooManyCards || read.noFields || read.unreadLines > 0) {
            damaged(tr("It holds no whole deck."));
            continue;
        }
        // A deck whose every card was deleted has nothing to recover.
        if (read.cards.isEmpty()) {
            removeFiles();
            continue;
        }
        m_written = true;
        return RecoveredDeck{candidate.info->deckPath, candidate.info->shownCard,
                             candidate.info->savedAt, std::move(read.cards)};
    }
    return std::nullopt;
}

} // namespace memoquill
