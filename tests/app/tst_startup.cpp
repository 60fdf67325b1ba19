// Starting with a deck given on the command line, as a file manager starts the program: the
// editor shows first, then the deck loads exactly as File > Load loads the file chosen in its
// dialog, with the same messages when it cannot. Starting with an imported word list, and
// exporting a deck as one without any display; the command line's misuse.
#include "app/startup.h"
#include "deck/deckfile.h"
#include "deck/wordlist.h"
#include "support/testapp.h"

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

    // Starts as main() does, and lets the queued load run.
    static void start(Started &app, StartDeck deck)
    {
        app.windows.start(std::move(deck));
        QVERIFY(openWindow<CardCreate>()->isVisible());
        QCoreApplication::processEvents();
    }

    void verifyEmptyEditor(Started &app)
    {
        CardCreate *editor = openWindow<CardCreate>();
        QCOMPARE(app.deck.CardCount(), 0);
        QCOMPARE(editor->List->count(), 0);
        QVERIFY(!editor->MSave->isEnabled());
        QVERIFY(!editor->MCRead->isEnabled());
    }

    // A deck with cards at the start: listed, the first one open for editing, nothing asked.
    static void verifyFirstCardOpen(Started &app, const QStringList &names, const QString &front)
    {
        CardCreate *editor = openWindow<CardCreate>();
        QCOMPARE(listNames(editor->List), names);
        QCOMPARE(selectedRow(editor->List), 0);
        QCOMPARE(editor->LTitle->text(), names.first());
        QCOMPARE(textOf(editor->TFront), front);
        QVERIFY(editor->MSave->isEnabled() && editor->MCRead->isEnabled());
        QVERIFY(!editor->TFront->isReadOnly());
        QVERIFY(app.platform.shown().isEmpty());
    }

    // Closing the editor asks to save the deck under the name it was started with.
    static void verifyCloseAsks(Started &app, const QString &prompt)
    {
        app.platform.answerMessage(MsgResult::Cancel);
        openWindow<CardCreate>()->close();
        QCOMPARE(app.platform.takeShown().prompt, prompt);
        QVERIFY2(app.platform.problems().isEmpty(),
                 qPrintable(app.platform.problems().join(u"; "_s)));
    }

    struct Run
    {
        int exitCode = -1;
        QByteArray output;
        QString errors;
    };

    // Runs the program in the temporary folder with no display at all, as on a server.
    Run runWithoutDisplay(const QStringList &arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
            environment.remove(name);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(dir.path());
        program.start(QStringLiteral(MEMOQUILL_PATH), arguments);
        if (!program.waitForFinished(10000) || program.exitStatus() != QProcess::NormalExit)
            return {};
        return {program.exitCode(), program.readAllStandardOutput(),
                QString::fromUtf8(program.readAllStandardError())};
    }

