// Creating, picking and deleting cards, and typed text reaching the shown card.
#include "support/testapp.h"

#include <QLabel>
#include <QMenu>
#include <QTimer>

using namespace memoquill;
using namespace memoquill::test;
using namespace Qt::StringLiterals;

class TestCardEditing : public AppTest
{
    Q_OBJECT

    CardCreate *editor = nullptr;

    // The named cards made with New Card, each side typed ("<name> front", "<name> back") and
    // committed by Tab; the last card stays shown, with nothing selected.
    void deckOf(std::initializer_list<QString> names)
    {
        for (const QString &name : names) {
            newCard(*app, name);
            typeInto(editor->TFront, name + u" front"_s);
            QTest::keyClick(editor->TFront, Qt::Key_Tab);
            QTest::keyClicks(editor->TBack, name + u" back"_s);
            QTest::keyClick(editor->TBack, Qt::Key_Tab);
        }
        app->platform.clearShown();
    }

    void verifyMessage(const QString &prompt, const QString &title, MsgButtons buttons,
                       MsgIcon icon)
    {
        const ShownBox box = app->platform.takeShown();
        QCOMPARE(box.kind, ShownBox::Message);
        QCOMPARE(box.prompt, prompt);
        QCOMPARE(box.title, title);
        QCOMPARE(box.buttons, buttons);
        QCOMPARE(box.icon, icon);
    }

private Q_SLOTS:
    void init()
    {
        AppTest::init();
        editor = app->editor();
    }

    void newCardOnTheEmptyDeck()
    {
        newCard(*app, u"Apple"_s);
        const ShownBox input = app->platform.takeShown();
        QCOMPARE(input.kind, ShownBox::Input);
        QCOMPARE(input.prompt, u"Please type the name of the new card"_s);
        QCOMPARE(input.title, u"New Card"_s);
        QCOMPARE(input.initialText, QString());

        QCOMPARE(app->deck.CardCount(), 1);
        QCOMPARE(app->deck.Cards(1), (CardRecord{u"Apple"_s, {}, {}}));
        QCOMPARE(app->deck.CardIndex, 1);
        QCOMPARE(listNames(editor->List), QStringList{u"Apple"_s});
        QCOMPARE(selectedRow(editor->List), -1);
        QCOMPARE(editor->LTitle->text(), u"Apple"_s);
        QCOMPARE(textOf(editor->TFront), QString());
        QCOMPARE(textOf(editor->TBack), QString());
        QVERIFY(!editor->TFront->isReadOnly());
        QVERIFY(!editor->TBack->isReadOnly());
        QVERIFY(editor->MSave->isEnabled());
        QVERIFY(editor->MSaveAs->isEnabled());
        QVERIFY(editor->MCRead->isEnabled());
        QVERIFY(app->reader());
        QVERIFY(!app->reader()->isVisible());
        QVERIFY(app->reader()->Msaver->isEnabled());
        QVERIFY(app->reader()->MSaverasr->isEnabled());
        // The focus stays where it was.
        QCOMPARE(QApplication::focusWidget(), editor->BNew);
    }

