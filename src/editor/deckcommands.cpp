// The commands on the deck as a whole (New, Save, Save As, Load, Exit), the close request,
// and the routines that write and read the deck file.
#include "editor/cardcreate.h"

#include "deck/deckfile.h"
#include "deck/recoveryfile.h"
#include "editor/cardlistbox.h"
#include "editor/readerlink.h"
#include "platform/textbox.h"

#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>

namespace memoquill {

QString CardCreate::deckFileTypes()
{
    // The file dialog matches files by the ".mqd" in the last parentheses, so a translation
    // keeps "(.mqd)" at its end.
    return tr("Memofile (.mqd)");
}

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
    const QString failure = writeDeckFile(m_deck.FilePath, m_deck.cardSlots()).failure;
    busy.end();
    if (failure.isEmpty()) {
        deckReplaced();
        return true;
    }
    // The old file is untouched, so the deck still belongs where it belonged before.
    m_deck.CurrentFile = previousFile;
    showFileError(failure);
    return false;
}

std::optional<qsizetype> CardCreate::LoadDeck()
{
    CD1->setFileTypes(deckFileTypes());
    CD1->showOpen();
    return loadDeckFrom(CD1->fileName());
}

std::optional<qsizetype> CardCreate::loadDeckFrom(const QString &path)
{
    m_deck.FilePath = path;
    if (!isDeckFileName(m_deck.FilePath))
        return std::nullopt;

    Platform::BusyScope busy(m_platform);
    DeckFileRead read = readDeckFile(m_deck.FilePath);
    if (!read.failure.isEmpty()) {
        busy.end();
        showFileError(read.failure);
        return std::nullopt;
    }
    m_deck.reset();
    m_deck.assign(std::move(read.cards));
    m_deck.CurrentFile = m_deck.FilePath;
    deckReplaced();
    return read.unreadLines;
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
    showTexts(empty, empty);
    setDeckItemsEnabled(false);
    deckReplaced();
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

void CardCreate::showLoadedDeck(std::optional<qsizetype> unreadLines)
{
    if (m_deck.FilePath.isEmpty())
        return;
    if (!isDeckFileName(m_deck.FilePath)) {
        showFileError(tr("Invalid file type!"));
        return;
    }
    if (!unreadLines)
        return;
    showDeck();
    if (*unreadLines > 0) {
        m_platform.msgBox(unreadLinesWarning(m_deck.FilePath, *unreadLines), tr("File Error"),
                          MsgButtons::Ok, MsgIcon::Exclamation);
    }
}

void CardCreate::openCards(QList<CardRecord> cards)
{
    m_deck.reset();
    m_deck.assign(std::move(cards));
    m_deck.CurrentFile = QString();
    showDeck();
    // Read from a list, the deck has no file yet that holds it.
    deckChanged();
}

bool CardCreate::offerRecovery(RecoveredDeck recovered)
{
    const QString deck = recovered.deckPath.isEmpty() ? tr("Untitled") : recovered.deckPath;
    const QDateTime savedAt = recovered.savedAt.toLocalTime();
    // The time alone for a deck of today, the day too for an older one.
    const QString when = savedAt.date() == QDate::currentDate()
                             ? QLocale().toString(savedAt.time(), QLocale::ShortFormat)
                             : QLocale().toString(savedAt, QLocale::ShortFormat);
    const QString question =
        recovered.cards.size() == 1
            ? tr("Memoquill was not closed properly. Recover the card of '%1' from %2 that was "
                 "not saved?")
                  .arg(deck, when)
            : tr("Memoquill was not closed properly. Recover the %1 cards of '%2' from %3 that "
                 "were not saved?")
                  .arg(QString::number(recovered.cards.size()), deck, when);
    if (m_platform.msgBox(question, tr("Recover Cards?"), MsgButtons::YesNo, MsgIcon::Question)
        != MsgResult::Yes)
        return false;

    m_deck.reset();
    m_deck.assign(std::move(recovered.cards));
    m_deck.CurrentFile = recovered.deckPath;
    if (!recovered.deckPath.isEmpty())
        CD1->setFileName(recovered.deckPath);
    showDeck();
    for (int row = 0; row < List->count(); ++row) {
        if (List->text(row) == recovered.shownCard) {
            const QSignalBlocker quiet(List->selectionModel());
            List->selectRow(row);
            List_Click();
            break;
        }
    }
    return true;
}

void CardCreate::deckChanged()
{
    if (!m_recovery)
        return;
    m_recoveryDue = true;
    m_typingPause.start();
    if (!m_recoveryDeadline.isActive())
        m_recoveryDeadline.start();
}

void CardCreate::deckReplaced()
{
    m_recoveryDue = false;
    m_typingPause.stop();
    m_recoveryDeadline.stop();
    if (m_recovery)
        m_recovery->remove();
}

void CardCreate::writeRecoveryNow()
{
    m_typingPause.stop();
    m_recoveryDeadline.stop();
    if (!m_recovery || !m_recoveryDue)
        return;
    m_recoveryDue = false;
    // What a save would write now: the boxes' texts in the shown card, as AutoUpdate would
    // store them, yet without touching the deck or its cursor.
    const std::span<const CardRecord> slots = m_deck.cardSlots();
    QList<CardRecord> cards(slots.begin(), slots.end());
    const QString shown = LTitle->text();
    const auto card = std::find_if(cards.begin(), cards.end(),
                                   [&shown](const CardRecord &c) { return c.name == shown; });
    if (card != cards.end()) {
        card->front = textbox::text(TFront);
        card->back = textbox::text(TBack);
    }
    m_recovery->write(m_deck.CurrentFile.value_or(QString()), shown, cards);
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
