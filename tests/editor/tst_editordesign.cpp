// The editor window as the user first meets it: controls, texts, menus, focus and keys.
#include "support/testapp.h"

#include "platform/accesskeybutton.h"
#include "platform/twips.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTextDocument>

using namespace memoquill;
using namespace memoquill::test;
using namespace Qt::StringLiterals;

namespace {

QString rawText(const QPlainTextEdit *box)
{
    // The document's own text, with paragraph breaks shown as CR LF.
    return box->document()->toRawText().replace(QChar::ParagraphSeparator, u"\r\n"_s);
}

} // namespace

class TestEditorDesign : public AppTest
{
    Q_OBJECT

    CardCreate *editor = nullptr;

private Q_SLOTS:
    void init()
    {
        AppTest::init();
        editor = app->editor();
    }

    void windowAndClientArea()
    {
        QCOMPARE(editor->windowTitle(), u"Memoquill - CardCreate"_s);
        QCOMPARE(editor->centralWidget()->size(), QSize(617, 272));
        // Fixed: the frame cannot be resized.
        QCOMPARE(editor->minimumSize(), editor->maximumSize());
        QVERIFY(!app->reader());
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");

        QTest::newRow("TBack") << u"TBack"_s << u"QPlainTextEdit"_s
                               << u"There currently no cards.  Create a card first \r\nby clicking "
                                  u"\"New card\"or load a Memoquill file\r\n"_s
                               << twipsRect(5520, 480, 3615, 3495);
        QTest::newRow("TFront") << u"TFront"_s << u"QPlainTextEdit"_s
                                << u"There currently no cards.  Create a card first by clicking "
                                   u"\"New Card\" or load a Memoquill file\r\n"_s
                                << twipsRect(1680, 480, 3615, 3495);
        QTest::newRow("List") << u"List"_s << u"memoquill::CardListBox"_s << QString()
                              << twipsRect(120, 480, 1455, 2595);
        QTest::newRow("BDel") << u"BDel"_s << u"memoquill::AccessKeyButton"_s << u"&Delete Card"_s
                              << twipsRect(120, 3600, 1455, 375);
        QTest::newRow("BNew") << u"BNew"_s << u"memoquill::AccessKeyButton"_s << u"Ne&w Card"_s
                              << twipsRect(120, 3120, 1455, 375);
        QTest::newRow("LTitle") << u"LTitle"_s << u"QLabel"_s << QString()
                                << twipsRect(2400, 120, 5775, 255);
        QTest::newRow("Label3") << u"Label3"_s << u"QLabel"_s << u"Card List"_s
                                << twipsRect(120, 240, 615, 255);
        QTest::newRow("Label2") << u"Label2"_s << u"QLabel"_s << u"Back"_s
                                << twipsRect(8520, 240, 375, 255);
        QTest::newRow("Label1") << u"Label1"_s << u"QLabel"_s << u"Front"_s
                                << twipsRect(1680, 240, 375, 255);
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);

