#pragma once

#include "deckstore.h"
#include "platform.h"

#include <QMainWindow>

class QAction;
class QCheckBox;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace memoquill {

class EditorLink;

// The review window: one side of one card at a time, Next Card and Flip, and the options
// Random, Skip First Card and Show Back First.
class CardReader : public QMainWindow
{
    Q_OBJECT

public:
    CardReader(DeckStore &deck, Platform &platform, EditorLink &editor, QWidget *parent = nullptr);
    ~CardReader() override;

    bool isClosing() const { return m_closing; }

    QPlainTextEdit *TCard;
    QCheckBox *CBack;
    QCheckBox *CSFirst;
    QPushButton *BNext;
    QPushButton *BFlip;
    QCheckBox *CRand;

    QMenu *MFiler;
    QAction *MNewr;
    QAction *Msaver;
    QAction *MSaverasr;
    QAction *MLoader;
    QAction *space;
    QAction *Mexitr;
    QAction *MCCreate;

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
    EditorLink &m_editor;
    bool m_closing = false;
};

} // namespace memoquill
