#include "reader/cardreader.h"

#include "platform/controls.h"
#include "platform/menukeyguard.h"
#include "platform/textbox.h"
#include "platform/twips.h"
#include "reader/editorlink.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace memoquill {

using namespace Qt::StringLiterals;

CardReader::CardReader(DeckStore &deck, Platform &platform, EditorLink &editor, QWidget *parent)
    : QMainWindow(parent)
    , m_deck(deck)
    , m_platform(platform)
    , m_editor(editor)
{
    buildDesign();
    buildMenus();
    connectHandlers();
    new MenuKeyGuard(this, menuBar());
}

CardReader::~CardReader() = default;

void CardReader::buildDesign()
{
    QWidget *client =
        setUpWindow(this, "CardReader", u"Memoquill - CardReader"_s, {twips(4320), twips(5640)});

    TCard = addTextBox(client, "TCard", tr("Card text"), twipsRect(120, 120, 4095, 3855));
    textbox::setText(TCard, tr("Cards Loaded Press \"Next Card\" to continue.\r\n"));
    textbox::setReadOnly(TCard, true);

    // The check boxes are narrow: a translation may have to shorten their captions.
    CBack =
        addControl<QCheckBox>(client, "CBack", tr("Show Back First", "check box, 97 pixels wide"),
                              twipsRect(2760, 5280, 1455, 255));
    CSFirst =
        addControl<QCheckBox>(client, "CSFirst", tr("Skip First Card", "check box, 89 pixels wide"),
                              twipsRect(2760, 4920, 1335, 375));
    BNext =
        addControl<QPushButton>(client, "BNext", tr("Next Card"), twipsRect(120, 4560, 2535, 975));
    BFlip = addControl<QPushButton>(client, "BFlip", tr("Flip"), twipsRect(120, 4080, 4095, 375));
    CRand = addControl<QCheckBox>(client, "CRand", tr("Random", "check box, 89 pixels wide"),
                                  twipsRect(2760, 4560, 1335, 375));

    TCard->setAccessibleDescription(tr("The side of the card shown"));
    TCard->verticalScrollBar()->setAccessibleName(tr("Card text scroll bar"));
    BNext->setAccessibleDescription(tr("Shows the next card"));
    BFlip->setAccessibleDescription(tr("Turns the card over"));
    CRand->setAccessibleDescription(tr("Picks the next card at random"));
    CSFirst->setAccessibleDescription(tr("Leaves the first card out of the review"));
    CBack->setAccessibleDescription(tr("Shows each card's back before its front"));

    setTabOrder(CRand, BFlip);
    setTabOrder(BFlip, BNext);
    setTabOrder(BNext, CSFirst);
    setTabOrder(CSFirst, CBack);
    setTabOrder(CBack, TCard);
    CRand->setFocus();
}

void CardReader::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(u"menuBar"_s);
    bar->setAccessibleName(tr("Menu bar"));

    MFiler = bar->addMenu(tr("&File"));
    MFiler->setObjectName(u"MFiler"_s);
    // A drop-down menu is its own window, which screen readers announce by this name.
    MFiler->setAccessibleName(tr("File"));
    MNewr = addMenuItem(MFiler, "MNewr", tr("New"), Qt::CTRL | Qt::Key_N);
    Msaver = addMenuItem(MFiler, "Msaver", tr("Save"), Qt::CTRL | Qt::Key_S, false);
    MSaverasr = addMenuItem(MFiler, "MSaverasr", tr("Save As"), Qt::CTRL | Qt::Key_A, false);
    MLoader = addMenuItem(MFiler, "MLoader", tr("Load"), Qt::CTRL | Qt::Key_L);
    space = addMenuSeparator(MFiler, "space");
    Mexitr = addMenuItem(MFiler, "Mexitr", tr("Exit"), Qt::CTRL | Qt::Key_Q);

    MCCreate = addMenuItem(bar, "MCCreate", tr("Card&Create"));
}

void CardReader::connectHandlers()
{
    connect(BNext, &QPushButton::clicked, this, &CardReader::BNext_Click);
    connect(BFlip, &QPushButton::clicked, this, &CardReader::BFlip_Click);
    connect(CSFirst, &QCheckBox::toggled, this, &CardReader::CSFirst_Click);
    connect(CBack, &QCheckBox::toggled, this, &CardReader::CBack_Click);
    connect(MCCreate, &QAction::triggered, this, &CardReader::MCCreate_Click);
    connect(MNewr, &QAction::triggered, this, &CardReader::MNewr_Click);
    connect(Msaver, &QAction::triggered, this, &CardReader::Msaver_Click);
    connect(MSaverasr, &QAction::triggered, this, &CardReader::MSaverasr_Click);
    connect(MLoader, &QAction::triggered, this, &CardReader::MLoader_Click);
    connect(Mexitr, &QAction::triggered, this, &CardReader::Mexitr_Click);
}

void CardReader::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        event->ignore();
        return;
    }
    m_closing = true;
    if (!m_closingForNew)
        Form_QueryUnload();
    event->accept();
    Q_EMIT closed();
}

void CardReader::Form_QueryUnload()
{
    m_editor.closeEditor();
}

void CardReader::MCCreate_Click()
{
    m_editor.showEditor();
    hideInPlace(this);
}

void CardReader::MNewr_Click()
{
    m_editor.Mnew_Click();
    // Whatever was answered, the reader goes; the editor, which New has just brought up to
    // date, stays open and no second save question is asked.
    m_closingForNew = true;
    close();
    m_editor.showEditor();
}

void CardReader::Msaver_Click()
{
    m_editor.MSave_Click();
}

void CardReader::MSaverasr_Click()
{
    m_editor.MSaveAs_Click();
}

void CardReader::MLoader_Click()
{
    m_editor.Mload_Click();
}

void CardReader::Mexitr_Click()
{
    m_editor.Mexit_Click();
}

} // namespace memoquill
