#pragma once

#include "deck/deckstore.h"
#include "platform/platform.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;

namespace memoquill {

class AccessKeyButton;
class CardListBox;
class ReaderLink;
class RecoveryFile;
struct RecoveredDeck;

// The editor window and start-up window: the card list, the shown card's name and its front
// and back texts, and the menus with the deck commands.
class CardCreate : public QMainWindow
{
    Q_OBJECT

public:
    CardCreate(DeckStore &deck, Platform &platform, ReaderLink &reader, QWidget *parent = nullptr);
    ~CardCreate() override;

    // True while the window handles a request to close it.
    bool isClosing() const { return m_closing; }

    // Copies both text boxes into the shown card, the card whose name LTitle shows.
    void AutoUpdate();

    // The Edit menu: between the clipboard and the control that has the focus.
    void MCut_Click();
    void Mcopy_Click();
    void Mpaste_Click();

    // The deck commands, which the reader's File menu runs too.
    void Mnew_Click();
    void MSave_Click();
    void MSaveAs_Click();
    void Mload_Click();
    void Mexit_Click();

    // Loads the deck file at path, given at start, as File > Load loads the file chosen in its
    // dialog; the deck is empty then, so nothing is asked first.
    void openDeck(const QString &path);
    // Makes cards read from a word list the deck, a new one without a file (Save asks for a
    // name), and shows them as a Load does; the deck is empty then, so nothing is asked first.
    void openCards(QList<CardRecord> cards);

    // Keeps recovery, when given, as the deck's unsaved state: written shortly after each
    // change, removed once New, Load or Save leaves nothing unsaved.
    void setRecoveryFile(RecoveryFile *recovery) { m_recovery = recovery; }
    // Writes the recovery file at once if the deck changed since it was last written (the
    // program is being ended from outside).
    void writeRecoveryNow();
    // Asks whether to take the unsaved deck of a run that did not end normally as the deck,
    // and shows it, with its card picked, if the answer is Yes. Returns whether it did.
    bool offerRecovery(RecoveredDeck recovered);

    // Writes the deck, asking for a file name first when AskFileName is true. Returns whether
    // the file was written; a failure has been shown to the user.
    bool SaveDeck(bool AskFileName);
    // Reads the deck file chosen in the open dialog into the deck store. FilePath tells what
    // was chosen. Returns, when a deck was read, how many lines at its end were not (a
    // failure has been shown to the user).
    std::optional<qsizetype> LoadDeck();

    // The controls, addressed by name from the other window and from the deck routines.
    QPlainTextEdit *TBack;
    QPlainTextEdit *TFront;
    std::unique_ptr<FileDialog> CD1;
    CardListBox *List;
    AccessKeyButton *BDel;
    AccessKeyButton *BNew;
    QLabel *LTitle;
    QLabel *Label3;
    QLabel *Label2;
    QLabel *Label1;

    QMenu *MFile;
    QAction *Mnew;
    QAction *MSave;
    QAction *MSaveAs;
    QAction *Mload;
    QAction *spacer1;
    QAction *MJoke;
    QAction *spacer2;
    QAction *Mexit;
    QMenu *MEdit;
    QAction *MCut;
    QAction *MCopy;
    QAction *MPaste;
    QAction *MCRead;
    QAction *MAbout;

    // The answer to the most recent New or Load confirmation; none until one is asked.
    std::optional<MsgResult> sure;
    // Makes New ask the Load question.
    bool AskLoad = false;

Q_SIGNALS:
    // The window accepted a close request and is going away.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildDesign();
    void buildMenus();
    void connectHandlers();

    void BNew_Click();
    void List_Click();
    void BDel_Click();

    void TFront_GotFocus();
    void TFront_LostFocus();
    void TBack_GotFocus();
    void TBack_LostFocus();

    void MAbout_Click();
    void MJoke_Click();
    void MCRead_Click();

    // The close request: offers to save, may refuse the close, and closes the reader.
    void Form_QueryUnload(bool &Cancel);
    void showFileError(const QString &message);
    // The one entry of the file dialogs' type list.
    static QString deckFileTypes();
    // LoadDeck once a path is chosen: reads it into the deck store when it names a deck file.
    std::optional<qsizetype> loadDeckFrom(const QString &path);
    // The end of Load once LoadDeck has run: the message for a wrong file type, or the deck
    // shown, and a warning when its end was not read.
    void showLoadedDeck(std::optional<qsizetype> unreadLines);
    // The card list filled with the deck's names and the first card shown.
    void showDeck();

    // Save, Save As (in both windows) and Card Reader, which need a deck with cards; enabled
    // in that order.
    void setDeckItemsEnabled(bool enabled);
    void setTextBoxesReadOnly(bool readOnly);

    // Puts the focused control's selection on the clipboard, if a text box holds a selection.
    bool copySelection();

    // Shows texts in the two boxes; the program's own writes are no changes by the user.
    void showTexts(const QString &front, const QString &back);
    // The deck now differs from its file: a card made or deleted, a text typed or committed.
    void deckChanged();
    // The deck is what New, Load or Save left: nothing unsaved to recover.
    void deckReplaced();

    DeckStore &m_deck;
    Platform &m_platform;
    ReaderLink &m_reader;
    bool m_closing = false;

    RecoveryFile *m_recovery = nullptr;
    bool m_recoveryDue = false;
    bool m_showingTexts = false;
    // The recovery file is written after a short pause in typing, and at the latest a little
    // while after the first change it holds.
    QTimer m_typingPause;
    QTimer m_recoveryDeadline;
};

} // namespace memoquill
