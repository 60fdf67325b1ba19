// The scripted platform is what every window test trusts: it must answer in order, record
// what was shown, and never let an unexpected box or an unused answer pass unnoticed.
#include "support/scriptedplatform.h"

#include <QTest>

using namespace memoquill;
using namespace Qt::StringLiterals;

class TestScriptedPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answersInOrderAndRecordsEveryBox()
    {
        ScriptedPlatform platform;
        platform.answerMessage(MsgResult::No);
        platform.answerInput(u"Apple"_s);
        platform.answerSaveDialog(u"/tmp/a.mqd"_s);

        QCOMPARE(platform.msgBox(u"Sure?"_s, u"Title"_s, MsgButtons::YesNo, MsgIcon::Question),
                 MsgResult::No);
        QCOMPARE(platform.inputBox(u"Name?"_s, u"New Card"_s), u"Apple"_s);
        auto dialog = platform.createFileDialog(nullptr);
        dialog->setFileTypes(u"Memofile (.mqd)"_s);
        dialog->setFileName(u"Untitled"_s);
        dialog->showSave();
        QCOMPARE(dialog->fileName(), u"/tmp/a.mqd"_s);

        QCOMPARE(platform.shown().size(), 3);
        const ShownBox message = platform.takeShown();
        QCOMPARE(message.kind, ShownBox::Message);
        QCOMPARE(message.prompt, u"Sure?"_s);
        QCOMPARE(message.title, u"Title"_s);
        QCOMPARE(message.buttons, MsgButtons::YesNo);
        QCOMPARE(message.icon, MsgIcon::Question);
        QCOMPARE(platform.takeShown().title, u"New Card"_s);
        const ShownBox save = platform.takeShown();
        QCOMPARE(save.kind, ShownBox::SaveDialog);
        QCOMPARE(save.fileTypes, u"Memofile (.mqd)"_s);
        QCOMPARE(save.fileName, u"Untitled"_s);
        QVERIFY(platform.problems().isEmpty());
    }

    void unexpectedBoxFailsTheTest()
    {
        ScriptedPlatform platform;
        QEXPECT_FAIL("", "a box nobody queued an answer for must fail the test", Continue);
        const MsgResult result =
            platform.msgBox(u"Surprise"_s, u"T"_s, MsgButtons::YesNoCancel, MsgIcon::None);
        // The harmless answer: Cancel where there is one.
        QCOMPARE(result, MsgResult::Cancel);
        QCOMPARE(platform.problems().size(), 1);
        QVERIFY(platform.problems().first().contains(u"Surprise"_s));
    }

    void answerForAnotherKindOfBoxFails()
    {
        ScriptedPlatform platform;
        platform.answerOpenDialog(u"/tmp/x.mqd"_s);
        QEXPECT_FAIL("", "an input box answered from an open-dialog answer must fail", Continue);
        QCOMPARE(platform.inputBox(u"Name?"_s, u"New Card"_s), QString());
        QCOMPARE(platform.problems().size(), 2); // the mismatch, and the answer left unused
    }

    void answerWithAButtonTheBoxLacksFails()
    {
        ScriptedPlatform platform;
        platform.answerMessage(MsgResult::Cancel);
        QEXPECT_FAIL("", "Cancel is not a button of a Yes/No box", Continue);
        platform.msgBox(u"Sure?"_s, u"T"_s, MsgButtons::YesNo, MsgIcon::None);
        QCOMPARE(platform.problems().size(), 1);
    }

    void unusedAnswersAreReported()
    {
        ScriptedPlatform platform;
        platform.answerMessage(MsgResult::Yes);
        platform.answerInput(u"x"_s);
        const QStringList problems = platform.problems();
        QCOMPARE(problems.size(), 2);
        QVERIFY(problems.first().contains(u"never used"_s));
    }

    void whileShownRunsBeforeTheAnswerReturns()
    {
        ScriptedPlatform platform;
        bool ran = false;
        platform.answerMessage(MsgResult::Ok, [&] { ran = true; });
        platform.msgBox(u"p"_s, u"t"_s, MsgButtons::Ok, MsgIcon::None);
        QVERIFY(ran);
    }

    void clipboardIsPrivateAndCanHoldAnImage()
    {
        ScriptedPlatform platform;
        platform.setClipboardText(u"a\r\nb"_s);
        QCOMPARE(platform.clipboardText(), u"a\r\nb"_s);
        platform.putImageOnClipboard();
        QCOMPARE(platform.clipboardText(), QString());
        platform.clearClipboard();
        QCOMPARE(platform.clipboardContent(), std::optional<QString>(QString()));
    }

    void randomDrawsCanBeQueuedThenRepeatInEveryRun()
    {
        ScriptedPlatform scripted;
        ScriptedPlatform again;
        scripted.queueRandom({0.5, 0.25});
        QCOMPARE(scripted.nextRandom(), 0.5);
        QCOMPARE(scripted.nextRandom(), 0.25);
        for (int i = 0; i < 1000; ++i) {
            const double r = scripted.nextRandom();
            QVERIFY(r >= 0 && r < 1);
            QCOMPARE(again.nextRandom(), r);
        }
    }
};

QTEST_MAIN(TestScriptedPlatform)
#include "tst_scriptedplatform.moc"
