// The Edit menu follows the text boxes' focus and moves text between them and the clipboard;
// About and the joke item only show their boxes.
#include "support/testapp.h"

#include <QLabel>
#include <QMenu>

using namespace memoquill;
using namespace memoquill::test;
using namespace Qt::StringLiterals;

namespace {

void select(QPlainTextEdit *box, int from, int to)
{
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
}

} // namespace

class TestEditMenu : public AppTest
{
    Q_OBJECT

    CardCreate *editor = nullptr;

    bool editMenuEnabled() const { return editor->MEdit->menuAction()->isEnabled(); }

    // One card "A" shown with the given texts, the focus in TFront.
    void showCard(const QString &front, const QString &back)
    {
        newCard(*app, u"A"_s);
        app->platform.clearShown();
        editor->TFront->setPlainText(front);
        editor->TBack->setPlainText(back);
        editor->TFront->setFocus(Qt::MouseFocusReason);
    }

private Q_SLOTS:
    void init()
    {
        AppTest::init();
        editor = app->editor();
    }

    void menuFollowsTheFocusOfTheBoxes()
    {
        // Enabled at start although no box has the focus.
        QCOMPARE(QApplication::focusWidget(), editor->BNew);
        QVERIFY(editMenuEnabled());
        newCard(*app, u"A"_s);
        app->platform.clearShown();

        typeInto(editor->TFront, u"front"_s);
        QVERIFY(editMenuEnabled());
        QTest::keyClick(editor->TFront, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), editor->TBack);
        QVERIFY(editMenuEnabled());
        QCOMPARE(app->deck.Cards(1).front, u"front"_s);
        QTest::keyClick(editor->TBack, Qt::Key_Tab);
        QVERIFY(!editMenuEnabled());
        click(editor->TBack);
        QVERIFY(editMenuEnabled());
    }

    void copyPutsExactlyTheSelectionOnTheClipboard()
    {
        showCard(u"one\r\ntwo three"_s, QString());
        select(editor->TFront, 2, 7);
        QTest::keyClick(editor->TFront, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(app->platform.clipboardText(), u"e\r\ntwo"_s);
        QCOMPARE(textOf(editor->TFront), u"one\r\ntwo three"_s);
    }

    void cutAlsoRemovesItAndTheDeckWaitsForTheCommit()
    {
        showCard(u"one two"_s, QString());
        editor->AutoUpdate();
        select(editor->TFront, 3, 7);
        QTest::keyClick(editor->TFront, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(app->platform.clipboardText(), u" two"_s);
        QCOMPARE(textOf(editor->TFront), u"one"_s);
        QCOMPARE(app->deck.Cards(1).front, u"one two"_s);
        QTest::keyClick(editor->TFront, Qt::Key_Tab);
        QCOMPARE(app->deck.Cards(1).front, u"one"_s);
    }

    void availabilityLooksAtBothBoxes()
    {
        showCard(u"front"_s, u"back"_s);
        select(editor->TBack, 0, 4);
        app->platform.setClipboardText(u"before"_s);
        QVERIFY(trigger(editor->MCopy));
        // The focused TFront has no selection: the clipboard is emptied and gets empty text.
        QCOMPARE(app->platform.clipboardContent(), std::optional<QString>(QString()));
        QVERIFY(trigger(editor->MCut));
        QCOMPARE(textOf(editor->TFront), u"front"_s);
        QCOMPARE(textOf(editor->TBack), u"back"_s);
    }

    void noSelectionAnywhereLeavesTheClipboard()
    {
        showCard(u"front"_s, u"back"_s);
        app->platform.setClipboardText(u"keep"_s);
        QVERIFY(trigger(editor->MCopy));
        QVERIFY(trigger(editor->MCut));
        QCOMPARE(app->platform.clipboardText(), u"keep"_s);
    }

    void pasteReplacesTheSelectionOrInsertsAtTheCaret()
    {
        showCard(u"abcdef"_s, QString());
        app->platform.setClipboardText(u"X\r\nY"_s);
        select(editor->TFront, 1, 3);
        QTest::keyClick(editor->TFront, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(textOf(editor->TFront), u"aX\r\nYdef"_s);
        QTextCursor caret = editor->TFront->textCursor();
        caret.setPosition(0);
        editor->TFront->setTextCursor(caret);
        QVERIFY(trigger(editor->MPaste));
        QCOMPARE(textOf(editor->TFront), u"X\r\nYaX\r\nYdef"_s);
    }

    void pasteWithAnImageOnTheClipboardRemovesTheSelection()
    {
        showCard(u"abcdef"_s, QString());
        app->platform.putImageOnClipboard();
        select(editor->TFront, 0, 3);
        QVERIFY(trigger(editor->MPaste));
        QCOMPARE(textOf(editor->TFront), u"def"_s);
    }

    void cutAndPasteWorkOnReadOnlyBoxes()
    {
        editor->TFront->setFocus(Qt::MouseFocusReason);
        QVERIFY(editor->TFront->isReadOnly());
        select(editor->TFront, 0, 6);
        QVERIFY(trigger(editor->MCut));
        QCOMPARE(app->platform.clipboardText(), u"There "_s);
        QVERIFY(textOf(editor->TFront).startsWith(u"currently"_s));
        QVERIFY(trigger(editor->MPaste));
        QVERIFY(textOf(editor->TFront).startsWith(u"There currently"_s));
    }

    void atStartTheMenuDoesNothing()
    {
        app->platform.setClipboardText(u"clip"_s);
        QVERIFY(trigger(editor->MCut));
        QVERIFY(trigger(editor->MCopy));
        QVERIFY(trigger(editor->MPaste));
        QCOMPARE(app->platform.clipboardText(), u"clip"_s);
        QVERIFY(editor->TFront->toPlainText().startsWith(u"There currently"_s));
    }

    void rightClickOffersTheEditMenusItems()
    {
        for (QPlainTextEdit *box : {editor->TFront, editor->TBack}) {
            QCOMPARE(box->contextMenuPolicy(), Qt::ActionsContextMenu);
            QCOMPARE(box->actions(),
                     (QList<QAction *>{editor->MCut, editor->MCopy, editor->MPaste}));
        }
        // Through the same handler as the menu: the selection reaches the platform's clipboard.
        showCard(u"right click"_s, QString());
        select(editor->TFront, 0, 5);
        editor->TFront->actions().at(1)->trigger();
        QCOMPARE(app->platform.clipboardText(), u"right"_s);
    }

    void aboutBox()
    {
        app->platform.answerMessage(MsgResult::Cancel);
        QVERIFY(trigger(editor->MAbout));
        const ShownBox box = app->platform.takeShown();
        QCOMPARE(
            box.prompt,
            u"Programmed by Alder Quimbly\r\nTested by Brisk Oddal\r\nTitle concept by Wend"_s);
        QCOMPARE(box.title, u"Memoquill"_s);
        QCOMPARE(box.buttons, MsgButtons::OkCancel);
        QCOMPARE(box.icon, MsgIcon::None);
        QVERIFY(app->platform.shown().isEmpty());
    }

    void jokeItemShowsOneBoxAndChangesNothing()
    {
        newCard(*app, u"A"_s);
        app->platform.clearShown();
        app->platform.answerMessage(MsgResult::Ok);
        QVERIFY(trigger(editor->MJoke));
        const ShownBox box = app->platform.takeShown();
        QCOMPARE(box.prompt, u"Dude! That was really dumb!\r\nWhat if that had really crashed "
                             u"your Computer?\r\nWhat would you do then?"_s);
        QCOMPARE(box.title, u"What were you thinking?"_s);
        QCOMPARE(box.buttons, MsgButtons::Ok);
        QCOMPARE(box.icon, MsgIcon::Exclamation);
        QVERIFY(app->platform.shown().isEmpty());
        QCOMPARE(app->deck.CardCount(), 1);
        QCOMPARE(editor->LTitle->text(), u"A"_s);
        QVERIFY(editor->MSave->isEnabled());
    }
};

QTEST_MAIN(TestEditMenu)
#include "tst_editmenu.moc"
