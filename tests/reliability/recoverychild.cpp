// Memoquill as it starts, with its boxes answered by the scripted platform, for the tests that
// kill it. Usage: recoverychild type|recover FOLDER SAVE_AS [DECK]
//   type: three new cards and text typed into the front box; "ready" on standard output once
//         the recovery file in FOLDER is written (then, for SIGTERM, more text typed at once).
//   recover: answers Yes to the recovery question, saves (to SAVE_AS for an untitled deck) and
//         closes the window.
#include "app/appwindows.h"
#include "app/startup.h"
#include "deck/recoveryfile.h"
#include "editor/cardcreate.h"
#include "platform/accesskeybutton.h"
#include "support/scriptedplatform.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace memoquill;
using namespace Qt::StringLiterals;

namespace {

CardCreate *findEditor()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *editor = qobject_cast<CardCreate *>(window))
            return editor;
    }
    return nullptr;
}

void say(const char *line)
{
    std::puts(line);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication(app);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4)
        return 2;
    const bool typing = args.at(1) == u"type"_s;
    const QString folder = args.at(2);
    const QString saveAs = args.at(3);
    StartDeck start;
    if (args.size() > 4)
        start = args.at(4);

    ScriptedPlatform platform;
    RecoveryFile recovery(folder);
    if (typing) {
        for (const QString &name : {u"Card 1"_s, u"Card 2"_s, u"Card 3"_s})
            platform.answerInput(name);
        // Once the deck given has loaded.
        QTimer::singleShot(100, &app, [&] {
            CardCreate *editor = findEditor();
            for (int i = 0; i < 3; ++i)
                editor->BNew->click();
            QTest::mouseClick(editor->TFront->viewport(), Qt::LeftButton);
            QTest::keyClicks(editor->TFront, u"typed front"_s);
            auto *poll = new QTimer(&app);
            QObject::connect(poll, &QTimer::timeout, &app, [&recovery, editor, poll] {
                if (!recovery.exists())
                    return;
                poll->stop();
                say("written");
                // Typed after the last write: only an end that writes at once keeps it.
                QTest::keyClicks(editor->TFront, u" more"_s);
                say("ready");
            });
            poll->start(20);
        });
    } else {
        platform.answerMessage(MsgResult::Yes);
        if (std::holds_alternative<std::monostate>(start))
            platform.answerSaveDialog(saveAs);
        platform.answerMessage(MsgResult::No);
        QTimer::singleShot(0, &app, [] {
            CardCreate *editor = findEditor();
            editor->MSave->trigger();
            editor->close();
        });
    }
    const int status = runWindows(platform, recovery, std::move(start));
    for (const QString &problem : platform.problems())
        std::fprintf(stderr, "%s\n", qPrintable(problem));
    return platform.problems().isEmpty() ? status : 3;
}
