// Starting with a deck given on the command line, as a file manager starts the program: the
// editor shows first, then the deck loads exactly as File > Load loads the file chosen in its
// dialog, with the same messages when it cannot.
#include "testapp.h"

#include <QDir>
#include <QLabel>
#include <QProcess>

using namespace memoquill;
using namespace memoquill::test;
using namespace Qt::StringLiterals;

class TestStartup : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    struct Started
    {
        DeckStore deck;
        ScriptedPlatform platform;
        AppWindows windows{deck, platform, [] {}};
    };

    // Starts as main() does with one argument, and lets the queued load run.
    static void start(Started &app, const QString &argument)
    {
        app.windows.start(argument);
        QVERIFY(app.windows.existingEditor()->isVisible());
        QCoreApplication::processEvents();
    }

    void verifyEmptyEditor(Started &app)
    {
        CardCreate *editor = app.windows.existingEditor();
        QCOMPARE(app.deck.CardCount(), 0);
        QCOMPARE(editor->List->count(), 0);
        QVERIFY(!editor->MSave->isEnabled());
        QVERIFY(!editor->MCRead->isEnabled());
    }

private Q_SLOTS:
    void initTestCase() { prepareApplication(); }

    void deckGivenAtStartIsLoadedAndShown()
    {
        const QString path = dir.filePath(u"fruit.mqd"_s);
        QVERIFY(
            writeAll(path, deckRecord("Apple", "red", "fruit") + deckRecord("Pear", "green", "")));
        Started app;
        start(app, path);
        CardCreate *editor = app.windows.existingEditor();
        QCOMPARE(listNames(editor->List), (QStringList{u"Apple"_s, u"Pear"_s}));
        QCOMPARE(selectedRow(editor->List), 0);
        QCOMPARE(editor->LTitle->text(), u"Apple"_s);
        QCOMPARE(textOf(editor->TFront), u"red"_s);
        QCOMPARE(app.deck.CardIndex, 1);
        QVERIFY(editor->MSave->isEnabled() && editor->MCRead->isEnabled());
        QVERIFY(!editor->TFront->isReadOnly());
        // Nothing was asked, and Save and the close question now name the file.
        QVERIFY(app.platform.shown().isEmpty());
        QCOMPARE(app.deck.CurrentFile, std::optional<QString>(path));
        app.platform.answerMessage(MsgResult::Cancel);
        editor->close();
        QCOMPARE(app.platform.takeShown().prompt,
                 u"Do you want to save changes to '%1'?"_s.arg(path));
        QVERIFY2(app.platform.problems().isEmpty(),
                 qPrintable(app.platform.problems().join(u"; "_s)));
    }

    void relativePathBecomesAbsolute()
    {
        QVERIFY(writeAll(dir.filePath(u"rel.mqd"_s), deckRecord("A", "", "")));
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());
        Started app;
        start(app, u"rel.mqd"_s);
        QDir::setCurrent(before);
        QCOMPARE(app.deck.CurrentFile, std::optional<QString>(dir.filePath(u"rel.mqd"_s)));
    }

    void otherFilesAreRefusedAsLoadRefusesThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("prompt"); // %1: the absolute path
        QTest::newRow("not a deck file") << u"notes.txt"_s << u"Invalid file type!"_s;
        QTest::newRow("missing") << u"gone.mqd"_s
                                 << u"Could not load the deck from '%1'.\r\nNo such file or "
                                    u"directory"_s;
    }

    void otherFilesAreRefusedAsLoadRefusesThem()
    {
        QFETCH(QString, name);
        QFETCH(QString, prompt);
        QVERIFY(writeAll(dir.filePath(u"notes.txt"_s), deckRecord("A", "", "")));
        const QString path = dir.filePath(name);
        Started app;
        app.platform.answerMessage(MsgResult::Ok);
        start(app, path);
        const ShownBox box = app.platform.takeShown();
        QCOMPARE(box.prompt, prompt.contains(u"%1"_s) ? prompt.arg(path) : prompt);
        QCOMPARE(box.title, u"File Error"_s);
        QCOMPARE(box.icon, MsgIcon::Exclamation);
        verifyEmptyEditor(app);
        QVERIFY2(app.platform.problems().isEmpty(),
                 qPrintable(app.platform.problems().join(u"; "_s)));
    }

    void twoDecksAreAUsageError()
    {
        QProcess program;
        program.start(QStringLiteral(MEMOQUILL_PATH), {u"a.mqd"_s, u"b.mqd"_s});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 2);
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(errors.contains(u"Usage: memoquill [--help] [--version] [DECK]"_s),
                 qPrintable(errors));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
