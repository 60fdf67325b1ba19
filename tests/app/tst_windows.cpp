// Moving between the two windows, the reader's File menu, and ending the application from
// either window with the save question asked once.
#include "support/testapp.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

using namespace memoquill;
using namespace memoquill::test;
using namespace Qt::StringLiterals;

class TestWindows : public AppTest
{
    Q_OBJECT

    CardCreate *editor() { return app->editor(); }
    CardReader *reader() { return app->reader(); }
    QString shown() { return textOf(reader()->TCard); }

    // Two unsaved cards, A and B, typed in the editor; B is shown.
    void twoCards()
    {
        newCard(*app, u"A"_s);
        typeInto(editor()->TFront, u"A front"_s);
        app->platform.answerInput(u"B"_s);
        click(editor()->BNew);
        typeInto(editor()->TFront, u"B front"_s);
        app->platform.clearShown();
    }

    void openReader()
    {
        QVERIFY(trigger(editor()->MCRead));
        QVERIFY(reader() && reader()->isVisible());
        QVERIFY(!editor()->isVisible());
    }

    QStringList shownTitles()
    {
        QStringList titles;
        for (const ShownBox &box : app->platform.shown())
            titles.append(box.kind == ShownBox::Message || box.kind == ShownBox::Input
                              ? box.title
                              : u"dialog"_s);
        app->platform.clearShown();
        return titles;
    }

private Q_SLOTS:
    void editedTextsReachTheReaderWithoutAnotherClick()
    {
        twoCards();
        // The focus is still in the box: no focus change has committed "B front".
        QCOMPARE(app->deck.Cards(2).front, QString());
        clickListRow(editor()->List, 1);
        typeInto(editor()->TFront, u" more"_s);
        openReader();
        QCOMPARE(app->deck.Cards(2).front, u"B front more"_s);
        QCOMPARE(shown(), u"A front"_s);
        reader()->BNext->click();
        QCOMPARE(shown(), u"B front more"_s);
    }

    void checkBoxesSurviveASwitchAndTheReviewRestarts()
    {
        twoCards();
        openReader();
        reader()->CBack->click();
        reader()->BNext->click();
        QVERIFY(trigger(reader()->MCCreate));
        QVERIFY(editor()->isVisible());
        QVERIFY(!reader()->isVisible());
        QCOMPARE(editor()->LTitle->text(), u"B"_s);
        openReader();
        QVERIFY(reader()->CBack->isChecked());
        QCOMPARE(app->deck.CardIndex, 1);
        QCOMPARE(shown(), QString()); // card 1's back is empty
    }

    void newFromTheReaderAnsweredNo()
    {
        twoCards();
        openReader();
        reader()->CRand->click();
        app->platform.answerMessage(MsgResult::No);
        QVERIFY(trigger(reader()->MNewr));
        QCOMPARE(shownTitles(), QStringList{u"New Project"_s});
        QCOMPARE(app->deck.CardCount(), 2);
        QVERIFY(!reader());
        QVERIFY(editor()->isVisible());
        QCOMPARE(listNames(editor()->List), (QStringList{u"A"_s, u"B"_s}));
        QCOMPARE(app->quitCount, 0);

        openReader();
        QVERIFY(!reader()->CRand->isChecked());
        QVERIFY(reader()->Msaver->isEnabled() == false);
    }

    void newFromTheReaderAnsweredYes()
    {
        twoCards();
        openReader();
        app->platform.answerMessage(MsgResult::Yes);
        QVERIFY(trigger(reader()->MNewr));
        QCOMPARE(shownTitles(), QStringList{u"New Project"_s});
        QCOMPARE(app->deck.CardCount(), 0);
        QVERIFY(!editor()->MCRead->isEnabled());
        QVERIFY(!reader());
        QVERIFY(editor()->isVisible());
        QCOMPARE(editor()->List->count(), 0);
    }

