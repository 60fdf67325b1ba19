#pragma once

#include "app/appwindows.h"
#include "deck/deckstore.h"
#include "editor/cardcreate.h"
#include "editor/cardlistbox.h"
#include "platform/accesskeybutton.h"
#include "reader/cardreader.h"
#include "support/deckbytes.h"
#include "support/scriptedplatform.h"

#include <QAction>
#include <QApplication>
#include <QFont>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace memoquill::test {

// Call once per test program, before any window exists: the application set up as the program
// sets up its own.
void prepareApplication();

// The languages the program has a translation for, beside English: "de", "es", "fr".
QStringList translatedLanguages();

// The letters of text that font, with the fonts Qt falls back on, has no glyph for; marks that
// show nothing by themselves (spaces, joiners, variation selectors) and '&' are left out.
QString missingLetters(const QString &text, const QFont &font);

// Makes the windows created from now on speak language ("en": the texts as written in the
// code), through the translations the program itself installs. False if it could not.
[[nodiscard]] bool useLanguage(const QString &language);

// The open window of that class, or null, found as the user sees windows rather than through
// AppWindows, which creates them. Windows already closed are deleted first, so they are not
// found; nor are those in others (another application's, still alive).
template <typename Window>
Window *openWindow(const QList<QPointer<QWidget>> &others = {})
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *widget : windows) {
        auto *window = qobject_cast<Window *>(widget);
        if (window && !others.contains(QPointer<QWidget>(widget)))
            return window;
    }
    return nullptr;
}

// A fresh application for one test: an empty deck, the scripted platform, and the editor shown
// and active, as at start-up.
class TestApp
{
public:
    // With recovery, the start offers what it holds; script queues the answers first.
    explicit TestApp(RecoveryFile *recovery = nullptr,
                     const std::function<void(ScriptedPlatform &)> &script = {},
                     StartDeck start = {});
    ~TestApp();

    DeckStore deck;
    ScriptedPlatform platform;
    int quitCount = 0;
    std::unique_ptr<AppWindows> windows;
    // Where loadDeck() puts the files it loads; they stay as long as the application.
    QTemporaryDir files;

    // The windows if they are open, without creating them.
    CardCreate *editor() const { return openWindow<CardCreate>(m_others); }
    CardReader *reader() const { return openWindow<CardReader>(m_others); }

    // Empty when every queued answer was used and no unexpected box appeared.
    QString scriptProblems() const;

private:
    // The windows that were open before this application started: a test that makes a new
    // application before the old one is gone still finds its own.
    QList<QPointer<QWidget>> m_others;
};

// The fixture of the window tests: for every test function a fresh application and a temporary
// folder; at its end, every queued answer used and no box shown unexpectedly.
class AppTest : public QObject
{
    Q_OBJECT

protected:
    std::unique_ptr<TestApp> app;
    std::unique_ptr<QTemporaryDir> dir;

protected Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
};

// Runs a menu item as the user does, refusing when the item is disabled.
[[nodiscard]] bool trigger(QAction *item);

// Waits until the window is active, with the focus inside it.
[[nodiscard]] bool activate(QWidget *window);

// Real mouse clicks, which move the focus first as a user's click does.
void click(QWidget *control);
void clickListRow(CardListBox *list, int row);

// Focuses a text box with the mouse and types at its end.
void typeInto(QPlainTextEdit *box, const QString &text);

// A text box's text with CR LF line breaks.
QString textOf(const QPlainTextEdit *box);

// The names in the editor's card list, top to bottom.
QStringList listNames(const CardListBox *list);

// The card list row that is selected, or -1.
int selectedRow(const CardListBox *list);

// Creates a card through New Card as the user does, with the scripted input box.
void newCard(TestApp &app, const QString &name);

// A file's bytes, or "<missing>" when it cannot be read.
QByteArray readAll(const QString &path);
[[nodiscard]] bool writeAll(const QString &path, const QByteArray &bytes);

// Loads a deck file of these bytes through File > Load, as the user does, answering Yes when
// asked about the cards already in the deck; the editor then shows the first card. Forgets
// the boxes shown so far.
void loadDeck(TestApp &app, const QByteArray &bytes);

// Loads a deck of cards named 1..count, fronts "front i" and backs "back i".
void fillDeck(TestApp &app, int count);

// A menu bar as tests/support/menus.txt writes it, a line per entry ("MFile|&File||on") and
// per item of its menu ("  Mnew|Ne&w|Ctrl+N|on"): object name, caption, shortcut, enabled.
QStringList menuTree(const QMenuBar *bar);

// How a window's menus are read off it: as menuTree() lists a menu bar, or as a screen reader
// announces them, a line per node from "menu bar 'Menu bar'" on (an entry's caption without
// its &, with its shortcut or else its access key, and "menu 'File'" when its menu opens).
enum class MenuReading { Tree, Announced };

// Compares the menus read off a window ("CardCreate" or "CardReader") with the ones
// tests/support/menus.txt designs for it: the one comparison with that file, for
// COMPARE_MENUS_TO_DESIGN.
[[nodiscard]] bool menusAsDesigned(const QStringList &read, const QString &window,
                                   MenuReading reading, const char *file, int line);

} // namespace memoquill::test

// Use in cleanup(): every answer queued by the test was used and no box came unexpectedly.
#define VERIFY_SCRIPT_DONE(app)                                                                    \
    do {                                                                                           \
        const QString problems_ = (app).scriptProblems();                                          \
        QVERIFY2(problems_.isEmpty(), qPrintable(problems_));                                      \
    } while (false)

// Fails the test unless the menus read off window are those tests/support/menus.txt designs.
#define COMPARE_MENUS_TO_DESIGN(read, window, reading)                                             \
    do {                                                                                           \
        if (!memoquill::test::menusAsDesigned(read, window, reading, __FILE__, __LINE__))          \
            return;                                                                                \
    } while (false)
