// Huge, hostile and special deck files: each one loads, or is refused with its message,
// without a crash and in bounded time. The times printed here are recorded in docs/reliability.md;
// nothing is asserted about them.
#include "support/testapp.h"

#include "deck/deckfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>

#include <random>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace memoquill;
using namespace memoquill::test;
using namespace Qt::StringLiterals;

namespace {

// Writes a file made of count pieces from make(i), streaming so the test stays small.
template <typename Make>
void writeFile(const QString &path, qint64 count, Make make)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (qint64 i = 0; i < count; ++i)
        QVERIFY(file.write(make(i)) >= 0);
}

} // namespace

class TestHostileFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void initTestCase() { prepareApplication(); }

    void hostileFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("cards"); // -1: refused, -2: any number, with a warning
        const QString folder = dir.path();

        // About 100 MB in 20,500 cards of some 4.9 KB each.
        const QByteArray paragraph =
            QByteArray("Lorem ipsum dolor sit amet, consectetur. ").repeated(40);
        writeFile(folder + u"/big.mqd"_s, 20500, [&](qint64 i) {
            return deckField("Card " + QByteArray::number(i))
                   + deckField(paragraph + "\r\n" + paragraph) + deckField(paragraph);
        });
        QTest::newRow("100 MB in 20,500 cards") << u"big.mqd"_s << 20500;

        // About 100 MB of tiny records: far more cards than a deck holds.
        writeFile(folder + u"/many.mqd"_s, 1'700'000, [](qint64 i) {
            return deckField(QByteArray::number(i)) + deckField("f") + deckField("b");
        });
        QTest::newRow("100 MB of small records") << u"many.mqd"_s << -1;

        writeFile(folder + u"/line.mqd"_s, 50, [](qint64) { return QByteArray(1 << 20, 'x'); });
        QTest::newRow("one 50 MB line without terminator") << u"line.mqd"_s << -1;

        // Random bytes, with a terminator now and then so that fields do end.
        std::mt19937 junk(7);
        writeFile(folder + u"/junk.mqd"_s, 16384, [&](qint64) {
            QByteArray block(1024, Qt::Uninitialized);
            for (char &byte : block)
                byte = char(junk());
            if (junk() % 3 == 0)
                block.insert(int(junk() % 1000), DeckTerminator);
            return block;
        });
        QTest::newRow("16 MB of binary junk") << u"junk.mqd"_s << -2;

        writeFile(folder + u"/nul.mqd"_s, 1, [](qint64) {
            return deckField(QByteArray("a\0b", 3)) + deckField(QByteArray(4, '\0'))
                   + deckField(QByteArray("\0\r\n\0", 4));
        });
        QTest::newRow("NUL bytes") << u"nul.mqd"_s << 1;

        writeFile(folder + u"/wide.mqd"_s, 1, [](qint64) {
            return deckField("Wide") + deckField(QByteArray(5 << 20, 'w')) + deckField("");
        });
        QTest::newRow("one card with a 5 MB line") << u"wide.mqd"_s << 1;
    }

    void hostileFile()
    {
        QFETCH(QString, name);
        QFETCH(int, cards);
        const QString path = dir.filePath(name);
        rusage before{};
        getrusage(RUSAGE_SELF, &before);
        TestApp app;
        app.platform.answerOpenDialog(path);
        if (cards < 0)
            app.platform.answerMessage(MsgResult::Ok);

        QElapsedTimer timer;
        timer.start();
        QVERIFY(trigger(app.editor()->Mload));
        // Shown and laid out, as the user would see it.
        QCoreApplication::processEvents();
        const qint64 elapsed = timer.elapsed();

        CardCreate *editor = app.editor();
        if (cards == -1) {
            app.platform.takeShown();
            QCOMPARE(app.platform.takeShown().title, u"File Error"_s);
            QCOMPARE(app.deck.CardCount(), 0);
        } else if (cards >= 0) {
            QCOMPARE(app.deck.CardCount(), cards);
        }
        QVERIFY(app.deck.CardCount() <= DeckStore::MaxCards);
        QCOMPARE(editor->List->count(), int(app.deck.CardCount()));
        if (app.deck.CardCount() > 0) {
            QCOMPARE(editor->LTitle->text(), app.deck.Cards(1).name);
            QCOMPARE(textOf(editor->TFront), app.deck.Cards(1).front);
        }
        if (name == u"nul.mqd"_s) {
            QCOMPARE(app.deck.Cards(1), (CardRecord{u"a\0b"_s.sliced(0, 3), QString(4, QChar()),
                                                    QString(u"\0\r\n\0"_s.sliced(0, 4))}));
        }
        VERIFY_SCRIPT_DONE(app);

        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        // The first and largest load: what it adds to the peak is the load's own memory.
        if (name == u"big.mqd"_s) {
            const qint64 added = qint64(usage.ru_maxrss - before.ru_maxrss) * 1024;
            QVERIFY2(added <= 4 * QFileInfo(path).size(),
                     qPrintable(u"the load raised the peak by %1 MB"_s.arg(added >> 20)));
        }
        qInfo("%s: %lld MB, %d cards, %lld ms, peak RSS so far %ld MB", qPrintable(name),
              QFileInfo(path).size() >> 20, int(app.deck.CardCount()), elapsed,
              usage.ru_maxrss / 1024);
    }

    // Anything but a regular file is refused before it is opened for reading, within a second,
    // with a sentence that says what it is; so is a file larger than any deck.
    void specialFileIsRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        const QString folder = dir.path();

        QVERIFY(::mkfifo(QFile::encodeName(folder + u"/pipe.mqd"_s).constData(), 0600) == 0);
        QTest::newRow("FIFO nobody writes to")
            << u"pipe.mqd"_s << u"It is a named pipe (FIFO), not a file."_s;
        QVERIFY(QFile::link(u"/dev/zero"_s, folder + u"/zero.mqd"_s));
        QTest::newRow("link to /dev/zero") << u"zero.mqd"_s << u"It is a device, not a file."_s;
        QVERIFY(QDir(folder).mkdir(u"folder.mqd"_s));
        QTest::newRow("folder") << u"folder.mqd"_s << u"It is a folder, not a file."_s;

        // Sparse: the test stays fast and takes no disk.
        QFile huge(folder + u"/huge.mqd"_s);
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(MaxDeckFileSize + 1));
        QTest::newRow("a byte over the limit")
            << u"huge.mqd"_s
            << u"The file is 1073741825 bytes long; a deck file holds at most 1073741824 bytes."_s;
    }

    void specialFileIsRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        const QString path = dir.filePath(name);
        TestApp app;
        app.platform.answerOpenDialog(path);
        app.platform.answerMessage(MsgResult::Ok);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(trigger(app.editor()->Mload));
        const qint64 elapsed = timer.elapsed();
        QVERIFY2(elapsed < 1000, qPrintable(u"%1 ms"_s.arg(elapsed)));
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        qInfo("%s: refused in %lld ms, peak RSS so far %ld MB", qPrintable(name), elapsed,
              usage.ru_maxrss / 1024);
        app.platform.takeShown(); // the open dialog
        const ShownBox box = app.platform.takeShown();
        QCOMPARE(box.title, u"File Error"_s);
        QCOMPARE(box.icon, MsgIcon::Exclamation);
        QCOMPARE(box.prompt, u"Could not load the deck from '%1'.\r\n%2"_s.arg(path, reason));
        // The editor stays as a refused load leaves it, and goes on answering.
        QCOMPARE(app.deck.CardCount(), 0);
        QCOMPARE(app.editor()->List->count(), 0);
        QVERIFY(!app.editor()->MSave->isEnabled());
        app.platform.answerInput(u"Still here"_s);
        click(app.editor()->BNew);
        QCOMPARE(app.deck.CardCount(), 1);
        VERIFY_SCRIPT_DONE(app);
    }
};

QTEST_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