    void namesThatAddNothing_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::newRow("cancelled") << QString();
        QTest::newRow("blanks only") << u"   "_s;
    }

    void namesThatAddNothing()
    {
        QFETCH(QString, answer);
        deckOf({u"A"_s});
        app->deck.CardIndex = 7;
        newCard(*app, answer);
        app->platform.takeShown();
        QCOMPARE(app->deck.CardCount(), 1);
        QCOMPARE(listNames(editor->List), QStringList{u"A"_s});
        QCOMPARE(app->deck.CardIndex, 7);
        QVERIFY(app->platform.shown().isEmpty());
    }

    void namesAreTrimmedOfBlanksOnly()
    {
        newCard(*app, u"  Apple  "_s);
        newCard(*app, u"\tPear "_s);
        QCOMPARE(listNames(editor->List), (QStringList{u"Apple"_s, u"\tPear"_s}));
    }

    void duplicateNamesAreRefusedCaseSensitively()
    {
        deckOf({u"Apple"_s, u"Banana"_s});
        newCard(*app, u"apple"_s);
        QCOMPARE(app->deck.CardCount(), 3);
        app->platform.clearShown();

        app->platform.answerInput(u" Banana"_s);
        app->platform.answerMessage(MsgResult::Ok);
        editor->BNew->click();
        app->platform.takeShown();
        verifyMessage(u"There is already a card with that name."_s, u"Name already in use"_s,
                      MsgButtons::Ok, MsgIcon::None);
        QCOMPARE(app->deck.CardCount(), 3);
        QCOMPARE(app->deck.CardIndex, 2);
        QCOMPARE(editor->LTitle->text(), u"apple"_s);
    }

    void aFullDeckTakesNoMoreCards()
    {
        fillDeck(*app, DeckStore::MaxCards);
        clickListRow(editor->List, 4);
        app->platform.answerMessage(MsgResult::Ok);
        editor->BNew->click();
        verifyMessage(u"The deck is full: it cannot hold more than 32767 cards."_s, u"New Card"_s,
                      MsgButtons::Ok, MsgIcon::Exclamation);
        QCOMPARE(app->deck.CardCount(), DeckStore::MaxCards);
        QCOMPARE(app->deck.CardIndex, 5);
        QCOMPARE(editor->List->count(), DeckStore::MaxCards);
    }

    void newCardKeepsTheSelectionAndDeleteAsksAboutIt()
    {
        deckOf({u"A"_s, u"B"_s});
        clickListRow(editor->List, 0);
        newCard(*app, u"C"_s);
        app->platform.takeShown();
        QCOMPARE(selectedRow(editor->List), 0);
        QCOMPARE(editor->LTitle->text(), u"C"_s);

        app->platform.answerMessage(MsgResult::No);
        editor->BDel->click();
        verifyMessage(u"Are you sure you wish to delete 'A'?"_s, u"Delete Card?"_s,
                      MsgButtons::YesNo, MsgIcon::None);
        // Clicking the selected item shows it again.
        clickListRow(editor->List, 0);
        QCOMPARE(editor->LTitle->text(), u"A"_s);
    }

    void pickingShowsTheCard()
    {
        deckOf({u"A"_s, u"B"_s, u"C"_s});
        clickListRow(editor->List, 1);
        QCOMPARE(editor->LTitle->text(), u"B"_s);
        QCOMPARE(textOf(editor->TFront), u"B front"_s);
        QCOMPARE(textOf(editor->TBack), u"B back"_s);
        QCOMPARE(app->deck.CardIndex, 2);
        // The keyboard picks too.
        QTest::keyClick(editor->List, Qt::Key_Down);
        QCOMPARE(editor->LTitle->text(), u"C"_s);
        QCOMPARE(app->deck.CardIndex, 3);
    }

    // Once a card is picked the list keeps one selected card, whatever the user does; only the
    // program clears the selection (Delete Card, New, Load).
    void userGesturesKeepTheSelection()
    {
        deckOf({u"A"_s, u"B"_s, u"C"_s});
        clickListRow(editor->List, 1);
        QCOMPARE(selectedRow(editor->List), 1);

        const QRect row = editor->List->visualRect(editor->List->model()->index(1, 0));
        QTest::mouseClick(editor->List->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          row.center());
        QCOMPARE(selectedRow(editor->List), 1);
        QTest::keyClick(editor->List, Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(selectedRow(editor->List), 1);
        // Below the last row, where there is no card.
        QTest::mouseClick(editor->List->viewport(), Qt::LeftButton, {},
                          QPoint(5, editor->List->viewport()->height() - 3));
        QCOMPARE(selectedRow(editor->List), 1);
        QCOMPARE(editor->LTitle->text(), u"B"_s);
        QCOMPARE(textOf(editor->TFront), u"B front"_s);

        // Ctrl+click on another row picks that one.
        const QRect last = editor->List->visualRect(editor->List->model()->index(2, 0));
        QTest::mouseClick(editor->List->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          last.center());
        QCOMPARE(selectedRow(editor->List), 2);
        QCOMPARE(editor->LTitle->text(), u"C"_s);
    }

    void twoCardsOfOneNameShowTheFirst()
    {
        loadDeck(*app, deckRecord("Twin", "first", "") + deckRecord("Twin", "second", ""));
        clickListRow(editor->List, 1);
        QCOMPARE(textOf(editor->TFront), u"first"_s);
        QCOMPARE(app->deck.CardIndex, 1);
    }

    void typedTextIsCommittedBeforeTheNextCardShows()
    {
        deckOf({u"A"_s, u"B"_s});
        clickListRow(editor->List, 0);
        typeInto(editor->TFront, u" more"_s);
        typeInto(editor->TBack, u"\n2"_s.replace(u'\n', u'\r'));
        clickListRow(editor->List, 1);
        QCOMPARE(app->deck.Cards(1).front, u"A front more"_s);
        QCOMPARE(app->deck.Cards(1).back, u"A back\r\n2"_s);
        QCOMPARE(textOf(editor->TFront), u"B front"_s);

        // And back again: the committed text is shown.
        clickListRow(editor->List, 0);
        QCOMPARE(textOf(editor->TFront), u"A front more"_s);
    }

    void typedTextIsCommittedBeforeNewCard()
    {
        deckOf({u"A"_s});
        typeInto(editor->TFront, u"typed"_s);
        app->platform.answerInput(u"B"_s);
        click(editor->BNew);
        QCOMPARE(app->deck.Cards(1).front, u"A fronttyped"_s);
        QCOMPARE(app->deck.Cards(2), (CardRecord{u"B"_s, {}, {}}));
        QCOMPARE(editor->LTitle->text(), u"B"_s);
    }

    void accessKeyCommitsBeforeItsButton()
    {
        deckOf({u"A"_s});
        typeInto(editor->TBack, u"by key"_s);
        app->platform.answerInput(QString());
        QTest::keyClick(editor->TBack, Qt::Key_W, Qt::AltModifier);
        QCOMPARE(app->platform.takeShown().kind, ShownBox::Input);
        QCOMPARE(app->deck.Cards(1).back, u"A backby key"_s);
        QCOMPARE(QApplication::focusWidget(), editor->BNew);
    }

    void switchingWindowsOrOpeningMenusDoesNotCommit()
    {
        deckOf({u"A"_s});
        typeInto(editor->TFront, u"draft"_s);
        QWidget other;
        other.show();
        QVERIFY(activate(&other));
        QCOMPARE(app->deck.Cards(1).front, u"A front"_s);
        QVERIFY(activate(editor));
        QCOMPARE(QApplication::focusWidget(), editor->TFront);
        QVERIFY(editor->MEdit->menuAction()->isEnabled());

        QTimer::singleShot(0, editor->MEdit, &QMenu::close);
        editor->MEdit->exec(QPoint(0, 0));
        QCOMPARE(app->deck.Cards(1).front, u"A front"_s);
        QVERIFY(editor->MEdit->menuAction()->isEnabled());
        // The box is still the window's focused control.
        QCOMPARE(editor->focusWidget(), editor->TFront);
    }

    void deleteWithNothingSelectedWarns_data()
    {
        QTest::addColumn<MsgResult>("answer");
        QTest::newRow("OK") << MsgResult::Ok;
        QTest::newRow("Cancel") << MsgResult::Cancel;
    }

    void deleteWithNothingSelectedWarns()
    {
        QFETCH(MsgResult, answer);
        deckOf({u"A"_s});
        app->deck.CardIndex = 9;
        app->platform.answerMessage(answer);
        editor->BDel->click();
        verifyMessage(u"There is no card selected"_s, u"Cannot delete what does not exist!"_s,
                      MsgButtons::OkCancel, MsgIcon::Exclamation);
        QCOMPARE(app->deck.Cards(1).name, u"A"_s);
        QCOMPARE(editor->List->count(), 1);
        QCOMPARE(app->deck.CardIndex, 9);
    }

    void deleteAnsweredNoChangesNothing()
    {
        deckOf({u"A"_s, u"B"_s});
        clickListRow(editor->List, 1);
        app->platform.answerMessage(MsgResult::No);
        editor->BDel->click();
        app->platform.takeShown();
        QCOMPARE(app->deck.Cards(2).name, u"B"_s);
        QCOMPARE(listNames(editor->List), (QStringList{u"A"_s, u"B"_s}));
        QCOMPARE(editor->LTitle->text(), u"B"_s);
        QCOMPARE(app->deck.CardIndex, 2);
    }

    void deleteBlanksTheSlotInPlace()
    {
        deckOf({u"A"_s, u"B"_s, u"C"_s});
        clickListRow(editor->List, 1);
        app->platform.answerMessage(MsgResult::Yes);
        click(editor->BDel);
        QCOMPARE(app->deck.CardCount(), 3);
        QCOMPARE(app->deck.Cards(2), CardRecord{});
        QCOMPARE(app->deck.Cards(3).name, u"C"_s);
        QCOMPARE(app->deck.CardIndex, 2);
        QCOMPARE(listNames(editor->List), (QStringList{u"A"_s, u"C"_s}));
        QCOMPARE(selectedRow(editor->List), -1);
        QCOMPARE(editor->LTitle->text(), QString());
        QCOMPARE(textOf(editor->TFront), QString());
    }

    void deletingTheOnlyCardLeavesAnEditableEmptyEditor()
    {
        deckOf({u"Only"_s});
        clickListRow(editor->List, 0);
        app->platform.answerMessage(MsgResult::Yes);
        editor->BDel->click();
        QCOMPARE(editor->List->count(), 0);
        QCOMPARE(app->deck.CardCount(), 1);
        QVERIFY(app->deck.Cards(1).name.isEmpty());
        QVERIFY(!editor->TFront->isReadOnly());
        QVERIFY(editor->MSave->isEnabled());
        QVERIFY(editor->MCRead->isEnabled());
        QCOMPARE(textOf(editor->TFront), QString());
    }

    void typingAfterADeleteLandsInTheFirstBlankSlot()
    {
        deckOf({u"A"_s, u"B"_s, u"C"_s});
        for (int row : {2, 1}) {
            clickListRow(editor->List, row);
            app->platform.answerMessage(MsgResult::Yes);
            editor->BDel->click();
        }
        typeInto(editor->TFront, u"orphan"_s);
        click(editor->List);
        QCOMPARE(app->deck.Cards(2).front, u"orphan"_s);
        QCOMPARE(app->deck.Cards(2).name, QString());
        QCOMPARE(app->deck.Cards(3).front, QString());
    }

    void leavingABoxOnTheEmptyDeckChangesNothing()
    {
        editor->TFront->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(editor->TFront, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), editor->List);
        QCOMPARE(app->deck.CardCount(), 0);
        QCOMPARE(app->deck.CardIndex, 1);
        QVERIFY(!editor->MEdit->menuAction()->isEnabled());
        // The waiting text went nowhere: the first card starts empty.
        newCard(*app, u"First"_s);
        QCOMPARE(app->deck.Cards(1), (CardRecord{u"First"_s, {}, {}}));
    }
};

QTEST_MAIN(TestCardEditing)
#include "tst_cardediting.moc"
