#include "app/appwindows.h"

#include "deck/recoveryfile.h"
#include "editor/cardcreate.h"
#include "reader/cardreader.h"

#include <QAction>

namespace memoquill {

AppWindows::AppWindows(DeckStore &deck, Platform &platform, std::function<void()> quit,
                       RecoveryFile *recovery)
    : m_deck(deck)
    , m_platform(platform)
    , m_quit(std::move(quit))
    , m_recovery(recovery)
{
}

AppWindows::~AppWindows()
{
    // Windows still open when the owner goes (tests) go with it, without asking anything.
    delete m_reader.data();
    delete m_editor.data();
}

void AppWindows::start(StartDeck deck)
{
    editor()->show();
    const QString *file = std::get_if<QString>(&deck);
    if (auto *cards = std::get_if<QList<CardRecord>>(&deck)) {
        m_editor->openCards(std::move(*cards));
        return;
    }
    if (m_recovery) {
        const std::optional<QString> only = file ? std::optional(*file) : std::nullopt;
        if (std::optional<RecoveredDeck> recovered = m_recovery->takeOverNewest(only)) {
            if (m_editor->offerRecovery(std::move(*recovered)))
                return;
            m_recovery->remove();
        }
    }
    if (file) {
        // Queued, so that the editor is on screen before the load and any message it shows; a
        // window closed by then takes the call with it.
        connect(this, &AppWindows::deckFileGiven, m_editor, &CardCreate::openDeck,
                Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
        Q_EMIT deckFileGiven(*file);
    }
}

CardCreate *AppWindows::editor()
{
    if (!m_editor) {
        m_editor = new CardCreate(m_deck, m_platform, *this);
        m_editor->setRecoveryFile(m_recovery);
        connect(m_editor, &CardCreate::closed, this, [this] {
            m_editor = nullptr;
            windowClosed();
        });
    }
    return m_editor;
}

CardReader *AppWindows::reader()
{
    if (!m_reader) {
        m_reader = new CardReader(m_deck, m_platform, *this);
        m_readerPlaced = false;
        connect(m_reader, &CardReader::closed, this, [this] {
            m_reader = nullptr;
            windowClosed();
        });
    }
    return m_reader;
}

void AppWindows::windowClosed()
{
    if (m_editor || m_reader)
        return;
    // A normal end: the deck was saved, or the user chose not to.
    if (m_recovery)
        m_recovery->remove();
    if (m_quit)
        m_quit();
}

void AppWindows::writeRecoveryNow()
{
    if (m_editor)
        m_editor->writeRecoveryNow();
}

void AppWindows::Mnew_Click()
{
    editor()->Mnew_Click();
}

void AppWindows::MSave_Click()
{
    editor()->MSave_Click();
}

void AppWindows::MSaveAs_Click()
{
    editor()->MSaveAs_Click();
}

void AppWindows::Mload_Click()
{
    editor()->Mload_Click();
}

void AppWindows::Mexit_Click()
{
    if (!m_editor)
        return;
    m_editor->Mexit_Click();
    keepAWindowVisible();
}

void AppWindows::showEditor()
{
    CardCreate *window = editor();
    window->show();
    window->raise();
    window->activateWindow();
}

void AppWindows::closeEditor()
{
    if (!m_editor || m_editor->isClosing())
        return;
    m_editor->close();
    keepAWindowVisible();
}

void AppWindows::keepAWindowVisible()
{
    // A close that began at the reader and was refused at the save question has closed the
    // reader anyway: bring the editor back rather than run on with no window on screen.
    const bool readerShown = m_reader && m_reader->isVisible() && !m_reader->isClosing();
    if (m_editor && !m_editor->isClosing() && !m_editor->isVisible() && !readerShown)
        showEditor();
}

void AppWindows::openReader()
{
    CardReader *window = reader();
    if (!m_readerPlaced && m_editor) {
        window->move(m_editor->pos() + QPoint(1, 1));
        m_readerPlaced = true;
    }
    window->show();
    window->raise();
    window->activateWindow();
    window->StartReview();
}

void AppWindows::setReaderSaveItemsEnabled(bool enabled)
{
    CardReader *window = reader();
    window->Msaver->setEnabled(enabled);
    window->MSaverasr->setEnabled(enabled);
}

void AppWindows::closeReader()
{
    if (m_reader && !m_reader->isClosing())
        m_reader->close();
}

} // namespace memoquill
