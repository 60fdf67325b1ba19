// The editor's and the reader's commands on large decks, driven as the tests drive them:
// the real windows, offscreen, with the scripted platform answering every box. Beside them
// their floors: the bare window with the same controls, and filling a plain uniform list.
#include "barewindow.h"
#include "benchcommon.h"
#include "deckgen.h"

#include "accesskeybutton.h"
#include "appwindows.h"
#include "cardcreate.h"
#include "cardreader.h"
#include "deckformat.h"
#include "deckstore.h"
#include "scriptedplatform.h"
#include "textbox.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>

#include "cardlistbox.h"
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace memoquill::bench {

namespace {

using namespace Qt::StringLiterals;

// The editor as the app starts it, shown and exposed, with the scripted platform.
class EditorSession
{
public:
    EditorSession()
        : windows(deck, platform, [] {})
    {
        windows.start();
        exposed = QTest::qWaitForWindowExposed(editor());
    }

    CardCreate *editor() { return windows.existingEditor(); }

    // File > Load of a generated deck, up to the list laid out and the first card painted.
    void load(int cards)
    {
        if (deck.CardCount() != 0)
            platform.answerMessage(MsgResult::Yes); // "Load New Project"
        platform.answerOpenDialog(deckPath(cards));
        editor()->Mload_Click();
        settle(editor());
    }

    // File > New: an empty editor again.
    void clear()
    {
        if (deck.CardCount() != 0)
            platform.answerMessage(MsgResult::Yes); // "New Project"
        editor()->Mnew_Click();
        settle(editor());
    }

    bool showsCard(qint32 slot)
    {
        const CardRecord &card = deck.Cards(slot);
        return editor()->LTitle->text() == card.name
               && textbox::text(editor()->TFront) == card.front
               && textbox::text(editor()->TBack) == card.back;
    }

    bool loaded(int cards)
    {
        return exposed && deck.CardCount() == cards && editor()->List->count() == cards
               && deck.Cards(1).name == generatedCardName(1)
               && deck.Cards(cards).name == generatedCardName(cards) && showsCard(1);
    }

    bool scriptDone() const { return platform.problems().isEmpty(); }

    DeckStore deck;
    ScriptedPlatform platform;
    AppWindows windows;
    bool exposed = false;
};

QStringList generatedNames(int cards)
{
    QStringList names;
    names.reserve(cards);
    for (int i = 1; i <= cards; ++i)
        names.append(generatedCardName(i));
    return names;
}

void editorLoad(benchmark::State &state)
{
    const int cards = int(state.range(0));
    deckPath(cards); // written before the clock runs
    EditorSession session;
    for (auto _ : state) {
        state.PauseTiming();
        session.clear();
        state.ResumeTiming();
        session.load(cards);
    }
    check(state, session.loaded(cards) && session.scriptDone(),
          "the load did not show the deck and its first card");
    state.SetBytesProcessed(state.iterations() * deckBytes(cards).size());
}

void editorSave(benchmark::State &state)
{
    const int cards = int(state.range(0));
    EditorSession session;
    session.load(cards);
    const QString path = scratchPath(u"saved-%1.mqd"_s.arg(cards));
    session.deck.CurrentFile = path;
    bool saved = true;
    for (auto _ : state)
        saved = session.editor()->SaveDeck(false) && saved;
    QFile file(path);
    check(state,
          saved && session.scriptDone() && file.open(QIODevice::ReadOnly)
              && file.readAll() == deckBytes(cards),
          "the save did not write the deck back unchanged");
    state.SetBytesProcessed(state.iterations() * deckBytes(cards).size());
}

// List_Click on the last card: the handler itself, which finds the picked name among all the
// cards and shows that card. The list's own selection work, the same for any deck, is done
// before the clock runs.
void editorListClickLast(benchmark::State &state)
{
    const int cards = int(state.range(0));
    EditorSession session;
    session.load(cards);
    CardListBox *list = session.editor()->List;
    {
        const QSignalBlocker quiet(list->selectionModel());
        list->selectRow(cards - 1);
    }
    for (auto _ : state) {
        state.PauseTiming();
        settle(session.editor());
        state.ResumeTiming();
        Q_EMIT list->rowSelected(); // runs List_Click
    }
    check(state, session.showsCard(cards) && session.scriptDone(),
          "picking the last card did not show it");
}

void editorAutoUpdateLast(benchmark::State &state)
{
    const int cards = int(state.range(0));
    EditorSession session;
    session.load(cards);
    session.editor()->List->selectRow(cards - 1);
    settle(session.editor());
    const CardRecord before = session.deck.Cards(cards);
    for (auto _ : state)
        session.editor()->AutoUpdate();
    check(state, session.deck.Cards(cards) == before && session.showsCard(cards),
          "committing the unchanged last card changed it");
}

// New Card's duplicate check when the name is not there: every slot is compared.
void deckFindMissing(benchmark::State &state)
{
    const int cards = int(state.range(0));
    DeckStore deck;
    deck.assign(readDeck(deckBytes(cards)).cards);
    const QString missing = u"Card 99999 missing"_s;
    bool found = false;
    for (auto _ : state) {
        found = deck.findByName(missing);
        benchmark::DoNotOptimize(found);
    }
    check(state, !found && deck.CardIndex == cards + 1, "findByName found a missing name");
}

// New Card with the name of the last card: the input box, the search, the message box.
void editorNewCardDuplicate(benchmark::State &state)
{
    const int cards = int(state.range(0));
    EditorSession session;
    session.load(cards);
    const QString name = generatedCardName(cards);
    for (auto _ : state) {
        session.platform.answerInput(name);
        session.platform.answerMessage(MsgResult::Ok); // "Name already in use"
        session.editor()->BNew->click();
        if (session.platform.shown().size() > 256) {
            state.PauseTiming();
            session.platform.clearShown();
            state.ResumeTiming();
        }
    }
    check(state,
          session.scriptDone() && session.deck.CardCount() == cards
              && session.editor()->List->count() == cards && !session.platform.shown().isEmpty()
              && session.platform.shown().last().title == u"Name already in use"_s,
          "New Card with a duplicate name did not refuse it");
}

void readerNextRandom(benchmark::State &state)
{
    const int cards = int(state.range(0));
    EditorSession session;
    session.load(cards);
    session.windows.openReader();
    CardReader *reader = session.windows.existingReader();
    reader->CRand->setChecked(true);
    settle(reader);
    for (auto _ : state)
        reader->BNext->click();
    const qint32 shown = session.deck.CardIndex;
    check(state,
          session.deck.isSlot(shown)
              && textbox::text(reader->TCard) == session.deck.Cards(shown).front,
          "Next Card did not show a card");
}

// The editor's own list, filled as a load fills it, up to laid out and painted.
void editorListFill(benchmark::State &state)
{
    const QStringList names = generatedNames(int(state.range(0)));
    EditorSession session;
    CardListBox *list = session.editor()->List;
    for (auto _ : state) {
        state.PauseTiming();
        list->clear();
        settle(session.editor());
        state.ResumeTiming();
        list->setNames(names);
        settle(session.editor());
    }
    check(state, list->count() == names.size(), "the list was not filled");
}

// The floor: a plain list with uniform item sizes in the bare window.
void floorListFill(benchmark::State &state)
{
    const QStringList names = generatedNames(int(state.range(0)));
    const std::unique_ptr<QMainWindow> window(makeBareWindow());
    auto *list = window->findChild<QListWidget *>();
    list->setUniformItemSizes(true);
    const bool painted = showAndWaitForPaint(window.get());
    for (auto _ : state) {
        state.PauseTiming();
        list->clear();
        settle(window.get());
        state.ResumeTiming();
        list->addItems(names);
        settle(window.get());
    }
    check(state, painted && list->count() == names.size(), "the list was not filled");
}

// The editor window built and shown, up to its first frame (in this process: no Qt start-up).
void editorWindowPaint(benchmark::State &state)
{
    struct App
    {
        DeckStore deck;
        ScriptedPlatform platform;
        AppWindows windows{deck, platform, [] {}};
    };
    std::unique_ptr<App> app;
    bool painted = true;
    for (auto _ : state) {
        state.PauseTiming();
        app.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        app = std::make_unique<App>();
        painted = showAndWaitForPaint(app->windows.editor()) && painted;
    }
    check(state, painted, "the editor never painted");
}

void floorBareWindowPaint(benchmark::State &state)
{
    std::unique_ptr<QMainWindow> window;
    bool painted = true;
    for (auto _ : state) {
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        window.reset(makeBareWindow());
        painted = showAndWaitForPaint(window.get()) && painted;
    }
    check(state, painted, "the bare window never painted");
}

} // namespace

void registerEditorBenchmarks()
{
    const DeckSizes &n = deckSizes();
    const auto add = [](const char *name, void (*function)(benchmark::State &),
                        benchmark::TimeUnit unit, int cards) {
        benchmark::internal::Benchmark *benchmark =
            configure(benchmark::RegisterBenchmark(name, function), unit);
        if (cards > 0)
            benchmark->Arg(cards);
    };
    add("editor/load", editorLoad, benchmark::kMillisecond, n.thousand);
    add("editor/load", editorLoad, benchmark::kMillisecond, n.full);
    add("editor/save", editorSave, benchmark::kMillisecond, n.full);
    add("editor/list_click_last", editorListClickLast, benchmark::kMicrosecond, n.full);
    add("editor/auto_update_last", editorAutoUpdateLast, benchmark::kMicrosecond, n.full);
    add("deck/find_missing", deckFindMissing, benchmark::kMicrosecond, n.full - 1);
    add("editor/new_card_duplicate", editorNewCardDuplicate, benchmark::kMicrosecond, n.full - 1);
    add("reader/next_random", readerNextRandom, benchmark::kMicrosecond, n.full);
    add("editor/list_fill", editorListFill, benchmark::kMillisecond, n.full);
    add("floor/list_fill", floorListFill, benchmark::kMillisecond, n.full);
    add("editor/window_paint", editorWindowPaint, benchmark::kMillisecond, -1);
    add("floor/bare_window_paint", floorBareWindowPaint, benchmark::kMillisecond, -1);
}

} // namespace memoquill::bench