    void loadFromTheReaderKeepsTheOldTextAndGoesOnFromCardOne()
    {
        const QString file = dir->filePath(u"other.mqd"_s);
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(deckRecord("X", "x front", "x back") + deckRecord("Y", "y front", "y back")
                  + deckRecord("Z", "z front", "z back"));
        out.close();

        twoCards();
        openReader();
        app->platform.answerMessage(MsgResult::Yes);
        app->platform.answerOpenDialog(file);
        QVERIFY(trigger(reader()->MLoader));
        QCOMPARE(shownTitles(), (QStringList{u"Load New Project"_s, u"dialog"_s}));
        QVERIFY(reader()->isVisible());
        QVERIFY(!editor()->isVisible());
        QCOMPARE(shown(), u"A front"_s);
        QCOMPARE(app->deck.CardIndex, 1);
        reader()->BNext->click();
        QCOMPARE(shown(), u"y front"_s);
        QVERIFY(reader()->Msaver->isEnabled());
    }

    void saveFromTheReaderAsksForAFileFirst()
    {
        twoCards();
        openReader();
        app->platform.answerSaveDialog(dir->filePath(u"deck"_s));
        QVERIFY(trigger(reader()->Msaver));
        const ShownBox dialog = app->platform.takeShown();
        QCOMPARE(dialog.kind, ShownBox::SaveDialog);
        QCOMPARE(dialog.fileName, u"Untitled"_s);
        QCOMPARE(readAll(dir->filePath(u"deck.mqd"_s)),
                 deckRecord("A", "A front", "") + deckRecord("B", "B front", ""));
        QVERIFY(reader()->isVisible());
        // Save As from the reader always asks.
        app->platform.answerSaveDialog(QString());
        QVERIFY(trigger(reader()->MSaverasr));
        QCOMPARE(app->platform.takeShown().kind, ShownBox::SaveDialog);
    }

    void closingTheReaderAsksOnce_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<MsgResult>("answer");
        QTest::newRow("File > Exit, No") << false << MsgResult::No;
        QTest::newRow("close box, No") << true << MsgResult::No;
        QTest::newRow("File > Exit, Cancel") << false << MsgResult::Cancel;
        QTest::newRow("close box, Cancel") << true << MsgResult::Cancel;
        QTest::newRow("close box, Yes") << true << MsgResult::Yes;
    }

    // No and Yes end the application (Yes after saving); Cancel leaves the editor shown.
    void closingTheReaderAsksOnce()
    {
        QFETCH(bool, closeBox);
        QFETCH(MsgResult, answer);
        twoCards();
        openReader();
        const QString file = dir->filePath(u"kept.mqd"_s);
        app->platform.answerMessage(answer);
        if (answer == MsgResult::Yes)
            app->platform.answerSaveDialog(file);
        if (closeBox)
            reader()->close();
        else
            QVERIFY(trigger(reader()->Mexitr));
        QStringList titles{u"Save Changes?"_s};
        if (answer == MsgResult::Yes)
            titles.append(u"dialog"_s);
        QCOMPARE(shownTitles(), titles);
        QVERIFY(!reader());
        const bool ends = answer != MsgResult::Cancel;
        QCOMPARE(app->quitCount, ends ? 1 : 0);
        QCOMPARE(!editor(), ends);
        if (!ends) {
            QVERIFY(editor()->isVisible());
            QCOMPARE(app->deck.CardCount(), 2);
        }
        QCOMPARE(readAll(file), answer == MsgResult::Yes ? deckRecord("A", "A front", "")
                                                               + deckRecord("B", "B front", "")
                                                         : QByteArray("<missing>"));
    }

    void exitFromTheEditorClosesTheHiddenReaderToo()
    {
        twoCards();
        openReader();
        QVERIFY(trigger(reader()->MCCreate));
        app->platform.answerMessage(MsgResult::No);
        QVERIFY(trigger(editor()->Mexit));
        QCOMPARE(shownTitles(), QStringList{u"Save Changes?"_s});
        QVERIFY(!reader());
        QCOMPARE(app->quitCount, 1);
    }

    void cancelInTheEditorStillClosesTheReader()
    {
        twoCards();
        openReader();
        QVERIFY(trigger(reader()->MCCreate));
        reader()->CRand->click();
        app->platform.answerMessage(MsgResult::Cancel);
        QVERIFY(!editor()->close());
        QVERIFY(!reader());
        QVERIFY(editor()->isVisible());
        app->platform.clearShown();
        openReader();
        QVERIFY(!reader()->CRand->isChecked());
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
