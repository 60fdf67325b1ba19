#include "editor/cardcreate.h"

#include "editor/cardlistbox.h"
#include "editor/readerlink.h"
#include "platform/accesskeybutton.h"
#include "platform/controls.h"
#include "platform/menukeyguard.h"
#include "platform/textbox.h"
#include "platform/twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace memoquill {

using namespace Qt::StringLiterals;

CardCreate::CardCreate(DeckStore &deck, Platform &platform, ReaderLink &reader, QWidget *parent)
    : QMainWindow(parent)
    , m_deck(deck)
    , m_platform(platform)
    , m_reader(reader)
{
    buildDesign();
    buildMenus();
    connectHandlers();
    new MenuKeyGuard(this, menuBar());
}

CardCreate::~CardCreate() = default;

void CardCreate::buildDesign()
{
    QWidget *client =
        setUpWindow(this, "CardCreate", u"Memoquill - CardCreate"_s, {twips(9255), twips(4080)});

    TBack = addTextBox(client, "TBack", tr("Back text"), twipsRect(5520, 480, 3615, 3495));
    TFront = addTextBox(client, "TFront", tr("Front text"), twipsRect(1680, 480, 3615, 3495));
    // What the empty text boxes say before any deck is there.
    textbox::setText(TBack, tr("There currently no cards.  Create a card first \r\nby clicking "
                               "\"New card\"or load a Memoquill file\r\n"));
    textbox::setText(TFront, tr("There currently no cards.  Create a card first by clicking "
                                "\"New Card\" or load a Memoquill file\r\n"));
    textbox::setReadOnly(TBack, true);
    textbox::setReadOnly(TFront, true);

    CD1 = m_platform.createFileDialog(this);

    List = new CardListBox(client);
    List->setObjectName(u"List"_s);
    List->setAccessibleName(tr("Card List"));
    place(List, twipsRect(120, 480, 1455, 2595));

    BDel = addControl<AccessKeyButton>(client, "BDel", tr("&Delete Card"),
                                       twipsRect(120, 3600, 1455, 375));
    BNew = addControl<AccessKeyButton>(client, "BNew", tr("Ne&w Card"),
                                       twipsRect(120, 3120, 1455, 375));

    LTitle = addLabel(client, "LTitle", QString(), twipsRect(2400, 120, 5775, 255));
    // Named by its text, so a screen reader reads the card's name, not a fixed word.
    LTitle->setAccessibleDescription(tr("The name of the card shown"));
    // The captions are narrow: a translation may have to shorten them.
    Label3 = addLabel(client, "Label3", tr("Card List", "caption, 41 pixels wide"),
                      twipsRect(120, 240, 615, 255));
    Label2 = addLabel(client, "Label2", tr("Back", "caption, 25 pixels wide"),
                      twipsRect(8520, 240, 375, 255));
    Label1 = addLabel(client, "Label1", tr("Front", "caption, 25 pixels wide"),
                      twipsRect(1680, 240, 375, 255));
    // Ties each caption to its control for screen readers; the captions have no access key,
    // so the buddies change no key.
    Label3->setBuddy(List);
    Label2->setBuddy(TBack);
    Label1->setBuddy(TFront);

    List->setAccessibleDescription(tr("The cards of the deck; pick one to show and edit it"));
    TFront->setAccessibleDescription(tr("The front of the card shown"));
    TBack->setAccessibleDescription(tr("The back of the card shown"));
    BNew->setAccessibleDescription(tr("Adds a card, asking for its name"));
    BDel->setAccessibleDescription(tr("Deletes the card selected in the card list"));
    TFront->verticalScrollBar()->setAccessibleName(tr("Front text scroll bar"));
    TBack->verticalScrollBar()->setAccessibleName(tr("Back text scroll bar"));

    setTabOrder(BNew, BDel);
    setTabOrder(BDel, List);
    setTabOrder(List, TFront);
    setTabOrder(TFront, TBack);
    BNew->setFocus();
}

void CardCreate::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(u"menuBar"_s);
    bar->setAccessibleName(tr("Menu bar"));

    MFile = bar->addMenu(tr("&File"));
    MFile->setObjectName(u"MFile"_s);
    // A drop-down menu is its own window, which screen readers announce by this name.
    MFile->setAccessibleName(tr("File"));
    Mnew = addMenuItem(MFile, "Mnew", tr("Ne&w"), Qt::CTRL | Qt::Key_N);
    MSave = addMenuItem(MFile, "MSave", tr("&Save"), Qt::CTRL | Qt::Key_S, false);
    MSaveAs = addMenuItem(MFile, "MSaveAs", tr("Save As"), Qt::CTRL | Qt::Key_A, false);
    Mload = addMenuItem(MFile, "Mload", tr("&Load"), Qt::CTRL | Qt::Key_L);
    spacer1 = addMenuSeparator(MFile, "spacer1");
    MJoke = addMenuItem(MFile, "MJoke", tr("Crash my Computer!"));
    spacer2 = addMenuSeparator(MFile, "spacer2");
    Mexit = addMenuItem(MFile, "Mexit", tr("E&xit"), Qt::CTRL | Qt::Key_Q);

    MEdit = bar->addMenu(tr("&Edit"));
    MEdit->setObjectName(u"MEdit"_s);
    MEdit->setAccessibleName(tr("Edit"));
    MCut = addMenuItem(MEdit, "MCut", tr("Cut"), Qt::CTRL | Qt::Key_X);
    MCopy = addMenuItem(MEdit, "MCopy", tr("Copy"), Qt::CTRL | Qt::Key_C);
    MPaste = addMenuItem(MEdit, "MPaste", tr("Paste"), Qt::CTRL | Qt::Key_V);

    // Menu-bar entries without a drop-down: choosing one acts at once.
    MCRead = addMenuItem(bar, "MCRead", tr("Card&Reader"), {}, false);
    MAbout = addMenuItem(bar, "MAbout", tr("&About"));
}

