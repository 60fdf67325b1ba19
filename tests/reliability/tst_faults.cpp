// Every failure a save or a load can meet: each shows its message, loses nothing on disk or
// in memory, and leaves the deck's file name right.
#include "support/testapp.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace memoquill;
using namespace memoquill::test;
using namespace Qt::StringLiterals;

namespace {

QByteArray deckBytes(const QByteArray &name)
{
    return deckRecord(name, "front", "back");
}

// Mounting needs root; without it the file-system rows are skipped.
bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit
           && process.exitCode() == 0;
}

} // namespace

class TestFaults : public AppTest
{
    Q_OBJECT

    QString mountPoint;
    rlimit fileSizeLimit{};

    CardCreate *editor() { return app->editor(); }

    void loadDeck(const QString &path)
    {
        app->platform.answerOpenDialog(path);
        QVERIFY(trigger(editor()->Mload));
        app->platform.clearShown();
        QCOMPARE(app->deck.CurrentFile, std::optional<QString>(path));
    }

    // The next box is the file error that starts with sentence and goes on with the reason.
    void verifyFileError(const QString &sentence)
    {
        const ShownBox error = app->platform.takeShown();
        QVERIFY2(error.prompt.startsWith(sentence), qPrintable(error.prompt));
        QVERIFY2(error.prompt.size() > sentence.size(), "the reason is missing");
        QCOMPARE(error.title, u"File Error"_s);
        QCOMPARE(error.buttons, MsgButtons::Ok);
        QCOMPARE(error.icon, MsgIcon::Exclamation);
    }

    bool mountTmpfs(const QString &options)
    {
        mountPoint = dir->filePath(u"fs"_s);
        return QDir().mkpath(mountPoint)
               && run(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, options, u"tmpfs"_s, mountPoint});
    }

private Q_SLOTS:
    void initTestCase()
    {
        AppTest::initTestCase();
        // A file-size limit must fail the write, not kill the test.
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &fileSizeLimit);
    }
    void cleanup()
    {
        setrlimit(RLIMIT_FSIZE, &fileSizeLimit);
        // The temporary folder can go only once nothing is mounted in it.
        if (!mountPoint.isEmpty())
            run(u"umount"_s, {mountPoint});
        mountPoint.clear();
        AppTest::cleanup();
    }

    void saveFaults_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("saveAs");
        QTest::newRow("missing folder") << u"missing folder"_s << true;
        QTest::newRow("path is a folder") << u"folder"_s << true;
        QTest::newRow("file-size limit mid-write") << u"size limit"_s << false;
        QTest::newRow("disk full mid-write") << u"disk full"_s << false;
        QTest::newRow("read-only file system") << u"read-only"_s << false;
    }

    void saveFaults()
    {
        QFETCH(QString, fault);
        QFETCH(bool, saveAs);

        QString folder = dir->path();
        if (fault == u"disk full"_s || fault == u"read-only"_s) {
            if (!mountTmpfs(u"size=256k"_s))
                QSKIP("mounting a test file system needs root");
            folder = mountPoint;
        }
        const QString good = folder + u"/good.mqd"_s;
        QVERIFY(writeAll(good, deckBytes("Old")));
        loadDeck(good);
        // More than the limits below allow; the save commits it first.
        const QString typed = u"0123456789\r\n"_s.repeated(50000);
        editor()->TFront->setPlainText(typed);

        QString target = good;
        if (fault == u"missing folder"_s)
            target = dir->filePath(u"nowhere/deck.mqd"_s);
        else if (fault == u"folder"_s)
            QVERIFY(QDir().mkdir(target = dir->filePath(u"dir.mqd"_s)));
        else if (fault == u"read-only"_s)
            QVERIFY(run(u"mount"_s, {u"-o"_s, u"remount,ro"_s, mountPoint}));
        else if (fault == u"size limit"_s) {
            rlimit small{64 * 1024, fileSizeLimit.rlim_max};
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        }

        if (saveAs)
            app->platform.answerSaveDialog(target);
        app->platform.answerMessage(MsgResult::Ok);
        QVERIFY(trigger(saveAs ? editor()->MSaveAs : editor()->MSave));
        if (saveAs)
            app->platform.takeShown();
        verifyFileError(u"Could not save the deck to '%1'.\r\n"_s.arg(target));

        // Nothing lost: the old file whole, the deck in memory, the deck's file name.
        QCOMPARE(readAll(good), deckBytes("Old"));
        QCOMPARE(app->deck.Cards(1).front, typed);
        QCOMPARE(app->deck.CurrentFile, std::optional<QString>(good));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"good.mqd"_s});

        app->platform.clearShown();
        if (saveAs) {
            // The deck's own file is fine: a close that saves there goes ahead.
            app->platform.answerMessage(MsgResult::Yes);
            QVERIFY(editor()->close());
            QVERIFY(readAll(good).contains(typed.toLatin1()));
            return;
        }
        // A close whose save fails is refused rather than losing the typed text.
        app->platform.answerMessage(MsgResult::Yes);
        app->platform.answerMessage(MsgResult::Ok);
        QVERIFY(!editor()->close());
        QCOMPARE(app->platform.takeShown().title, u"Save Changes?"_s);
        QVERIFY(app->platform.takeShown().prompt.startsWith(u"Could not save"_s));
        QVERIFY(editor()->isVisible());
        QCOMPARE(readAll(good), deckBytes("Old"));
    }

    void symlinkedTargetKeepsTheLink()
    {
        const QString real = dir->filePath(u"real.mqd"_s);
        const QString link = dir->filePath(u"link.mqd"_s);
        QVERIFY(writeAll(real, deckBytes("Old")));
        QVERIFY(QFile::link(real, link));
        loadDeck(link);
        editor()->TFront->setPlainText(u"new front"_s);
        QVERIFY(trigger(editor()->MSave));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QFileInfo(link).symLinkTarget(), real);
        QCOMPARE(readAll(real), deckRecord("Old", "new front", "back"));
    }

    void permissionsAreKept()
    {
        const QString file = dir->filePath(u"private.mqd"_s);
        QVERIFY(writeAll(file, deckBytes("Old")));
        QCOMPARE(::chmod(QFile::encodeName(file).constData(), 0640), 0);
        loadDeck(file);
        editor()->TBack->setPlainText(u"changed"_s);
        QVERIFY(trigger(editor()->MSave));
        struct stat info
        {
        };
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &info), 0);
        QCOMPARE(info.st_mode & 07777, mode_t(0640));
        QVERIFY(readAll(file).contains("changed"));
    }

    void fileRemovedAfterTheDialog()
    {
        // A deck in memory, with cards; Load asks first and empties it.
        newCard(*app, u"Mine"_s);
        app->platform.clearShown();
        const QString target = dir->filePath(u"x.mqd"_s);
        QVERIFY(writeAll(target, deckBytes("X")));

        app->platform.answerMessage(MsgResult::Yes);
        app->platform.answerOpenDialog(target, [&] { QFile::remove(target); });
        app->platform.answerMessage(MsgResult::Ok);
        QVERIFY(trigger(editor()->Mload));
        app->platform.takeShown();
        app->platform.takeShown();
        verifyFileError(u"Could not load the deck from '%1'.\r\n"_s.arg(target));
        QCOMPARE(app->deck.CardCount(), 0);
        QCOMPARE(editor()->List->count(), 0);
        QCOMPARE(app->deck.CurrentFile, std::optional<QString>(QString()));
        QVERIFY(!editor()->MSave->isEnabled());
        QVERIFY(!editor()->MCRead->isEnabled());
    }
};

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
