// New, Save, Save As, Load and Exit with real files, and the close prompt. The failures a
// save or a load can meet are in tests/reliability/tst_faults.cpp.
#include "support/testapp.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

using namespace memoquill;
using namespace memoquill::test;
using namespace Qt::StringLiterals;

namespace {

const QString EmptyDeckText =
    u"There currently no cards.  Create a card first by clicking 'New Card'"_s;

} // namespace

class TestDeckCommands : public AppTest
{
    Q_OBJECT

    CardCreate *editor = nullptr;

    QString path(const QString &name) const { return dir->filePath(name); }

    ShownBox nextBox() { return app->platform.takeShown(); }

    void verifyFileError(const QString &prompt)
    {
        const ShownBox box = nextBox();
        QCOMPARE(box.kind, ShownBox::Message);
        QCOMPARE(box.prompt, prompt);
        QCOMPARE(box.title, u"File Error"_s);
        QCOMPARE(box.buttons, MsgButtons::Ok);
        QCOMPARE(box.icon, MsgIcon::Exclamation);
    }

    void verifyEmptyState()
    {
        QCOMPARE(app->deck.CardCount(), 0);
        QCOMPARE(editor->List->count(), 0);
        QCOMPARE(editor->LTitle->text(), QString());
        QCOMPARE(textOf(editor->TFront), EmptyDeckText);
        QCOMPARE(textOf(editor->TBack), EmptyDeckText);
        QVERIFY(editor->TFront->isReadOnly());
        QVERIFY(editor->TBack->isReadOnly());
        QVERIFY(!editor->MSave->isEnabled());
        QVERIFY(!editor->MSaveAs->isEnabled());
        QVERIFY(!editor->MCRead->isEnabled());
        QVERIFY(app->reader());
        QVERIFY(!app->reader()->Msaver->isEnabled());
        QVERIFY(!app->reader()->MSaverasr->isEnabled());
    }

    // Two cards, A and B, never saved.
    void twoCards()
    {
        newCard(*app, u"A"_s);
        typeInto(editor->TFront, u"a front"_s);
        app->platform.answerInput(u"B"_s);
        click(editor->BNew);
        app->platform.clearShown();
    }

    // Loads a file through File > Load on the current (empty or confirmed) deck.
    void load(const QString &file)
    {
        if (app->deck.CardCount() != 0)
            app->platform.answerMessage(MsgResult::Yes);
        app->platform.answerOpenDialog(file);
        QVERIFY(trigger(editor->Mload));
        app->platform.clearShown();
    }

private Q_SLOTS:
    void init()
    {
        AppTest::init();
        editor = app->editor();
    }

    void firstSaveAsksForANameAndWritesEveryField()
    {
        twoCards();
        // Still typing in the box: the save commits it first.
        typeInto(editor->TBack, u"b\rback"_s);
        app->platform.answerSaveDialog(path(u"deck"_s));
        QVERIFY(trigger(editor->MSave));
        const ShownBox dialog = nextBox();
        QCOMPARE(dialog.kind, ShownBox::SaveDialog);
        QCOMPARE(dialog.fileTypes, u"Memofile (.mqd)"_s);
        QCOMPARE(dialog.fileName, u"Untitled"_s);
        QCOMPARE(readAll(path(u"deck.mqd"_s)),
                 deckRecord("A", "a front", "") + deckRecord("B", "", "b\r\nback"));
        QCOMPARE(app->deck.CurrentFile, std::optional<QString>(path(u"deck.mqd"_s)));
        QCOMPARE(app->deck.FilePath, path(u"deck.mqd"_s));

        // From now on Save writes there without asking.
        typeInto(editor->TFront, u"B front"_s);
        QVERIFY(trigger(editor->MSave));
        QVERIFY(readAll(path(u"deck.mqd"_s)).endsWith(deckRecord("B", "B front", "b\r\nback")));
    }

