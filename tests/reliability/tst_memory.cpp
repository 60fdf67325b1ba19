// A load or a save that runs out of memory says so and leaves everything as it was: the
// program goes on, and the deck on disk stays whole. Run in a child whose address space is cut
// short.
#include "deck/deckfile.h"
#include "support/deckbytes.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString runChild(const QString &mode, const QString &path)
{
    QProcess child;
    child.start(QStringLiteral(MEMORYCHILD_PATH), {mode, path});
    if (!child.waitForFinished(30000) || child.exitStatus() != QProcess::NormalExit
        || child.exitCode() != 0)
        return u"child failed: "_s + QString::fromLocal8Bit(child.readAllStandardError());
    return QString::fromLocal8Bit(child.readAllStandardOutput()).trimmed();
}

} // namespace

class TestMemory : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void loadWithoutMemoryIsRefused()
    {
        // 80 MB of one card's text: its UTF-16 copy cannot fit in the 64 MB left.
        const QString path = dir.filePath(u"large.mqd"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(memoquill::test::deckField("Big"));
        file.write(QByteArray(80 << 20, 'x'));
        file.write(memoquill::test::DeckTerminator + "\r\n"_ba + memoquill::test::deckField({}));
        file.close();
        QCOMPARE(runChild(u"load"_s, path),
                 u"failure: Could not load the deck from '%1'.\r\nThere is not enough memory to "
                 u"read it."_s.arg(path));
    }

    void saveWithoutMemoryKeepsTheOldFile()
    {
        const QString path = dir.filePath(u"kept.mqd"_s);
        const QList<memoquill::CardRecord> old{{u"Old"_s, u"front"_s, u"back"_s}};
        QCOMPARE(memoquill::writeDeckFile(path, old).failure, QString());
        QCOMPARE(runChild(u"save"_s, path),
                 u"failure: Could not save the deck to '%1'.\r\nThere is not enough memory to "
                 u"write it."_s.arg(path));
        QCOMPARE(memoquill::readDeckFile(path).cards, old);
    }
};

QTEST_GUILESS_MAIN(TestMemory)
#include "tst_memory.moc"
