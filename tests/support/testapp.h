#pragma once

#include "appwindows.h"
#include "cardcreate.h"
#include "cardreader.h"
#include "deckstore.h"
#include "scriptedplatform.h"

#include <QAction>
#include <QTest>

#include <memory>

namespace memoquill::test {

// Call once per test program, before any window exists: the look the windows are designed for.
void prepareApplication();

// A fresh application for one test: an empty deck, the scripted platform, and the editor shown
// and active, as at start-up.
class TestApp
{
public:
    TestApp();
    ~TestApp();

    DeckStore deck;
    ScriptedPlatform platform;
    int quitCount = 0;
    std::unique_ptr<AppWindows> windows;

    CardCreate *editor() { return windows->existingEditor(); }
    CardReader *reader() { return windows->existingReader(); }

    // Empty when every queued answer was used and no unexpected box appeared.
    QString scriptProblems() const;
};

// Runs a menu item as the user does, refusing when the item is disabled.
[[nodiscard]] bool trigger(QAction *item);

// Waits until the window is active, with the focus inside it.
[[nodiscard]] bool activate(QWidget *window);

} // namespace memoquill::test

// Use in cleanup(): every answer queued by the test was used and no box came unexpectedly.
#define VERIFY_SCRIPT_DONE(app)                                                                    \
    do {                                                                                           \
        const QString problems_ = (app).scriptProblems();                                          \
        QVERIFY2(problems_.isEmpty(), qPrintable(problems_));                                      \
    } while (false)
