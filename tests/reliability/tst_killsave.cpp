// A save killed at any moment leaves the deck file either wholly old or wholly new, and
// nothing beside it that a later save could trip over.
#include "bigdeck.h"
#include "deck/deckfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <random>

using namespace Qt::StringLiterals;

class TestKillSave : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedSavesLoseNothing()
    {
        const QByteArray decks[2] = {bigDeckBytes('a'), bigDeckBytes('b')};
        QVERIFY(decks[0].size() > 5'000'000);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"deck.mqd"_s);
        const int kills = qEnvironmentVariableIntValue("MEMOQUILL_KILLS") > 0
                              ? qEnvironmentVariableIntValue("MEMOQUILL_KILLS")
                              : 40;

        // The same kill moments in every run, spread over a few saves' time.
        std::mt19937 moments(20261207);
        std::uniform_int_distribution<int> delayMs(0, 120);
        int landedOnOld = 0;
        int landedOnNew = 0;
        for (int kill = 0; kill < kills; ++kill) {
            QProcess child;
            child.start(QStringLiteral(SAVECHILD_PATH), {path});
            QVERIFY(child.waitForStarted());
            QVERIFY2(child.waitForReadyRead(30000), child.readAllStandardError().constData());
            QTest::qSleep(delayMs(moments));
            ::kill(pid_t(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished(10000));
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);

            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QVERIFY2(bytes == decks[0] || bytes == decks[1],
                     qPrintable(u"kill %1 left a deck of %2 bytes that is neither"_s.arg(kill).arg(
                         bytes.size())));
            (bytes == decks[0] ? landedOnOld : landedOnNew)++;
            QCOMPARE(
                QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                QStringList{u"deck.mqd"_s});
        }
        qInfo("%d kills: %d left deck a, %d left deck b", kills, landedOnOld, landedOnNew);

        // And the next ordinary save goes through.
        const QList<memoquill::CardRecord> after{{u"after"_s, {}, {}}};
        QCOMPARE(memoquill::writeDeckFile(path, after).failure, QString());
        QCOMPARE(memoquill::readDeckFile(path).cards, after);
    }
};

QTEST_GUILESS_MAIN(TestKillSave)
#include "tst_killsave.moc"
