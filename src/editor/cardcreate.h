#pragma once

#include "deckstore.h"
#include "platform.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;

namespace memoquill {

class AccessKeyButton;
class ReaderLink;

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

    // The controls, addressed by name from the other window and from the deck routines.
    QPlainTextEdit *TBack;
    QPlainTextEdit *TFront;
    std::unique_ptr<FileDialog> CD1;
    QListWidget *List;
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

private:
    void buildDesign();
    void buildMenus();

    DeckStore &m_deck;
    Platform &m_platform;
    ReaderLink &m_reader;
    bool m_closing = false;
};

} // namespace memoquill
