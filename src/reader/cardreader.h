#pragma once

#include "deck/deckstore.h"
#include "platform/platform.h"

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

    // Starts a review: the first card (the second when Skip First Card is checked), on its
    // first side.
    void StartReview();

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

    // Mirror the Skip First Card and Show Back First boxes.
    bool SkipFirst = false;
    bool BackFirst = false;

Q_SIGNALS:
    // The window accepted a close request and is going away.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildDesign();
    void buildMenus();
    void connectHandlers();

    void BNext_Click();
    void BFlip_Click();
    void CSFirst_Click();
    void CBack_Click();

    void MCCreate_Click();
    void MNewr_Click();
    void Msaver_Click();
    void MSaverasr_Click();
    void MLoader_Click();
    void Mexitr_Click();
    // The reader is about to close, for any reason: close the editor too. Never refuses.
    void Form_QueryUnload();

    // Moves CardIndex to a random card other than the current one (and other than card 1
    // when Skip First Card is on).
    void randomPick();
    // Shows card i's first side: its back when Show Back First is on.
    void showFirstSide(qint32 i);
    void showSide(const QString &side);

    DeckStore &m_deck;
    Platform &m_platform;
    EditorLink &m_editor;
    bool m_closing = false;
    // File > New closes the reader without closing the editor.
    bool m_closingForNew = false;
};

} // namespace memoquill
