#pragma once

#include "deck/deckstore.h"
#include "editor/readerlink.h"
#include "reader/editorlink.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>
#include <variant>

namespace memoquill {

class CardCreate;
class CardReader;
class Platform;
class RecoveryFile;

// What the editor opens at start: nothing, a deck file's path, or the cards of an imported list.
using StartDeck = std::variant<std::monostate, QString, QList<CardRecord>>;

// Owns the two windows, each a single instance: creates the reader, hidden, the first time
// anything refers to it, creates a window again after it was closed, and carries every call
// from one window to the other. Ends the application once both windows are closed.
class AppWindows : public QObject, public EditorLink, public ReaderLink
{
    Q_OBJECT

public:
    // quit runs once both windows have closed. With recovery, the editor keeps the deck's
    // unsaved state there, a start offers what a run that did not end normally left, and the
    // normal end removes it.
    AppWindows(DeckStore &deck, Platform &platform, std::function<void()> quit,
               RecoveryFile *recovery = nullptr);
    ~AppWindows() override;

    // Creates the editor and shows it. A deck file opens once the program runs, as File > Load
    // opens the file chosen in its dialog; imported cards become a new deck without a file.
    // Without imported cards, the unsaved deck a run left behind (of that deck file, if one is
    // given) is offered first.
    void start(StartDeck deck = {});

    // Writes what is unsaved to the recovery file at once: the program is being ended.
    void writeRecoveryNow();

    // The windows, created on first reference.
    CardCreate *editor();
    CardReader *reader();

    // EditorLink: the reader's way to the editor.
    void Mnew_Click() override;
    void MSave_Click() override;
    void MSaveAs_Click() override;
    void Mload_Click() override;
    void Mexit_Click() override;
    void showEditor() override;
    void closeEditor() override;

    // ReaderLink: the editor's way to the reader.
    void setReaderSaveItemsEnabled(bool enabled) override;
    void openReader() override;
    void closeReader() override;

Q_SIGNALS:
    // The deck file given at start, carried to the editor once the program runs.
    void deckFileGiven(const QString &path);

private:
    void windowClosed();
    void keepAWindowVisible();

    DeckStore &m_deck;
    Platform &m_platform;
    std::function<void()> m_quit;
    RecoveryFile *m_recovery;
    // Null once a window has accepted a close, even before Qt deletes it.
    QPointer<CardCreate> m_editor;
    QPointer<CardReader> m_reader;
    // The reader opens where the editor stands, the first time it is shown.
    bool m_readerPlaced = false;
};

} // namespace memoquill