        auto *control = editor->findChild<QWidget *>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(QString::fromLatin1(control->metaObject()->className()), className);
        QCOMPARE(control->parentWidget(), editor->centralWidget());
        QCOMPARE(control->geometry(), geometry);
        if (auto *box = qobject_cast<QPlainTextEdit *>(control)) {
            QCOMPARE(rawText(box), caption);
            QVERIFY(box->isReadOnly());
            QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        } else if (auto *button = qobject_cast<QPushButton *>(control)) {
            QCOMPARE(button->text(), caption);
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
        } else if (auto *label = qobject_cast<QLabel *>(control)) {
            QCOMPARE(label->text(), caption);
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        } else if (auto *list = qobject_cast<CardListBox *>(control)) {
            QCOMPARE(list->count(), 0);
            QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
            QCOMPARE(list->editTriggers(), QAbstractItemView::NoEditTriggers);
            QCOMPARE(list->selectedRow(), -1);
        }
    }

    void initialState()
    {
        QVERIFY(editor->LTitle->text().isEmpty());
        QVERIFY(!editor->sure.has_value());
        QVERIFY(!editor->AskLoad);
        QCOMPARE(QApplication::focusWidget(), editor->BNew);
    }

    void menuTreeMatchesTheDesign()
    {
        COMPARE_MENUS_TO_DESIGN(menuTree(editor->menuBar()), u"CardCreate"_s, MenuReading::Tree);
        // The menus live in the window, not in a desktop-wide bar.
        QVERIFY(!editor->menuBar()->isNativeMenuBar());
    }

    void tabOrder()
    {
        QStringList visited;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(visited, (QStringList{u"BDel"_s, u"List"_s, u"TFront"_s, u"TBack"_s, u"BNew"_s}));
    }

    void readOnlyBoxesStillTakeFocusAndSelect()
    {
        editor->TFront->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), editor->TFront);
        const QString before = rawText(editor->TFront);
        QTest::keyClicks(editor->TFront, u"typed"_s);
        QTest::keyClick(editor->TFront, Qt::Key_Return);
        QCOMPARE(rawText(editor->TFront), before);
        // Keyboard selection works on a read-only box.
        QTest::keyClick(editor->TFront, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(editor->TFront, Qt::Key_End, Qt::ShiftModifier);
        QVERIFY(editor->TFront->textCursor().hasSelection());
    }

    // A key whose menu item, menu or button is disabled does nothing in either window, and
    // does not fall through to the control with the focus: no Select All, no letter typed, no
    // clipboard change, no reader created.
    void disabledKeysDoNothing_data()
    {
        QTest::addColumn<bool>("inReader");
        // With one card, so that only the Edit menu is disabled (the focus is out of the boxes).
        QTest::addColumn<bool>("withCard");
        QTest::addColumn<QString>("focus");
        // The disabled item, menu or button, and the item or button that must not act: none for
        // the Edit menu, whose items still run and find nothing to do, as the outcome shows.
        QTest::addColumn<QString>("disabled");
        QTest::addColumn<QString>("watched");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        const int ctrl = Qt::ControlModifier;
        const int alt = Qt::AltModifier;
        QTest::newRow("Ctrl+S, Save")
            << false << false << u"TFront"_s << u"MSave"_s << u"MSave"_s << int(Qt::Key_S) << ctrl;
        QTest::newRow("Ctrl+A, Save As") << false << false << u"TFront"_s << u"MSaveAs"_s
                                         << u"MSaveAs"_s << int(Qt::Key_A) << ctrl;
        QTest::newRow("Alt+R, CardReader")
            << false << false << u"TFront"_s << u"MCRead"_s << u"MCRead"_s << int(Qt::Key_R) << alt;
        QTest::newRow("Alt+D, Delete Card")
            << false << false << u"TFront"_s << u"BDel"_s << u"BDel"_s << int(Qt::Key_D) << alt;
        QTest::newRow("Ctrl+X, Edit menu")
            << false << true << u"List"_s << u"MEdit"_s << QString() << int(Qt::Key_X) << ctrl;
        QTest::newRow("Ctrl+V, Edit menu")
            << false << true << u"List"_s << u"MEdit"_s << QString() << int(Qt::Key_V) << ctrl;
        QTest::newRow("reader's Ctrl+S, Save")
            << true << false << u"CRand"_s << u"Msaver"_s << u"Msaver"_s << int(Qt::Key_S) << ctrl;
    }

    void disabledKeysDoNothing()
    {
        QFETCH(bool, inReader);
        QFETCH(bool, withCard);
        QFETCH(QString, focus);
        QFETCH(QString, disabled);
        QFETCH(QString, watched);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        if (withCard) {
            newCard(*app, u"A"_s);
            app->platform.clearShown();
        }
        app->platform.setClipboardText(u"clip"_s);
        editor->TFront->setReadOnly(false);
        editor->TFront->setPlainText(u"text"_s);
        QTextCursor selection = editor->TFront->textCursor();
        selection.setPosition(1);
        selection.setPosition(3, QTextCursor::KeepAnchor);
        editor->TFront->setTextCursor(selection);
        QWidget *window = editor;
        if (inReader) {
            CardReader *reader = app->windows->reader();
            reader->show();
            QVERIFY(activate(reader));
            window = reader;
        }
        if (auto *button = window->findChild<QAbstractButton *>(disabled))
            button->setEnabled(false);
        auto *target = window->findChild<QWidget *>(focus);
        QVERIFY(target);
        // From a text box, as the Edit menu is disabled when the focus leaves one.
        editor->TFront->setFocus(Qt::MouseFocusReason);
        target->setFocus(Qt::TabFocusReason);
        const auto *menu = window->findChild<QMenu *>(disabled);
        const auto *item = menu ? menu->menuAction() : window->findChild<QAction *>(disabled);
        QVERIFY(item || window->findChild<QAbstractButton *>(disabled));
        QVERIFY(!(item ? item->isEnabled() : window->findChild<QWidget *>(disabled)->isEnabled()));
        std::unique_ptr<QSignalSpy> acted;
        if (auto *watchedItem = window->findChild<QAction *>(watched))
            acted = std::make_unique<QSignalSpy>(watchedItem, &QAction::triggered);
        else if (auto *button = window->findChild<QAbstractButton *>(watched))
            acted = std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked);
        QVERIFY(acted || watched.isEmpty());

        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(acted ? acted->count() : 0, 0);
        QCOMPARE(QApplication::focusWidget(), target);
        QCOMPARE(rawText(editor->TFront), u"text"_s);
        QCOMPARE(editor->TFront->textCursor().selectedText(), u"ex"_s);
        QCOMPARE(app->platform.clipboardText(), u"clip"_s);
        // Alt+R did not create the reader (a card creates it hidden).
        if (!inReader && !withCard)
            QVERIFY(!app->reader());
    }

    void enabledMenuKeysWinOverTheTextBox_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("key");
        QTest::newRow("Ctrl+N") << u"Mnew"_s << int(Qt::Key_N);
        QTest::newRow("Ctrl+S") << u"MSave"_s << int(Qt::Key_S);
        QTest::newRow("Ctrl+A") << u"MSaveAs"_s << int(Qt::Key_A);
        QTest::newRow("Ctrl+L") << u"Mload"_s << int(Qt::Key_L);
        QTest::newRow("Ctrl+Q") << u"Mexit"_s << int(Qt::Key_Q);
        QTest::newRow("Ctrl+X") << u"MCut"_s << int(Qt::Key_X);
        QTest::newRow("Ctrl+C") << u"MCopy"_s << int(Qt::Key_C);
        QTest::newRow("Ctrl+V") << u"MPaste"_s << int(Qt::Key_V);
    }

    void enabledMenuKeysWinOverTheTextBox()
    {
        QFETCH(QString, item);
        QFETCH(int, key);
        auto *action = editor->findChild<QAction *>(item);
        QVERIFY(action);
        action->setEnabled(true);
        // Watch the item without running what it does.
        QSignalSpy spy(action, &QAction::triggered);
        action->disconnect(editor);

        // An editable box claims these keys for itself unless the menus take them back.
        editor->TFront->setReadOnly(false);
        editor->TFront->setFocus(Qt::TabFocusReason);
        QTest::keyClick(editor->TFront, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(spy.count(), 1);
        QVERIFY(!editor->TFront->textCursor().hasSelection());
    }

    void accessKeysPressTheButtons()
    {
        QSignalSpy newCard(editor->BNew, &QPushButton::clicked);
        QSignalSpy deleteCard(editor->BDel, &QPushButton::clicked);
        editor->BNew->disconnect(editor);
        editor->BDel->disconnect(editor);

        editor->List->setFocus(Qt::TabFocusReason);
        QTest::keyClick(editor->List, Qt::Key_W, Qt::AltModifier);
        QCOMPARE(newCard.count(), 1);
        QCOMPARE(QApplication::focusWidget(), editor->BNew);
        QTest::keyClick(editor->BNew, Qt::Key_D, Qt::AltModifier);
        QCOMPARE(deleteCard.count(), 1);
        QCOMPARE(QApplication::focusWidget(), editor->BDel);
    }

    void aboutActsAtOnceFromItsAccessKey()
    {
        QSignalSpy about(editor->MAbout, &QAction::triggered);
        editor->MAbout->disconnect(editor);
        QTest::keyClick(editor->BNew, Qt::Key_A, Qt::AltModifier);
        QCOMPARE(about.count(), 1);
        QVERIFY(!QApplication::activePopupWidget());
    }
};

QTEST_MAIN(TestEditorDesign)
#include "tst_editordesign.moc"
