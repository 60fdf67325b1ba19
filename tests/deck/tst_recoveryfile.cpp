// What a recovery folder may hold besides good recoveries: none is ever offered, none crashes,
// and nothing is written through a link.
#include "deck/deckformat.h"
#include "deck/recoveryfile.h"
#include "support/deckbytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace memoquill;
using namespace Qt::StringLiterals;

namespace {

const QList<CardRecord> Cards{{u"A"_s, u"front"_s, u"back"_s}};

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The name of the one recovery a gone run left in folder.
QString leaveRecovery(const QString &folder)
{
    RecoveryFile recovery(folder);
    if (!recovery.write(u"/decks/a.mqd"_s, u"A"_s, Cards))
        return {};
    return recovery.deckFile().chopped(4);
}

} // namespace

class TestRecoveryFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void goodRecoveryIsTakenOver()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"recovery"_s);
        QVERIFY(!leaveRecovery(folder).isEmpty());
        RecoveryFile recovery(folder);
        const std::optional<RecoveredDeck> found = recovery.takeOverNewest(std::nullopt);
        QVERIFY(found);
        QCOMPARE(found->cards, Cards);
        QCOMPARE(found->deckPath, u"/decks/a.mqd"_s);
        QCOMPARE(found->shownCard, u"A"_s);
        // Held now: another start does not see it.
        QVERIFY(!RecoveryFile(folder).takeOverNewest(std::nullopt));
        recovery.remove();
        QCOMPARE(filesIn(folder), QStringList());
    }

    void badRecoveryIsNeverOffered_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("removed");
        QTest::newRow("info of junk") << u"junk info"_s << true;
        QTest::newRow("info of 0 bytes") << u"empty info"_s << true;
        QTest::newRow("deck cut in a card") << u"cut deck"_s << true;
        QTest::newRow("deck missing") << u"no deck"_s << true;
        QTest::newRow("info missing") << u"no info"_s << true;
        QTest::newRow("another user's") << u"other user"_s << false;
        QTest::newRow("info is a link") << u"linked info"_s << false;
        QTest::newRow("a folder in its place") << u"folder"_s << false;
        QTest::newRow("its run still going") << u"running"_s << false;
    }

    void badRecoveryIsNeverOffered()
    {
        QFETCH(QString, damage);
        QFETCH(bool, removed);
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"recovery"_s);
        std::optional<RecoveryFile> running;
        QString base;
        if (damage == u"running"_s) {
            running.emplace(folder);
            QVERIFY(running->write({}, u"A"_s, Cards));
        } else {
            base = leaveRecovery(folder);
            QVERIFY(!base.isEmpty());
        }
        const QString info = base + u".info"_s;
        if (damage == u"junk info"_s)
            QVERIFY(writeFile(info, "\x89PNG junk"));
        else if (damage == u"empty info"_s)
            QVERIFY(writeFile(info, {}));
        else if (damage == u"cut deck"_s)
            QVERIFY(writeFile(base + u".mqd"_s, test::deckField("A") + "fro"));
        else if (damage == u"no deck"_s)
            QVERIFY(QFile::remove(base + u".mqd"_s));
        else if (damage == u"no info"_s)
            QVERIFY(QFile::remove(info));
        else if (damage == u"other user"_s)
            QCOMPARE(::chown(QFile::encodeName(info).constData(), 65534, 65534), 0);
        else if (damage == u"linked info"_s)
            QVERIFY(QFile::rename(info, dir.filePath(u"target"_s))
                    && QFile::link(dir.filePath(u"target"_s), info));
        else if (damage == u"folder"_s)
            QVERIFY(QFile::remove(info) && QDir().mkdir(info));
        const QStringList before = filesIn(folder);

        RecoveryFile recovery(folder);
        QVERIFY(!recovery.takeOverNewest(std::nullopt));
        QCOMPARE(filesIn(folder), removed ? QStringList() : before);
    }

    void neverWritesThroughALink()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"recovery"_s);
        RecoveryFile recovery(folder);
        QVERIFY(recovery.write({}, u"A"_s, Cards));
        const QString target = dir.filePath(u"elsewhere"_s);
        QVERIFY(writeFile(target, "mine"));
        QVERIFY(QFile::remove(recovery.deckFile()) && QFile::link(target, recovery.deckFile()));
        QVERIFY(!recovery.write({}, u"A"_s, Cards));
        QCOMPARE(QFileInfo(target).size(), 4);

        // Nor into a recovery folder that is a link.
        QTemporaryDir other;
        const QString linked = other.filePath(u"recovery"_s);
        QVERIFY(QFile::link(dir.path(), linked));
        QVERIFY(!RecoveryFile(linked).write({}, u"A"_s, Cards));
        QVERIFY(!RecoveryFile(linked).takeOverNewest(std::nullopt));
    }

    void unusableFolderStopsNothing()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(u"file"_s), "x"));
        RecoveryFile recovery(dir.filePath(u"file/recovery"_s));
        QVERIFY(!recovery.write({}, u"A"_s, Cards));
        QVERIFY(!recovery.exists());
        QVERIFY(!recovery.takeOverNewest(std::nullopt));
    }

    void folderFollowsXdgStateHome_data()
    {
        QTest::addColumn<QByteArray>("state");
        QTest::addColumn<QString>("folder");
        QTest::newRow("set") << "/srv/state"_ba << u"/srv/state/memoquill/recovery"_s;
        QTest::newRow("unset") << QByteArray()
                               << QDir::homePath() + u"/.local/state/memoquill/recovery"_s;
        QTest::newRow("relative") << "state"_ba
                                  << QDir::homePath() + u"/.local/state/memoquill/recovery"_s;
    }

    void folderFollowsXdgStateHome()
    {
        QFETCH(QByteArray, state);
        QFETCH(QString, folder);
        qputenv("XDG_STATE_HOME", state);
        QCOMPARE(recoveryFolder(), folder);
        qunsetenv("XDG_STATE_HOME");
    }
};

QTEST_GUILESS_MAIN(TestRecoveryFile)
#include "tst_recoveryfile.moc"
