// Google Benchmark loops around the deck codec, the word lists and the windows' commands on a
// generated deck of 32,767 cards, each beside the floor bench/run compares it with. A benchmark
// that did not do what it measures reports an error, and the program then exits 1.
//   memoquill_bench [--tiny] [--deck=FILE] [--benchmark_...]
// --tiny runs each benchmark once on 40 cards; --deck keeps the generated deck there.
#include "app/appwindows.h"
#include "app/startup.h"
#include "deck/deckfile.h"
#include "deck/deckformat.h"
#include "deck/recoveryfile.h"
#include "deck/windows1252.h"
#include "deck/wordlist.h"
#include "editor/cardcreate.h"
#include "editor/cardlistbox.h"
#include "platform/accesskeybutton.h"
#include "platform/qtplatform.h"
#include "platform/textbox.h"
#include "reader/cardreader.h"

#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <string_view>

namespace {

using namespace memoquill;
using namespace Qt::StringLiterals;

// Card i (from 1) of every generated deck: a unique name, and texts of words with letters above
// 0x7F, some in the block where Windows-1252 and Latin-1 differ; the back in two lines.
CardRecord generatedCard(int i)
{
    static const QStringList words =
        u"the café memory naïve learn crème brûlée review €5 œuvre "
        u"“quoted” Müller Straße answer señor façade déjà vu"_s.split(u' ');
    quint32 state = quint32(i) * 2654435761u;
    const auto text = [&](int length) {
        QString text;
        while (text.size() < length) {
            state = state * 1664525u + 1013904223u;
            text += words.at((state >> 16) % words.size()) + u' ';
        }
        return text.first(length);
    };
    QString front = text(78 + i * 37 % 45);
    return {u"Card %1 "_s.arg(i, 5, 10, QLatin1Char('0')) + words.at(i % words.size()), front,
            text(80) + u"\r\n"_s + text(80)};
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Lets pending work run (the list's deferred layout among it), then paints the window.
void settle(QWidget *window)
{
    QCoreApplication::processEvents();
    window->repaint();
}

// Answers every message box with its first button and the input box with `input`.
class AnsweringPlatform final : public QtPlatform
{
public:
    MsgResult msgBox(const QString &, const QString &title, MsgButtons buttons, MsgIcon) override
    {
        lastTitle = title;
        const bool ok = buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel;
        return ok ? MsgResult::Ok : MsgResult::Yes;
    }
    QString inputBox(const QString &, const QString &, const QString &) override { return input; }

    QString input, lastTitle;
};

// The app's windows as the program opens them, on screen, with the deck file loaded if any.
struct Session
{
    // With recoveryFolder, the editor keeps its unsaved state there.
    explicit Session(const std::optional<QString> &deckFile, const QString &recoveryFolder = {})
        : recovery(recoveryFolder)
        , windows{deck, platform, [] {}, recoveryFolder.isEmpty() ? nullptr : &recovery}
    {
        windows.start(deckFile ? StartDeck{*deckFile} : StartDeck{});
        const QDeadlineTimer deadline(5000);
        while (!editor->windowHandle()->isExposed() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        settle(editor);
    }

    bool shows(int slot) const
    {
        return deck.isSlot(slot) && editor->LTitle->text() == deck.Cards(slot).name
               && textbox::text(editor->TFront) == deck.Cards(slot).front;
    }

    DeckStore deck;
    AnsweringPlatform platform;
    RecoveryFile recovery;
    AppWindows windows;
    CardCreate *editor = windows.editor();
};

struct Figure
{
    const char *name;
    std::function<void()> run;
    // Whether the runs did what the figure measures, and what went wrong if not.
    std::function<bool()> done;
    const char *failure;
    // Runs untimed before each run.
    std::function<void()> prepare = nullptr;
};

// Front and back of every card as generated, in order (a list names its cards itself).
bool sameTexts(const QList<CardRecord> &cards, const QList<CardRecord> &generated)
{
    const auto texts = [](const CardRecord &card) { return std::pair(card.front, card.back); };
    return std::ranges::equal(cards, generated, {}, texts, texts);
}

} // namespace

int main(int argc, char *argv[])
{
    // Our own options go before Google Benchmark sees the rest.
    bool tiny = false;
    QString deckOption;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--tiny")
            tiny = true;
        else if (arg.starts_with("--deck="))
            deckOption = QFile::decodeName(argv[i] + 7);
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    const int cards = tiny ? 40 : DeckStore::MaxCards;

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication(app);
    QTemporaryDir scratch;
    const QString path = deckOption.isEmpty() ? scratch.filePath(u"deck.mqd"_s) : deckOption;
    const QString shorter = scratch.filePath(u"shorter.mqd"_s);
    const QString saved = scratch.filePath(u"saved.mqd"_s);
    const QString floorSaved = scratch.filePath(u"floor.mqd"_s);
    const QString thousand = scratch.filePath(u"thousand.mqd"_s);
    QList<CardRecord> generated;
    for (int i = 1; i <= cards; ++i)
        generated.append(generatedCard(i));
    if (!writeDeckFile(path, generated).failure.isEmpty()
        || !writeDeckFile(shorter, generated.first(cards - 1)).failure.isEmpty()
        || !writeDeckFile(thousand, generated.first(std::min(cards, 1000))).failure.isEmpty())
        qFatal("memoquill_bench: cannot write the decks");
    const QByteArray bytes = fileBytes(path);
    const QByteArray list = writeList(generated, ListFormat::Tabs);
    benchmark::AddCustomContext("cards", std::to_string(cards));
    benchmark::AddCustomContext("bytes", std::to_string(bytes.size()));

    // Loading starts empty; editing shows the last card; adding is one card short of the
    // limit, so that the full deck's refusal does not come first; reviewing shows the reader.
    Session loading(std::nullopt), editing(path), adding(shorter), reviewing(path);
    // Recovering keeps the whole deck's unsaved state; typing types into a deck of 1,000.
    Session recovering(path, scratch.filePath(u"recovery"_s));
    Session typing(thousand, scratch.filePath(u"typing"_s));
    // A change that leaves the texts as they were: the recovery file is due.
    const auto makeDue = [](CardCreate *editor) {
        editor->TFront->textCursor().insertText(u"x"_s);
        editor->TFront->textCursor().deletePreviousChar();
    };
    {
        const QSignalBlocker quiet(editing.editor->List->selectionModel());
        editing.editor->List->selectRow(cards - 1);
    }
    Q_EMIT editing.editor->List->rowSelected(); // the last card shown, whichever figure is first
    editing.deck.CurrentFile = saved;
    adding.platform.input = generatedCard(cards - 1).name;
    reviewing.windows.openReader();
    CardReader *reader = reviewing.windows.reader();
    reader->CRand->setChecked(true);
    settle(reader);

    DeckFileRead read;
    QString text;
    DeckReadResult deckRead;
    ListReadResult listRead;
    QByteArray deckWritten, listWritten;
    bool allSaved = true;
    const Figure figures[] = {
        {"deck/read_file", [&] { read = readDeckFile(path); },
         [&] { return read.failure.isEmpty() && read.cards == generated; },
         "readDeckFile did not read the generated deck",
         [&] { read = {}; }}, // freeing the previous cards is no part of reading
        // The floor under any reader: the whole file read at once, each byte through the table.
        {"floor/read",
         [&] {
             const QByteArray file = fileBytes(path);
             text.resize(file.size());
             const auto *in = reinterpret_cast<const unsigned char *>(file.constData());
             auto *out = reinterpret_cast<char16_t *>(text.data());
             for (qsizetype i = 0; i < file.size(); ++i)
                 out[i] = windows1252::DecodeTable[in[i]];
         },
         [&] { return text.size() == bytes.size() && text.startsWith(u"Card 00001"); },
         "the floor did not read the file", [&] { text = QString(); }},
        {"editor/load",
         [&] {
             loading.editor->openDeck(path);
             settle(loading.editor);
         },
         [&] { return loading.editor->List->count() == cards && loading.shows(1); },
         "LoadDeck did not show the deck and its first card",
         [&] {
             loading.editor->Mnew_Click(); // "New Project": Yes
             settle(loading.editor);
         }},
        {"editor/save", [&] { allSaved = editing.editor->SaveDeck(false) && allSaved; },
         [&] { return allSaved && fileBytes(saved) == bytes; },
         "SaveDeck did not write the deck back unchanged"},
        {"editor/recovery_write", [&] { recovering.editor->writeRecoveryNow(); },
         [&] { return fileBytes(recovering.recovery.deckFile()) == bytes; },
         "the recovery file did not hold the deck", [&] { makeDue(recovering.editor); }},
        // A keystroke's handler with the recovery file due; the write waits for a pause.
        {"editor/keystroke",
         [&] {
             for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                 QKeyEvent key(type, Qt::Key_A, Qt::NoModifier, u"a"_s);
                 QCoreApplication::sendEvent(typing.editor->TFront, &key);
             }
         },
         [&] { return textbox::text(typing.editor->TFront).startsWith(u"a"_s); },
         "the keystrokes did not reach the front box",
         // A card's text, not a line that grows with every run.
         [&] {
             if (typing.editor->TFront->document()->characterCount() > 200)
                 typing.editor->TFront->clear();
         }},
        // The floor under any save: the same bytes through QSaveFile.
        {"floor/save",
         [&] {
             QSaveFile file(floorSaved);
             allSaved = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
                        && file.commit() && allSaved;
         },
         [&] { return allSaved && fileBytes(floorSaved) == bytes; },
         "QSaveFile did not write the deck's bytes"},
        // The codec in memory, beside the word lists of the same cards.
        {"deck/read", [&] { deckRead = readDeck(bytes); },
         [&] { return deckRead.cards == generated; }, "readDeck did not read the generated deck",
         [&] { deckRead = {}; }},
        {"list/read", [&] { listRead = readList(list, ListFormat::Tabs); },
         [&] { return listRead.failure.isEmpty() && sameTexts(listRead.cards, generated); },
         "readList did not read the generated cards", [&] { listRead = {}; }},
        {"deck/write", [&] { deckWritten = writeDeck(generated).bytes; },
         [&] { return deckWritten == bytes; }, "writeDeck did not write the generated deck",
         [&] { deckWritten = {}; }},
        {"list/write", [&] { listWritten = writeList(generated, ListFormat::Tabs); },
         [&] { return sameTexts(readList(listWritten, ListFormat::Tabs).cards, generated); },
         "writeList did not write the generated cards", [&] { listWritten = {}; }},
        // The handler alone: the list's own selection work, the same for any deck, is done.
        {"editor/list_click", [&] { Q_EMIT editing.editor->List->rowSelected(); },
         [&] { return editing.shows(cards); }, "List_Click did not show the last card",
         [&] { settle(editing.editor); }},
        {"editor/auto_update", [&] { editing.editor->AutoUpdate(); },
         [&] { return editing.shows(cards) && editing.deck.Cards(cards) == generated.last(); },
         "AutoUpdate did not keep the last card as it was"},
        {"editor/new_card_duplicate", [&] { adding.editor->BNew->click(); },
         [&] {
             return adding.deck.CardCount() == cards - 1
                    && adding.platform.lastTitle == u"Name already in use"_s;
         },
         "New Card with a duplicate name did not refuse it"},
        {"reader/next_random", [&] { reader->BNext->click(); },
         [&] {
             const qint32 shown = reviewing.deck.CardIndex;
             return reviewing.deck.isSlot(shown)
                    && textbox::text(reader->TCard) == reviewing.deck.Cards(shown).front;
         },
         "Next Card did not show a card"},
    };
    bool failed = false;
    for (const Figure &figure : figures) {
        auto *registered = benchmark::RegisterBenchmark(figure.name, [&](benchmark::State &state) {
            for (auto _ : state) {
                if (figure.prepare) {
                    state.PauseTiming();
                    figure.prepare();
                    state.ResumeTiming();
                }
                figure.run();
            }
            if (!figure.done()) {
                state.SkipWithError(figure.failure);
                failed = true;
            }
        });
        registered->UseRealTime()->Unit(benchmark::kMillisecond);
        if (tiny)
            registered->Iterations(1);
    }

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return failed ? 1 : 0;
}
