// The commands on the deck as a whole (New, Save, Save As, Load, Exit), the close request,
// and the routines that write and read the deck file.
#include "cardcreate.h"

#include "cardlistbox.h"
#include "deckformat.h"
#include "readerlink.h"
#include "textbox.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace memoquill {

using namespace Qt::StringLiterals;

namespace {

const QString DeckFileTypes = u"Memofile (.mqd)"_s;
const QString DeckExtension = u".mqd"_s;
const QString EmptyDeckText =
    u"There currently no cards.  Create a card first by clicking 'New Card'"_s;

// Exact and case-sensitive: "deck.MQD" is not a deck file name.
bool hasDeckExtension(const QString &path)
{
    return path.endsWith(DeckExtension, Qt::CaseSensitive);
}

} // namespace

void CardCreate::showFileError(const QString &message)
{
    m_platform.msgBox(message, u"File Error"_s, MsgButtons::Ok, MsgIcon::Exclamation);
}

bool CardCreate::SaveDeck(bool AskFileName)
{
    AutoUpdate();

    const std::optional<QString> previousFile = m_deck.CurrentFile;
    if (AskFileName) {
        CD1->setFileTypes(DeckFileTypes);
        CD1->setFileName(u"Untitled"_s);
        CD1->showSave();
        m_deck.FilePath = CD1->fileName();
        // A cancelled dialog gives the empty path; anything this short is no deck file name.
        if (m_deck.FilePath.size() < 5)
            return false;
        if (!hasDeckExtension(m_deck.FilePath))
            m_deck.FilePath += DeckExtension;
        m_deck.CurrentFile = m_deck.FilePath;
    } else {
        m_deck.FilePath = m_deck.CurrentFile.value_or(QString());
    }

    QString failure;
    {
        // Encoding a large deck takes as long as writing it: both are the wait. The pieces go
        // to disk while the rest is encoded.
        const Platform::BusyScope busy(m_platform);
        DeckWriter writer(m_deck.slots());
        const QString reason = m_platform.writeFile(m_deck.FilePath, [&writer](QByteArray &piece) {
            switch (writer.next(piece)) {
            case DeckWriter::Step::More:
                return Platform::Piece::More;
            case DeckWriter::Step::Done:
                return Platform::Piece::Last;
            case DeckWriter::Step::StartOver:
                return Platform::Piece::StartOver;
            case DeckWriter::Step::Refused:
                break;
            }
            return Platform::Piece::Abandon;
        });
        if (writer.refusedCard()) {
            failure =
                u"The card '%1' contains the text )}]d8h0-0h8b)}] inside a line, which a "
                u"deck file cannot hold. Remove it and save again."_s.arg(*writer.refusedCard());
        } else if (!reason.isEmpty()) {
            failure = u"Could not save the deck to '%1'.\r\n%2"_s.arg(m_deck.FilePath, reason);
        }
    }
    if (failure.isEmpty())
        return true;
    // The old file is untouched, so the deck still belongs where it belonged before.
    m_deck.CurrentFile = previousFile;
    showFileError(failure);
    return false;
}

bool CardCreate::LoadDeck()
{
    CD1->setFileTypes(DeckFileTypes);
    CD1->showOpen();
    m_deck.FilePath = CD1->fileName();
    if (!hasDeckExtension(m_deck.FilePath))
        return false;

    Platform::BusyScope busy(m_platform);
    DeckReader reader;
    const QString error = m_platform.readFile(m_deck.FilePath, [&reader](QByteArrayView piece) {
        reader.feed(piece);
        return !reader.tooManyCards();
    });
    if (!error.isEmpty()) {
        busy.end();
        showFileError(u"Could not load the deck from '%1'.\r\n%2"_s.arg(m_deck.FilePath, error));
        return false;
    }
    DeckReadResult read = reader.finish();
    if (read.tooManyCards) {
        busy.end();
        showFileError(u"The deck in '%1' has more than 32767 cards and cannot be loaded."_s.arg(
            m_deck.FilePath));
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
                ? u"Are you sure you wish to Load a new project? All unsaved work will be lost."_s
                : u"Are you sure you wish to start a new project? All unsaved work will be lost."_s;
        const QString title = AskLoad ? u"Load New Project"_s : u"New Project"_s;
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
    textbox::setText(TFront, EmptyDeckText);
    textbox::setText(TBack, EmptyDeckText);
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

    const bool loaded = LoadDeck();
    if (m_deck.FilePath.isEmpty())
        return;
    if (!hasDeckExtension(m_deck.FilePath)) {
        showFileError(u"Invalid file type!"_s);
        return;
    }
    if (!loaded)
        return;

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
            answer = m_platform.msgBox(u"Do you want to save changes to 'Untitled'?"_s,
                                       u"Save Changes?"_s, MsgButtons::YesNoCancel, MsgIcon::None);
            // A cancelled dialog or a failed write saved nothing: keep the window.
            if (answer == MsgResult::Yes && (!SaveDeck(true) || !m_deck.hasFile()))
                answer = MsgResult::Cancel;
        }
    } else {
        answer =
            m_platform.msgBox(u"Do you want to save changes to '"_s + *m_deck.CurrentFile + u"'?"_s,
                              u"Save Changes?"_s, MsgButtons::YesNoCancel, MsgIcon::None);
        if (answer == MsgResult::Yes && !SaveDeck(false))
            answer = MsgResult::Cancel;
    }
    if (answer == MsgResult::Cancel)
        Cancel = true;
    m_reader.closeReader();
}

} // namespace memoquill
