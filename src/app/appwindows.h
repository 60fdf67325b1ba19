#pragma once

#include "editorlink.h"
#include "readerlink.h"

#include <QObject>
#include <QPointer>

#include <functional>

namespace memoquill {

class CardCreate;
class CardReader;
class DeckStore;
class Platform;

// Owns the two windows, each a single instance: creates the reader, hidden, the first time
// anything refers to it, creates a window again after it was closed, and carries every call
// from one window to the other. Ends the application once both windows are closed.
class AppWindows : public QObject, public EditorLink, public ReaderLink
{
    Q_OBJECT

public:
    // quit runs once both windows have closed.
    AppWindows(DeckStore &deck, Platform &platform, std::function<void()> quit);
    ~AppWindows() override;

    // Creates the editor and shows it.
    void start();

    // The windows, created on first reference.
    CardCreate *editor();
    CardReader *reader();
    // The windows if they are open, without creating them.
    CardCreate *existingEditor() const;
    CardReader *existingReader() const;

    // EditorLink: the reader's way to the editor.
    void showEditor() override;
    void closeEditor() override;

    // ReaderLink: the editor's way to the reader.
    void setReaderSaveItemsEnabled(bool enabled) override;
    void closeReader() override;

private:
    void windowClosed();

    DeckStore &m_deck;
    Platform &m_platform;
    std::function<void()> m_quit;
    // Null once a window has accepted a close, even before Qt deletes it.
    QPointer<CardCreate> m_editor;
    QPointer<CardReader> m_reader;
};

} // namespace memoquill