private Q_SLOTS:
    void initTestCase() { prepareApplication(); }

    void deckGivenAtStartIsLoadedAndShown()
    {
        const QString path = dir.filePath(u"fruit.mqd"_s);
        QVERIFY(
            writeAll(path, deckRecord("Apple", "red", "fruit") + deckRecord("Pear", "green", "")));
        Started app;
        start(app, StartDeck{path});
        verifyFirstCardOpen(app, {u"Apple"_s, u"Pear"_s}, u"red"_s);
        QCOMPARE(app.deck.CardIndex, 1);
        // Save and the close question now name the file.
        QCOMPARE(app.deck.CurrentFile, std::optional<QString>(path));
        verifyCloseAsks(app, u"Do you want to save changes to '%1'?"_s.arg(path));
    }

    void relativePathBecomesAbsolute()
    {
        QVERIFY(writeAll(dir.filePath(u"rel.mqd"_s), deckRecord("A", "", "")));
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());
        Started app;
        start(app, StartDeck{u"rel.mqd"_s});
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
        start(app, StartDeck{path});
        const ShownBox box = app.platform.takeShown();
        QCOMPARE(box.prompt, prompt.contains(u"%1"_s) ? prompt.arg(path) : prompt);
        QCOMPARE(box.title, u"File Error"_s);
        QCOMPARE(box.icon, MsgIcon::Exclamation);
        verifyEmptyEditor(app);
        QVERIFY2(app.platform.problems().isEmpty(),
                 qPrintable(app.platform.problems().join(u"; "_s)));
    }

    void misuseIsAUsageError_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        QTest::newRow("two decks")
            << QStringList{u"a.mqd"_s, u"b.mqd"_s} << u"Only one deck can be opened at a time."_s;
        QTest::newRow("import and export")
            << QStringList{u"--import"_s, u"w.txt"_s, u"--export"_s, u"a.mqd"_s}
            << u"--import and --export cannot be given together."_s;
        QTest::newRow("import and a deck")
            << QStringList{u"--import"_s, u"w.txt"_s, u"a.mqd"_s}
            << u"A deck to open cannot be given with --import or --export."_s;
        QTest::newRow("export and a deck")
            << QStringList{u"a.mqd"_s, u"--export=b.mqd"_s}
            << u"A deck to open cannot be given with --import or --export."_s;
        QTest::newRow("output alone")
            << QStringList{u"--output"_s, u"l.txt"_s} << u"--output goes with --export only."_s;
        QTest::newRow("import twice")
            << QStringList{u"--import"_s, u"w.txt"_s, u"--import"_s, u"v.txt"_s}
            << u"--import can be given only once."_s;
        QTest::newRow("no list") << QStringList{u"--import"_s}
                                 << u"Missing value after '--import'."_s;
        QTest::newRow("unknown option")
            << QStringList{u"--quiet"_s} << u"Unknown option 'quiet'."_s;
    }

    // Told before anything is read or opened, with the usage line.
    void misuseIsAUsageError()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        const Run run = runWithoutDisplay(arguments);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.errors, u"memoquill: %1\nUsage: memoquill [--help] [--version] [DECK | "
                             u"--import LIST | --export DECK.mqd [--output LIST]]\n"_s.arg(error));
        QVERIFY(run.output.isEmpty());
    }

    // QApplication reads Qt's own options when the windows start: they are no misuse.
    void qtOptionsAreLeftToQt()
    {
        const Arguments commandLine =
            readCommandLine({u"memoquill"_s, u"-platform"_s, u"offscreen"_s, u"-style=fusion"_s,
                             u"-reverse"_s, u"deck.mqd"_s});
        QCOMPARE(commandLine.error, QString());
        QCOMPARE(commandLine.deck, std::optional<QString>(u"deck.mqd"_s));
    }

    void helpListsTheOptions()
    {
        const Run run = runWithoutDisplay({u"--help"_s});
        QCOMPARE(run.exitCode, 0);
        for (const char *option : {"--import <LIST>", "--export <DECK.mqd>", "--output <LIST>"})
            QVERIFY2(run.output.contains(option), run.output.constData());
    }

    void withoutDisplayTheProgramSaysHowToStart()
    {
        const Run run = runWithoutDisplay({});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.errors,
                 u"memoquill: no display found (DISPLAY is not set). Start it on a desktop, or "
                 u"without one under a virtual display: xvfb-run memoquill\n"_s);
    }

    void importedListOpensAsNewDeck()
    {
        const QString list = dir.filePath(u"words.txt"_s);
        QVERIFY(writeAll(list, "Apple\tred<br>round\nfruit\tPear\tgreen\n"));
        const std::optional<QList<CardRecord>> cards = importList(list);
        QVERIFY(cards);
        Started app;
        start(app, StartDeck{*cards});
        verifyFirstCardOpen(app, {u"Apple"_s, u"fruit"_s}, u"Apple"_s);
        QCOMPARE(textOf(openWindow<CardCreate>()->TBack), u"red\r\nround"_s);
        // A new deck: no file, so closing asks to save it as after New Card.
        QCOMPARE(app.deck.CurrentFile, std::optional<QString>(QString()));
        verifyCloseAsks(app, u"Do you want to save changes to 'Untitled'?"_s);
    }

    // Refused before the display is looked for, so before any window could open.
    void badListIsRefusedWithItsLine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("error");
        QTest::newRow("fields") << u"words.txt"_s
                                << u"words.txt: line 3: expected 2 or 3 fields separated by "
                                   u"tabs, found 1"_s;
        QTest::newRow("missing") << u"gone.txt"_s << u"gone.txt: No such file or directory"_s;
        QTest::newRow("a folder") << u"."_s << u".: It is a folder, not a file."_s;
    }

    void badListIsRefusedWithItsLine()
    {
        QFETCH(QString, name);
        QFETCH(QString, error);
        QVERIFY(writeAll(dir.filePath(u"words.txt"_s), "a\tb\n\nlonely\n"));
        const Run run = runWithoutDisplay({u"--import"_s, name});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.errors, u"memoquill: %1\n"_s.arg(error));
    }

    // Exported with no display, then imported: the deck's fronts and backs, in order.
    void exportedDeckComesBackByImport()
    {
        const QList<CardRecord> deck{{u"A"_s, u"two\r\nlines"_s, u"fish & chips <b>"_s},
                                     {u"B"_s, u"Ωμέγα café"_s, {}},
                                     {u"C"_s, {}, u"1 < 2\r\n"_s}};
        QCOMPARE(writeDeckFile(dir.filePath(u"deck.mqd"_s), deck).failure, QString());
        const Run toFile =
            runWithoutDisplay({u"--export"_s, u"deck.mqd"_s, u"--output"_s, u"list.txt"_s});
        QCOMPARE(toFile.errors, QString());
        QCOMPARE(toFile.exitCode, 0);
        const Run toOutput = runWithoutDisplay({u"--export"_s, u"deck.mqd"_s});
        QCOMPARE(toOutput.exitCode, 0);
        QCOMPARE(toOutput.output, readAll(dir.filePath(u"list.txt"_s)));

        const std::optional<QList<CardRecord>> cards = importList(dir.filePath(u"list.txt"_s));
        QVERIFY(cards);
        Started app;
        start(app, StartDeck{*cards});
        QCOMPARE(app.deck.CardCount(), deck.size());
        for (qint16 i = 1; i <= app.deck.CardCount(); ++i) {
            QCOMPARE(app.deck.Cards(i).front, deck.at(i - 1).front);
            QCOMPARE(app.deck.Cards(i).back, deck.at(i - 1).back);
        }
    }

    void exportFailuresWriteNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        QTest::newRow("not a deck name")
            << QStringList{u"--export"_s, u"deck.txt"_s}
            << u"Could not load the deck from 'deck.txt'. Its name does not end in .mqd."_s;
        QTest::newRow("a folder")
            << QStringList{u"--export"_s, u"folder.mqd"_s, u"--output"_s, u"list.txt"_s}
            << u"Could not load the deck from 'folder.mqd'. It is a folder, not a file."_s;
        QTest::newRow("output over its deck")
            << QStringList{u"--export"_s, u"deck.mqd"_s, u"--output"_s, u"./deck.mqd"_s}
            << u"Could not write the list to './deck.mqd'. It would replace the deck it is made "
               u"from."_s;
        QTest::newRow("output folder missing")
            << QStringList{u"--export"_s, u"deck.mqd"_s, u"--output"_s, u"no/list.txt"_s}
            << u"Could not write the list to 'no/list.txt'. No such file or directory"_s;
    }

    void exportFailuresWriteNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        const QByteArray deck = deckRecord("A", "a", "b");
        QVERIFY(writeAll(dir.filePath(u"deck.mqd"_s), deck));
        QVERIFY(writeAll(dir.filePath(u"deck.txt"_s), deck));
        QDir(dir.path()).mkdir(u"folder.mqd"_s);
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
        const Run run = runWithoutDisplay(arguments);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.errors, u"memoquill: %1\n"_s.arg(error));
        QVERIFY(run.output.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
        QCOMPARE(readAll(dir.filePath(u"deck.mqd"_s)), deck);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
