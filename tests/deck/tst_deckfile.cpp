// Deck files on disk: a save replaces the file whole or leaves it as it was, and every failure
// comes back as the sentence the user is shown.
#include "deck/deckfile.h"
#include "support/deckbytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace memoquill;
using namespace memoquill::test;
using namespace Qt::StringLiterals;

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

const QList<CardRecord> OneCard{{u"Apple"_s, u"red"_s, u"fruit"_s}};
const QByteArray OneCardBytes = deckRecord("Apple", "red", "fruit");

} // namespace

class TestDeckFile : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QStringList filesInDir() const
    {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

private Q_SLOTS:
    void writesWholeAndReadsBack()
    {
        const QString path = dir.filePath(u"deck.mqd"_s);
        QCOMPARE(writeDeckFile(path, OneCard).failure, QString());
        QCOMPARE(contentOf(path), OneCardBytes);
        const DeckFileRead read = readDeckFile(path);
        QCOMPARE(read.failure, QString());
        QCOMPARE(read.cards, OneCard);

        // A second save replaces the first whole, and leaves nothing beside it.
        const QList<CardRecord> two{{u"A"_s, {}, {}}, {u"B"_s, u"x\r\ny"_s, {}}};
        QCOMPARE(writeDeckFile(path, two).failure, QString());
        QCOMPARE(readDeckFile(path).cards, two);
        QCOMPARE(filesInDir(), QStringList{u"deck.mqd"_s});
    }

    void refusedDeckLeavesTheOldFile()
    {
        const QString path = dir.filePath(u"kept.mqd"_s);
        QCOMPARE(writeDeckFile(path, OneCard).failure, QString());
        const QList<CardRecord> shifted{{u"Bad"_s, u"a"_s + DeckTerminatorText + u"\r\nb"_s, {}}};
        QCOMPARE(writeDeckFile(path, shifted).failure,
                 u"The card 'Bad' contains the text )}]d8h0-0h8b)}] inside a line, which a deck "
                 u"file cannot hold. Remove it and save again."_s);
        QCOMPARE(contentOf(path), OneCardBytes);
        QVERIFY(!filesInDir().contains(u"Bad"_s));
    }

    void failuresNameThePathAndTheReason()
    {
        // A folder that does not exist: the reason, and nothing written.
        const QString missing = dir.filePath(u"nowhere/deck.mqd"_s);
        const QString saveFailure = writeDeckFile(missing, OneCard).failure;
        QVERIFY2(saveFailure.startsWith(u"Could not save the deck to '%1'.\r\n"_s.arg(missing)),
                 qPrintable(saveFailure));
        QVERIFY(saveFailure.size()
                > u"Could not save the deck to ''.\r\n"_s.size() + missing.size());
        QVERIFY(!QFile::exists(missing));

        const DeckFileRead read = readDeckFile(missing);
        QVERIFY(read.cards.isEmpty());
        QVERIFY2(read.failure.startsWith(u"Could not load the deck from '%1'.\r\n"_s.arg(missing)),
                 qPrintable(read.failure));

        // A path through a regular file can be neither created nor read.
        const QString file = dir.filePath(u"plain"_s);
        QVERIFY(QFile(file).open(QIODevice::WriteOnly));
        QVERIFY(!writeDeckFile(file + u"/deck.mqd"_s, OneCard).failure.isEmpty());
        QVERIFY(!readDeckFile(file + u"/deck.mqd"_s).failure.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDeckFile)
#include "tst_deckfile.moc"
