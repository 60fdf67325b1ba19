// Typing killed at any moment survives: the next start offers it, and a save writes what a
// save just before the kill would have written.
#include "deck/deckformat.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace memoquill;
using namespace Qt::StringLiterals;

class TestKillRecovery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedTypingIsRecovered_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("titled");
        QTest::newRow("SIGKILL, deck with a file") << int(SIGKILL) << true;
        QTest::newRow("SIGKILL, untitled deck") << int(SIGKILL) << false;
        QTest::newRow("SIGTERM, deck with a file") << int(SIGTERM) << true;
        QTest::newRow("SIGTERM, untitled deck") << int(SIGTERM) << false;
    }

    void killedTypingIsRecovered()
    {
        QFETCH(int, signal);
        QFETCH(bool, titled);
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"recovery"_s);
        const QString deck = dir.filePath(u"deck.mqd"_s);
        const QString saveAs = dir.filePath(u"saved.mqd"_s);
        QList<CardRecord> cards;
        QStringList deckArgument;
        if (titled) {
            cards.append({u"Old"_s, u"kept"_s, {}});
            QFile file(deck);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(writeDeck(cards).bytes);
            deckArgument.append(deck);
        }
        cards.append({{u"Card 1"_s, {}, {}}, {u"Card 2"_s, {}, {}}});
        // SIGTERM writes at once what was typed after the last write; SIGKILL cannot.
        cards.append(
            {u"Card 3"_s, signal == SIGTERM ? u"typed front more"_s : u"typed front"_s, {}});

        QProcess typing;
        typing.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        typing.start(QStringLiteral(RECOVERYCHILD_PATH),
                     QStringList{u"type"_s, folder, saveAs} + deckArgument);
        QVERIFY(typing.waitForStarted());
        while (!typing.readAll().contains("ready"))
            QVERIFY2(typing.waitForReadyRead(20000), "the child never wrote its recovery file");
        ::kill(pid_t(typing.processId()), signal);
        QVERIFY(typing.waitForFinished(10000));
        if (signal == SIGTERM) {
            QCOMPARE(typing.exitStatus(), QProcess::NormalExit);
            QCOMPARE(typing.exitCode(), 0);
        }

        QProcess recovering;
        recovering.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        recovering.start(QStringLiteral(RECOVERYCHILD_PATH),
                         QStringList{u"recover"_s, folder, saveAs} + deckArgument);
        QVERIFY(recovering.waitForFinished(20000));
        QCOMPARE(recovering.exitCode(), 0);
        QFile saved(titled ? deck : saveAs);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), writeDeck(cards).bytes);
        // Saved and ended normally: nothing left to recover.
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestKillRecovery)
#include "tst_killrecovery.moc"
