// The commands on the deck as a whole (New, Save, Save As, Load, Exit), the close request,
// and the routines that write and read the deck file.
#include "cardcreate.h"

#include "cardlistbox.h"
#include "deckfile.h"
#include "readerlink.h"
#include "textbox.h"

#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>

namespace memoquill {

namespace {

// The one entry of the file dialogs' type list. The file dialog matches files by the ".mqd" in
// its last parentheses, so a translation keeps "(.mqd)" at its end.
QString deckFileTypes()
{
    return CardCreate::tr("Memofile (.mqd)");
}

} // namespace

void CardCreate::showFileError(const QString &message)
{
    m_platform.msgBox(message, tr("File Error"), MsgButtons::Ok, MsgIcon::Exclamation);
}

bool CardCreate::SaveDeck(bool AskFileName)
{
    AutoUpdate();

    const std::optional<QString> previousFile = m_deck.CurrentFile;
    if (AskFileName) {
        CD1->setFileTypes(deckFileTypes());
        CD1->setFileName(tr("Untitled"));
        CD1->showSave();
        m_deck.FilePath = CD1->fileName();
        // A cancelled dialog gives the empty path; anything this short is no deck file name.
        if (m_deck.FilePath.size() < 5)
            return false;
        m_deck.FilePath = deckFileName(m_deck.FilePath);
        m_deck.CurrentFile = m_deck.FilePath;
        // The next Load starts with the file this save writes, under its written name.
        CD1->setFileName(m_deck.FilePath);
    } else {
        m_deck.FilePath = m_deck.CurrentFile.value_or(QString());
    }

    Platform::BusyScope busy(m_platform);
    const QString failure = writeDeckFile(m_deck.FilePath, m_deck.slots());
    busy.end();
    if (failure.isEmpty())
        return true;
    // The old file is untouched, so the deck still belongs where it belonged before.
    m_deck.CurrentFile = previousFile;
    showFileError(failure);
    return false;
}

bool CardCreate::LoadDeck()
{
    CD1->setFileTypes(deckFileTypes());
    CD1->showOpen();
    return loadDeckFrom(CD1->fileName());
}

bool CardCreate::loadDeckFrom(const QString &path)
{
    m_deck.FilePath = path;
    if (!isDeckFileName(m_deck.FilePath))
        return false;

    Platform::BusyScope busy(m_platform);
    DeckFileRead read = readDeckFile(m_deck.FilePath);
    if (!read.failure.isEmpty()) {
        busy.end();
        showFileError(read.failure);
        return false;
    }
    m_deck.reset();
    m_deck.assign(std::move(read.cards));
    m_deck.CurrentFile = m_deck.FilePath;
    return true;
}

void CardCreate::Mnew_Click()
{
    if (m_deck.CardCount() != 0) {
        const QString prompt =
            AskLoad
                ? tr("Are you sure you wish to Load a new project? All unsaved work will be lost.")
                : tr(
                    "Are you sure you wish to start a new project? All unsaved work will be lost.");
        const QString title = AskLoad ? tr("Load New Project") : tr("New Project");
        AskLoad = false;
        sure = m_platform.msgBox(prompt, title, MsgButtons::YesNo, MsgIcon::Question);
    } else {
        AskLoad = false;
        sure.reset();
    }
    if (sure == MsgResult::No)
        return;

    m_deck.reset();
    m_deck.CardIndex = 0;
    List->clear();
    LTitle->setText(QString());
    m_deck.CurrentFile = QString();
    setTextBoxesReadOnly(true);
    const QString empty =
        tr("There currently no cards.  Create a card first by clicking 'New Card'");
    textbox::setText(TFront, empty);
    textbox::setText(TBack, empty);
    setDeckItemsEnabled(false);
}

void CardCreate::MSave_Click()
{
    SaveDeck(!m_deck.hasFile());
}

void CardCreate::MSaveAs_Click()
{
    SaveDeck(true);
}

void CardCreate::Mload_Click()
{
    AskLoad = true;
    Mnew_Click();
    if (sure == MsgResult::No)
        return;

    showLoadedDeck(LoadDeck());
}

void CardCreate::openDeck(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    // The next Load starts where this deck is, as it would after choosing it in the dialog.
    CD1->setFileName(absolute);
    showLoadedDeck(loadDeckFrom(absolute));
}

void CardCreate::showLoadedDeck(bool loaded)
{
    if (m_deck.FilePath.isEmpty())
        return;
    if (!isDeckFileName(m_deck.FilePath)) {
        showFileError(tr("Invalid file type!"));
        return;
    }
    if (loaded)
        showDeck();
}

void CardCreate::openCards(QList<CardRecord> cards)
{
    m_deck.reset();
    m_deck.assign(std::move(cards));
    m_deck.CurrentFile = QString();
    showDeck();
}

void CardCreate::showDeck()
{
    // Filling the list and showing the first card are part of the wait for a large deck.
    const Platform::BusyScope busy(m_platform);
    QStringList names;
    names.reserve(m_deck.CardCount());
    const qint16 count = m_deck.CardCount();
    for (m_deck.CardIndex = 1; m_deck.CardIndex <= count; ++m_deck.CardIndex)
        names.append(m_deck.Cards(m_deck.CardIndex).name);
    List->setNames(names);

    // A file without cards leaves the editor empty, with nothing to show or review.
    if (count == 0)
        return;
    {
        const QSignalBlocker quiet(List->selectionModel());
        List->selectRow(0);
    }
    List_Click();
    setTextBoxesReadOnly(false);
    setDeckItemsEnabled(true);
}

void CardCreate::Mexit_Click()
{
    close();
}

void CardCreate::Form_QueryUnload(bool &Cancel)
{
    MsgResult answer = MsgResult::No;
    if (!m_deck.hasFile()) {
        if (m_deck.CardCount() > 0) {
            answer = m_platform.msgBox(tr("Do you want to save changes to 'Untitled'?"),
                                       tr("Save Changes?"), MsgButtons::YesNoCancel, MsgIcon::None);
            // A cancelled dialog or a failed write saved nothing: keep the window.
            if (answer == MsgResult::Yes && (!SaveDeck(true) || !m_deck.hasFile()))
                answer = MsgResult::Cancel;
        }
    } else {
        answer =
            m_platform.msgBox(tr("Do you want to save changes to '%1'?").arg(*m_deck.CurrentFile),
                              tr("Save Changes?"), MsgButtons::YesNoCancel, MsgIcon::None);
        if (answer == MsgResult::Yes && !SaveDeck(false))
            answer = MsgResult::Cancel;
    }
    if (answer == MsgResult::Cancel)
        Cancel = true;
    m_reader.closeReader();
}

} // namespace memoquill
