#include "cardreader.h"

#include "controls.h"
#include "editorlink.h"
#include "menukeyguard.h"
#include "textbox.h"
#include "twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace memoquill {

using namespace Qt::StringLiterals;

namespace {

const QString WaitingText = u"Cards Loaded Press \"Next Card\" to continue.\r\n"_s;

template <typename Control>
Control *make(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *control = new Control(caption, parent);
    control->setObjectName(QLatin1StringView(name));
    control->setGeometry(geometry);
    return control;
}

} // namespace

CardReader::CardReader(DeckStore &deck, Platform &platform, EditorLink &editor, QWidget *parent)
    : QMainWindow(parent)
    , m_deck(deck)
    , m_platform(platform)
    , m_editor(editor)
{
    setObjectName(u"CardReader"_s);
    setWindowTitle(u"Memoquill - CardReader"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    buildDesign();
    buildMenus();
    connectHandlers();
    new MenuKeyGuard(this, menuBar());
}

CardReader::~CardReader() = default;

void CardReader::buildDesign()
{
    auto *client = new QWidget(this);
    client->setObjectName(u"client"_s);
    client->setFixedSize(twips(4320), twips(5640));
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    TCard = addTextBox(client, "TCard", u"Card text"_s, twipsRect(120, 120, 4095, 3855));
    textbox::setText(TCard, WaitingText);
    textbox::setReadOnly(TCard, true);

    CBack =
        make<QCheckBox>(client, "CBack", u"Show Back First"_s, twipsRect(2760, 5280, 1455, 255));
    CSFirst =
        make<QCheckBox>(client, "CSFirst", u"Skip First Card"_s, twipsRect(2760, 4920, 1335, 375));
    BNext = make<QPushButton>(client, "BNext", u"Next Card"_s, twipsRect(120, 4560, 2535, 975));
    BFlip = make<QPushButton>(client, "BFlip", u"Flip"_s, twipsRect(120, 4080, 4095, 375));
    CRand = make<QCheckBox>(client, "CRand", u"Random"_s, twipsRect(2760, 4560, 1335, 375));

    TCard->setAccessibleDescription(u"The side of the card shown"_s);
    TCard->verticalScrollBar()->setAccessibleName(u"Card text scroll bar"_s);
    BNext->setAccessibleDescription(u"Shows the next card"_s);
    BFlip->setAccessibleDescription(u"Turns the card over"_s);
    CRand->setAccessibleDescription(u"Picks the next card at random"_s);
    CSFirst->setAccessibleDescription(u"Leaves the first card out of the review"_s);
    CBack->setAccessibleDescription(u"Shows each card's back before its front"_s);

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
    bar->setAccessibleName(u"Menu bar"_s);

    MFiler = bar->addMenu(u"&File"_s);
    MFiler->setObjectName(u"MFiler"_s);
    // A drop-down menu is its own window, which screen readers announce by this name.
    MFiler->setAccessibleName(u"File"_s);
    MNewr = addMenuItem(MFiler, "MNewr", u"New"_s, Qt::CTRL | Qt::Key_N);
    Msaver = addMenuItem(MFiler, "Msaver", u"Save"_s, Qt::CTRL | Qt::Key_S, false);
    MSaverasr = addMenuItem(MFiler, "MSaverasr", u"Save As"_s, Qt::CTRL | Qt::Key_A, false);
    MLoader = addMenuItem(MFiler, "MLoader", u"Load"_s, Qt::CTRL | Qt::Key_L);
    space = addMenuSeparator(MFiler, "space");
    Mexitr = addMenuItem(MFiler, "Mexitr", u"Exit"_s, Qt::CTRL | Qt::Key_Q);

    MCCreate = addMenuItem(bar, "MCCreate", u"Card&Create"_s);
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