    void extensionIsAppendedUnlessExact_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("none") << u"deck"_s << u"deck.mqd"_s;
        QTest::newRow("upper case") << u"deck.MQD"_s << u"deck.MQD.mqd"_s;
        QTest::newRow("other type") << u"deck.txt"_s << u"deck.txt.mqd"_s;
        QTest::newRow("exact") << u"deck.mqd"_s << u"deck.mqd"_s;
    }

    void extensionIsAppendedUnlessExact()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        newCard(*app, u"A"_s);
        app->platform.answerSaveDialog(path(chosen));
        QVERIFY(trigger(editor->MSaveAs));
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{written});
        QCOMPARE(app->deck.CurrentFile, std::optional<QString>(path(written)));

        // The dialog now holds the name the save wrote, which the next Load starts with.
        app->platform.clearShown();
        app->platform.answerMessage(MsgResult::Yes); // "Load New Project"
        app->platform.answerOpenDialog(QString());
        QVERIFY(trigger(editor->Mload));
        app->platform.takeShown();
        QCOMPARE(app->platform.takeShown().fileName, path(written));
    }

    void cancelledOrTooShortNamesWriteNothing_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::newRow("cancelled") << QString();
        QTest::newRow("four characters") << u"abcd"_s;
    }

    void cancelledOrTooShortNamesWriteNothing()
    {
        QFETCH(QString, answer);
        newCard(*app, u"A"_s);
        typeInto(editor->TFront, u"typed"_s);
        app->platform.answerSaveDialog(answer);
        QVERIFY(trigger(editor->MSaveAs));
        QCOMPARE(app->deck.FilePath, answer);
        QVERIFY(!app->deck.CurrentFile.has_value());
        QVERIFY(QDir(dir->path()).isEmpty());
        QVERIFY(!QFile::exists(answer + u".mqd"_s));
        // The commit happened even so.
        QCOMPARE(app->deck.Cards(1).front, u"typed"_s);
    }

    void newOnAnEmptyDeckAsksNothing()
    {
        editor->sure = MsgResult::No;
        editor->AskLoad = true;
        QVERIFY(trigger(editor->Mnew));
        QVERIFY(!editor->sure.has_value());
        QVERIFY(!editor->AskLoad);
        verifyEmptyState();
        QCOMPARE(app->deck.CurrentFile, std::optional<QString>(QString()));
        QCOMPARE(app->deck.CardIndex, 0);
    }

    void answeredNoChangesNothing_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("title");
        QTest::newRow("New") << u"Mnew"_s
                             << u"Are you sure you wish to start a new project? All unsaved work "
                                u"will be lost."_s
                             << u"New Project"_s;
        QTest::newRow("Load") << u"Mload"_s
                              << u"Are you sure you wish to Load a new project? All unsaved work "
                                 u"will be lost."_s
                              << u"Load New Project"_s;
    }

    void answeredNoChangesNothing()
    {
        QFETCH(QString, item);
        QFETCH(QString, prompt);
        QFETCH(QString, title);
        twoCards();
        app->platform.answerMessage(MsgResult::No);
        QVERIFY(trigger(editor->findChild<QAction *>(item)));
        const ShownBox box = nextBox();
        QCOMPARE(box.prompt, prompt);
        QCOMPARE(box.title, title);
        QCOMPARE(box.buttons, MsgButtons::YesNo);
        QCOMPARE(box.icon, MsgIcon::Question);
        // No dialog after it, and the deck and the editor as they were.
        QVERIFY(app->platform.shown().isEmpty());
        QCOMPARE(editor->sure, std::optional<MsgResult>(MsgResult::No));
        QCOMPARE(app->deck.CardCount(), 2);
        QCOMPARE(listNames(editor->List), (QStringList{u"A"_s, u"B"_s}));
        QCOMPARE(editor->LTitle->text(), u"B"_s);
        QVERIFY(editor->MSave->isEnabled());
        QVERIFY(!app->deck.CurrentFile.has_value());

        // The next New asks its own question, not Load's.
        QVERIFY(!editor->AskLoad);
        app->platform.answerMessage(MsgResult::No);
        QVERIFY(trigger(editor->Mnew));
        QCOMPARE(nextBox().title, u"New Project"_s);
    }

    // Deleted cards still count: New asks, and empties the deck for the cards that follow.
    void newAnsweredYesEmptiesEverything()
    {
        twoCards();
        clickListRow(editor->List, 0);
        app->platform.answerMessage(MsgResult::Yes);
        editor->BDel->click();
        app->platform.answerMessage(MsgResult::Yes);
        QVERIFY(trigger(editor->Mnew));
        QCOMPARE(app->platform.shown().last().title, u"New Project"_s);
        app->platform.clearShown();
        verifyEmptyState();
        QCOMPARE(app->deck.CardIndex, 0);
        QCOMPARE(app->deck.CurrentFile, std::optional<QString>(QString()));

        newCard(*app, u"C"_s);
        app->platform.answerSaveDialog(path(u"new.mqd"_s));
        QVERIFY(trigger(editor->MSave));
        QCOMPARE(readAll(path(u"new.mqd"_s)), deckRecord("C", "", ""));
    }

    void loadCancelledLeavesAnEmptyDeckSilently()
    {
        twoCards();
        app->platform.answerMessage(MsgResult::Yes);
        app->platform.answerOpenDialog(QString());
        QVERIFY(trigger(editor->Mload));
        nextBox();
        QCOMPARE(nextBox().kind, ShownBox::OpenDialog);
        QVERIFY(app->platform.shown().isEmpty());
        verifyEmptyState();
    }

    void loadOfAnotherFileTypeIsRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("txt") << u"notes.txt"_s;
        QTest::newRow("upper-case extension") << u"deck.MQD"_s;
    }

    void loadOfAnotherFileTypeIsRefused()
    {
        QFETCH(QString, name);
        QVERIFY(writeAll(path(name), deckRecord("X", "x", "y")));
        app->platform.answerOpenDialog(path(name));
        app->platform.answerMessage(MsgResult::Ok);
        QVERIFY(trigger(editor->Mload));
        QCOMPARE(nextBox().kind, ShownBox::OpenDialog);
        verifyFileError(u"Invalid file type!"_s);
        verifyEmptyState();
        QCOMPARE(app->deck.CurrentFile, std::optional<QString>(QString()));
    }

    void completedLoadShowsTheFirstCard()
    {
        const QString file = path(u"deck.mqd"_s);
        QVERIFY(writeAll(file, deckRecord("One", "1 front", "1 back")
                                   + deckRecord("Two", "2f", "2b")
                                   + deckRecord("Three", "3f", "3b")));
        app->platform.answerOpenDialog(file);
        QVERIFY(trigger(editor->Mload));
        const ShownBox dialog = nextBox();
        QCOMPARE(dialog.kind, ShownBox::OpenDialog);
        QCOMPARE(dialog.fileTypes, u"Memofile (.mqd)"_s);

        QCOMPARE(listNames(editor->List), (QStringList{u"One"_s, u"Two"_s, u"Three"_s}));
        QCOMPARE(selectedRow(editor->List), 0);
        QCOMPARE(editor->LTitle->text(), u"One"_s);
        QCOMPARE(textOf(editor->TFront), u"1 front"_s);
        QCOMPARE(textOf(editor->TBack), u"1 back"_s);
        QCOMPARE(app->deck.CardIndex, 1);
        QCOMPARE(app->deck.CurrentFile, std::optional<QString>(file));
        QVERIFY(!editor->TFront->isReadOnly());
        QVERIFY(editor->MSave->isEnabled());
        QVERIFY(editor->MCRead->isEnabled());
        QVERIFY(app->reader()->Msaver->isEnabled());

        // Save goes back to the same file without a dialog, byte for byte.
        const QByteArray before = readAll(file);
        QVERIFY(trigger(editor->MSave));
        QCOMPARE(readAll(file), before);
    }

    void loadingAFileWithoutCardsStaysEmpty()
    {
        const QString file = path(u"empty.mqd"_s);
        QVERIFY(writeAll(file, QByteArray()));
        load(file);
        verifyEmptyState();
        QCOMPARE(app->deck.CurrentFile, std::optional<QString>(file));
        QCOMPARE(selectedRow(editor->List), -1);
    }

    void oversizedDeckIsRefusedWhole()
    {
        const QString file = path(u"huge.mqd"_s);
        QByteArray bytes;
        for (int i = 0; i <= DeckStore::MaxCards; ++i)
            bytes += deckRecord(QByteArray::number(i), "", "");
        QVERIFY(writeAll(file, bytes));
        app->platform.answerOpenDialog(file);
        app->platform.answerMessage(MsgResult::Ok);
        QVERIFY(trigger(editor->Mload));
        nextBox();
        verifyFileError(
            u"The deck in '%1' has more than 32767 cards and cannot be loaded."_s.arg(file));
        verifyEmptyState();
    }

    void textThatCannotBeReadBackIsNotSaved()
    {
        const QString file = path(u"deck.mqd"_s);
        newCard(*app, u"Bad"_s);
        app->platform.answerSaveDialog(file);
        QVERIFY(trigger(editor->MSave));
        const QByteArray good = readAll(file);
        typeInto(editor->TFront, u"x"_s + DeckTerminatorText + u"y\rnext line"_s);
        app->platform.clearShown();
        app->platform.answerMessage(MsgResult::Ok);
        QVERIFY(trigger(editor->MSave));
        verifyFileError(u"The card 'Bad' contains the text )}]d8h0-0h8b)}] inside a line, which a "
                        u"deck file cannot hold. Remove it and save again."_s);
        QCOMPARE(readAll(file), good);
        QCOMPARE(app->deck.CurrentFile, std::optional<QString>(file));
    }

    void unicodeDeckIsWrittenAsUtf8AndReadBack()
    {
        const QString file = path(u"greek.mqd"_s);
        newCard(*app, u"Ωμέγα"_s);
        editor->TFront->setPlainText(u"€ and \u2603"_s);
        app->platform.answerSaveDialog(file);
        QVERIFY(trigger(editor->MSave));
        QVERIFY(readAll(file).startsWith("\xEF\xBB\xBF"));
        app->platform.clearShown();
        load(file);
        QCOMPARE(app->deck.Cards(1), (CardRecord{u"Ωμέγα"_s, u"€ and \u2603"_s, QString()}));
    }

    void closePromptForAnUntitledDeck_data()
    {
        QTest::addColumn<MsgResult>("answer");
        QTest::addColumn<QString>("dialogAnswer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Yes, saved") << MsgResult::Yes << u"saved"_s << true;
        QTest::newRow("Yes, dialog cancelled") << MsgResult::Yes << QString() << false;
        QTest::newRow("No") << MsgResult::No << QString() << true;
        QTest::newRow("Cancel") << MsgResult::Cancel << QString() << false;
    }

    void closePromptForAnUntitledDeck()
    {
        QFETCH(MsgResult, answer);
        QFETCH(QString, dialogAnswer);
        QFETCH(bool, closes);
        newCard(*app, u"A"_s);
        app->platform.clearShown();
        app->platform.answerMessage(answer);
        if (answer == MsgResult::Yes)
            app->platform.answerSaveDialog(dialogAnswer.isEmpty() ? QString() : path(dialogAnswer));
        QCOMPARE(editor->close(), closes);
        const ShownBox box = nextBox();
        QCOMPARE(box.prompt, u"Do you want to save changes to 'Untitled'?"_s);
        QCOMPARE(box.title, u"Save Changes?"_s);
        QCOMPARE(box.buttons, MsgButtons::YesNoCancel);
        QCOMPARE(box.icon, MsgIcon::None);
        // The reader goes either way.
        QVERIFY(!app->reader());
        QCOMPARE(bool(app->editor()), !closes);
        QCOMPARE(app->quitCount, closes ? 1 : 0);
        QCOMPARE(QFile::exists(path(u"saved.mqd"_s)), !dialogAnswer.isEmpty());
    }

    void closePromptNamesTheDeckFile()
    {
        const QString file = path(u"deck.mqd"_s);
        QVERIFY(writeAll(file, deckRecord("A", "a", "b")));
        load(file);
        typeInto(editor->TBack, u"c"_s);
        app->platform.answerMessage(MsgResult::Yes);
        QVERIFY(trigger(editor->Mexit));
        QCOMPARE(nextBox().prompt, u"Do you want to save changes to '%1'?"_s.arg(file));
        QVERIFY(!app->editor());
        QCOMPARE(readAll(file), deckRecord("A", "a", "bc"));
    }

    void closeAsksNothingWithoutCardsOrFile()
    {
        QVERIFY(editor->close());
        QCOMPARE(app->quitCount, 1);
    }

    void closeAfterDeletingEveryCardStillAsks()
    {
        newCard(*app, u"A"_s);
        clickListRow(editor->List, 0);
        app->platform.answerMessage(MsgResult::Yes);
        editor->BDel->click();
        app->platform.clearShown();
        app->platform.answerMessage(MsgResult::Cancel);
        QVERIFY(!editor->close());
        QCOMPARE(nextBox().prompt, u"Do you want to save changes to 'Untitled'?"_s);
    }
};

QTEST_MAIN(TestDeckCommands)
#include "tst_deckcommands.moc"