void CardCreate::connectHandlers()
{
    connect(BNew, &QPushButton::clicked, this, &CardCreate::BNew_Click);
    connect(BDel, &QPushButton::clicked, this, &CardCreate::BDel_Click);
    connect(List, &CardListBox::rowSelected, this, &CardCreate::List_Click);
    connect(List, &CardListBox::selectedRowClicked, this, &CardCreate::List_Click);
    TFront->installEventFilter(this);
    TBack->installEventFilter(this);
    for (QPlainTextEdit *box : {TFront, TBack}) {
        connect(box, &QPlainTextEdit::textChanged, this, [this] {
            if (!m_showingTexts)
                deckChanged();
        });
    }
    m_typingPause.setSingleShot(true);
    m_typingPause.setInterval(500);
    m_recoveryDeadline.setSingleShot(true);
    m_recoveryDeadline.setInterval(2000);
    connect(&m_typingPause, &QTimer::timeout, this, &CardCreate::writeRecoveryNow);
    connect(&m_recoveryDeadline, &QTimer::timeout, this, &CardCreate::writeRecoveryNow);

    // The Edit items do nothing while their menu is disabled, from the menu or a shortcut.
    const auto editItem = [this](QAction *item, void (CardCreate::*handler)()) {
        connect(item, &QAction::triggered, this, [this, handler] {
            if (MEdit->menuAction()->isEnabled())
                (this->*handler)();
        });
    };
    editItem(MCut, &CardCreate::MCut_Click);
    editItem(MCopy, &CardCreate::Mcopy_Click);
    editItem(MPaste, &CardCreate::Mpaste_Click);
    // A right click offers the Edit menu's own items, so it goes through the same handlers and
    // clipboard rather than the text box's private ones.
    for (QPlainTextEdit *box : {TFront, TBack}) {
        box->setContextMenuPolicy(Qt::ActionsContextMenu);
        box->addActions({MCut, MCopy, MPaste});
    }

    connect(Mnew, &QAction::triggered, this, &CardCreate::Mnew_Click);
    connect(MSave, &QAction::triggered, this, &CardCreate::MSave_Click);
    connect(MSaveAs, &QAction::triggered, this, &CardCreate::MSaveAs_Click);
    connect(Mload, &QAction::triggered, this, &CardCreate::Mload_Click);
    connect(Mexit, &QAction::triggered, this, &CardCreate::Mexit_Click);
    connect(MJoke, &QAction::triggered, this, &CardCreate::MJoke_Click);
    connect(MAbout, &QAction::triggered, this, &CardCreate::MAbout_Click);
    connect(MCRead, &QAction::triggered, this, &CardCreate::MCRead_Click);
}

bool CardCreate::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == TFront || watched == TBack) {
        const bool front = watched == TFront;
        if (event->type() == QEvent::FocusIn) {
            front ? TFront_GotFocus() : TBack_GotFocus();
        } else if (event->type() == QEvent::FocusOut) {
            // Opening a menu, switching windows or a modal box opening leaves the box the
            // focused control: only a move to another control of this window counts.
            switch (static_cast<QFocusEvent *>(event)->reason()) {
            case Qt::PopupFocusReason:
            case Qt::MenuBarFocusReason:
            case Qt::ActiveWindowFocusReason:
                break;
            default:
                front ? TFront_LostFocus() : TBack_LostFocus();
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CardCreate::setDeckItemsEnabled(bool enabled)
{
    MSave->setEnabled(enabled);
    MSaveAs->setEnabled(enabled);
    m_reader.setReaderSaveItemsEnabled(enabled);
    MCRead->setEnabled(enabled);
}

void CardCreate::setTextBoxesReadOnly(bool readOnly)
{
    textbox::setReadOnly(TFront, readOnly);
    textbox::setReadOnly(TBack, readOnly);
}

void CardCreate::MCRead_Click()
{
    // The reader shows the latest texts, also while a box still has the focus.
    AutoUpdate();
    hideInPlace(this);
    m_reader.openReader();
}

void CardCreate::closeEvent(QCloseEvent *event)
{
    // A request that arrives while this one is being handled (the reader's close asks the
    // editor to close again) changes nothing.
    if (m_closing) {
        event->ignore();
        return;
    }
    m_closing = true;
    bool cancel = false;
    Form_QueryUnload(cancel);
    m_closing = false;
    if (cancel) {
        event->ignore();
        return;
    }
    event->accept();
    Q_EMIT closed();
}

} // namespace memoquill
