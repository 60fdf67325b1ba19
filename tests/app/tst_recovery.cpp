// Nothing the user typed or stored is lost: files that are no deck are refused rather than
// saved over, and unsaved cards wait in a recovery file until they are saved or discarded.
#include "deck/deckfile.h"
#include "deck/recoveryfile.h"
#include "support/testapp.h"

#include <QDir>
#include <QLabel>

using namespace memoquill;
using namespace memoquill::test;
using namespace Qt::StringLiterals;

namespace {

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// A recovery left by a run that is gone: written, then its owner dropped without remove().
void leaveRecovery(const QString &folder, const QString &deck, const QList<CardRecord> &cards)
{
    RecoveryFile recovery(folder);
    QVERIFY(recovery.write(deck, cards.last().name, cards));
}

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<RecoveryFile> recovery;
    QString folder;

    // The deck a recovery file holds, or nothing when there is none.
    std::optional<QList<CardRecord>> recovered() const
    {
        if (!recovery->exists())
            return std::nullopt;
        return readDeckFile(recovery->deckFile()).cards;
    }

private Q_SLOTS:
    void initTestCase() { prepareApplication(); }
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        folder = dir->filePath(u"recovery"_s);
        recovery = std::make_unique<RecoveryFile>(folder);
    }
    void cleanup()
    {
        recovery.reset();
        dir.reset();
    }

    void loadRefusesWhatIsNoDeck_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("text file") << "Shopping list\r\nmilk, eggs\r\n"_ba;
        QTest::newRow("PNG") << "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10"_ba;
        QTest::newRow("30 MB line") << QByteArray(30 << 20, 'x');
    }

    // Opened at start or through File > Load, such a file is refused and never written.
    void loadRefusesWhatIsNoDeck()
    {
        QFETCH(QByteArray, bytes);
        const QString path = dir->filePath(u"notes.mqd"_s);
        QVERIFY(writeAll(path, bytes));
        TestApp app;
        app.platform.answerMessage(MsgResult::Ok);
        app.editor()->openDeck(path);
        const ShownBox refused = app.platform.takeShown();
        QCOMPARE(refused.title, u"File Error"_s);
        QVERIFY2(refused.prompt.contains(u"It is not a Memoquill deck"_s),
                 qPrintable(refused.prompt));
        QVERIFY(!app.deck.CurrentFile);
        QVERIFY(!app.editor()->MSave->isEnabled());

        // Through Load, after a card: emptied as Load does, the file untouched by Save As.
        newCard(app, u"Mine"_s);
        app.platform.answerMessage(MsgResult::Yes);
        app.platform.answerOpenDialog(path);
        app.platform.answerMessage(MsgResult::Ok);
        QVERIFY(trigger(app.editor()->Mload));
        QCOMPARE(app.deck.CurrentFile, QString());
        newCard(app, u"Other"_s);
        app.platform.answerSaveDialog(dir->filePath(u"other.mqd"_s));
        QVERIFY(trigger(app.editor()->MSaveAs));
        app.platform.answerMessage(MsgResult::No);
        app.editor()->close();
        QCOMPARE(app.quitCount, 1);
        QVERIFY(readAll(path) == bytes);
        VERIFY_SCRIPT_DONE(app);
    }

    void loadOfACutDeckWarns()
    {
        const QString path = dir->filePath(u"cut.mqd"_s);
        QVERIFY(writeAll(path, deckRecord("Whole", "f", "b") + deckField("Cut") + "front\r\nmore"));
        TestApp app;
        app.platform.answerOpenDialog(path);
        app.platform.answerMessage(MsgResult::Ok);
        QVERIFY(trigger(app.editor()->Mload));
        app.platform.takeShown();
        QCOMPARE(app.deck.CardCount(), 1);
        QCOMPARE(app.editor()->LTitle->text(), u"Whole"_s);
        const ShownBox warning = app.platform.takeShown();
        QCOMPARE(warning.title, u"File Error"_s);
        QCOMPARE(warning.prompt, unreadLinesWarning(path, 3));
        VERIFY_SCRIPT_DONE(app);
    }

    // Kept while the deck differs from what New, Load or Save left; what a save would write.
    void unsavedCardsAreKept()
    {
        TestApp app(recovery.get());
        CardCreate *editor = app.editor();
        newCard(app, u"One"_s);
        newCard(app, u"Two"_s);
        const qint32 cursor = app.deck.CardIndex;
        typeInto(editor->TFront, u"typed"_s);
        QTRY_COMPARE(recovered(),
                     (QList<CardRecord>{{u"One"_s, {}, {}}, {u"Two"_s, u"typed"_s, {}}}));
        // Written without committing the box or moving the cursor.
        QCOMPARE(app.deck.Cards(2).front, QString());
        QCOMPARE(app.deck.CardIndex, cursor);
        QCOMPARE(QFileInfo(folder).permissions() & 0x0777, QFileDevice::Permissions(0x0700));
        QCOMPARE(QFileInfo(recovery->deckFile()).permissions() & 0x0777,
                 QFileDevice::Permissions(0x0600));

        const QString path = dir->filePath(u"deck.mqd"_s);
        app.platform.answerSaveDialog(path);
        QVERIFY(trigger(editor->MSaveAs));
        QVERIFY(!recovered());
        QCOMPARE(filesIn(folder), QStringList());

        // A deck loaded and left as it is has nothing to recover.
        app.platform.answerMessage(MsgResult::Yes);
        app.platform.answerOpenDialog(path);
        QVERIFY(trigger(editor->Mload));
        QTest::qWait(2500);
        QVERIFY(!recovered());

        // A deletion is a change; New discards it.
        app.platform.answerMessage(MsgResult::Yes);
        click(editor->BDel);
        QTRY_COMPARE(recovered(), (QList<CardRecord>{{u"Two"_s, u"typed"_s, {}}}));
        app.platform.answerMessage(MsgResult::Yes);
        QVERIFY(trigger(editor->Mnew));
        QCOMPARE(filesIn(folder), QStringList());

        // A normal end removes it, whatever the close question was answered.
        newCard(app, u"Three"_s);
        QTRY_VERIFY(recovery->exists());
        app.platform.answerMessage(MsgResult::No);
        editor->close();
        QCOMPARE(app.quitCount, 1);
        QCOMPARE(filesIn(folder), QStringList());
        VERIFY_SCRIPT_DONE(app);
    }

    void startOffersTheNewestRecovery_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }

    void startOffersTheNewestRecovery()
    {
        QFETCH(bool, accept);
        const QString deckPath = dir->filePath(u"deck.mqd"_s);
        leaveRecovery(folder, deckPath, {{u"Old"_s, {}, {}}});
        QTest::qWait(5);
        const QList<CardRecord> cards{
            {u"A"_s, u"a"_s, {}}, {u"B"_s, u"b"_s, u"bb"_s}, {u"C"_s, {}, {}}};
        leaveRecovery(folder, QString(), cards);

        TestApp app(recovery.get(), [accept](ScriptedPlatform &platform) {
            platform.answerMessage(accept ? MsgResult::Yes : MsgResult::No);
        });
        const ShownBox question = app.platform.takeShown();
        QCOMPARE(question.title, u"Recover Cards?"_s);
        QVERIFY2(
            question.prompt.startsWith(u"Memoquill was not closed properly. Recover the 3 cards "
                                       u"of 'Untitled' from "_s),
            qPrintable(question.prompt));
        QCOMPARE(question.buttons, MsgButtons::YesNo);
        CardCreate *editor = app.editor();
        if (accept) {
            QCOMPARE(listNames(editor->List), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
            QCOMPARE(editor->LTitle->text(), u"C"_s);
            QCOMPARE(selectedRow(editor->List), 2);
            QCOMPARE(app.deck.CurrentFile, QString());
            QVERIFY(editor->MSave->isEnabled() && editor->MCRead->isEnabled());
            QVERIFY(!editor->TFront->isReadOnly());
            // Kept until saved or discarded, and locked; the older one waits for a later start.
            QCOMPARE(filesIn(folder).size(), 5);
        } else {
            QCOMPARE(app.deck.CardCount(), 0);
            QCOMPARE(filesIn(folder).size(), 2);
        }
        VERIFY_SCRIPT_DONE(app);
        app.windows.reset();

        // Started with a deck file, only that deck's recovery is offered: here the older one.
        RecoveryFile next(folder);
        TestApp withDeck(
            &next, [](ScriptedPlatform &platform) { platform.answerMessage(MsgResult::Yes); },
            StartDeck{deckPath});
        QCOMPARE(withDeck.platform.takeShown().prompt.contains(u"the card of '%1'"_s.arg(deckPath)),
                 true);
        QCOMPARE(withDeck.deck.CurrentFile, deckPath);
        QCOMPARE(listNames(withDeck.editor()->List), QStringList{u"Old"_s});
        VERIFY_SCRIPT_DONE(withDeck);

        // An imported list never asks.
        withDeck.windows.reset();
        RecoveryFile third(folder);
        TestApp imported(&third, {}, StartDeck{QList<CardRecord>{{u"I"_s, {}, {}}}});
        QCOMPARE(imported.deck.CardCount(), 1);
        VERIFY_SCRIPT_DONE(imported);
    }
};

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
