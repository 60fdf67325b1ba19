#pragma once

#include "deck/deckstore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>
#include <span>

class QLockFile;

namespace memoquill {

// $XDG_STATE_HOME/memoquill/recovery, or ~/.local/state/memoquill/recovery when it is unset.
QString recoveryFolder();

// The unsaved deck that a Memoquill left behind when it did not end normally.
struct RecoveredDeck
{
    // The deck's file, or empty for a deck that never had one.
    QString deckPath;
    // The card the editor showed.
    QString shownCard;
    QDateTime savedAt;
    QList<CardRecord> cards;
};

// One run's recovery file: the deck as a save would write it now, kept while the deck differs
// from its file, so that a crash, a kill or a logout loses at most the last seconds of typing.
//
// A recovery is three files in the folder, named after the run: NAME.mqd, the deck file
// itself; NAME.info, the deck's path, the shown card and the time; NAME.lock, a QLockFile held
// while the run lasts, which tells a running Memoquill from one that is gone.
class RecoveryFile
{
    Q_DECLARE_TR_FUNCTIONS(RecoveryFile)

public:
    explicit RecoveryFile(QString folder = recoveryFolder());
    // Leaves the files: a run that ends without remove() did not end normally.
    ~RecoveryFile();
    RecoveryFile(const RecoveryFile &) = delete;
    RecoveryFile &operator=(const RecoveryFile &) = delete;

    // Writes the slots as the deck of deckPath (empty: Untitled), each file replaced whole.
    // False when it could not; the first failure of a run is said on standard error, and
    // nothing stops the program.
    bool write(const QString &deckPath, const QString &shownCard,
               std::span<const CardRecord> slots);

    // Removes this run's files: the deck was saved or discarded.
    void remove();

    bool exists() const { return m_written; }
    QString deckFile() const;

    // The newest recovery of a Memoquill that no longer runs (of deckPath only, when given),
    // which becomes this run's: remove() discards it, write() replaces it. Damaged ones are
    // removed on the way, with a line on standard error; a running Memoquill's are not touched.
    std::optional<RecoveredDeck> takeOverNewest(const std::optional<QString> &deckPath);

private:
    QString pathOf(const QString &suffix) const;
    bool claimFolder(QString *reason) const;
    void removeFiles();
    // Lets go of this run's name and lock, leaving the files.
    void release();
    void warn(const QString &message);

    QString m_folder;
    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
    bool m_written = false;
    bool m_warned = false;
};

} // namespace memoquill
