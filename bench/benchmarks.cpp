// Times the deck file reader and writer and the windows' commands on a generated deck of
// 32,767 cards, each beside the floor bench/run compares it with, and prints "name <tab> ms"
// lines: of each figure's mean in every round, the median. Fails when a command did not do
// what it measures.
//   memoquill_bench [--rounds=N] [--deck=FILE] [--tiny]
// --deck keeps the generated deck there; --tiny runs each command once on 40 cards.
#include "accesskeybutton.h"
#include "appwindows.h"
#include "cardcreate.h"
#include "cardlistbox.h"
#include "cardreader.h"
#include "deckfile.h"
#include "qtplatform.h"
#include "startup.h"
#include "textbox.h"
#include "windows1252.h"

#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
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

void writeGeneratedDeck(const QString &path, int cards)
{
    QList<CardRecord> deck;
    for (int i = 1; i <= cards; ++i)
        deck.append(generatedCard(i));
    if (!writeDeckFile(path, deck).isEmpty())
        qFatal("memoquill_bench: cannot write %s", qPrintable(path));
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
    explicit Session(const std::optional<QString> &deckFile)
    {
        windows.start(deckFile);
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
    AppWindows windows{deck, platform, [] {}};
    CardCreate *editor = windows.editor();
};

struct Figure
{
    const char *name;
    std::function<void()> run;
    // Runs untimed before each run.
    std::function<void()> prepare = [] {};
};

// The mean milliseconds of one run, repeated for a fifth of a second (once when tiny).
double measure(const Figure &figure, bool tiny)
{
    QElapsedTimer round, timer;
    round.start();
    qint64 nanoseconds = 0;
    int runs = 0;
    for (; runs == 0 || (!tiny && round.elapsed() < 200); ++runs) {
        figure.prepare();
        timer.start();
        figure.run();
        nanoseconds += timer.nsecsElapsed();
    }
    return double(nanoseconds) / runs / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    bool tiny = false;
    int rounds = 5;
    QString deckOption;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--tiny")
            tiny = true;
        else if (arg.starts_with("--rounds="))
            rounds = QByteArray(argv[i] + 9).toInt();
        else if (arg.starts_with("--deck="))
            deckOption = QFile::decodeName(argv[i] + 7);
        else {
            std::fprintf(stderr, "memoquill_bench: unknown option %s\n", argv[i]);
            return 2;
        }
    }
    const int cards = tiny ? 40 : DeckStore::MaxCards;
    rounds = tiny ? 1 : std::max(rounds, 1);

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication(app);
    QTemporaryDir scratch;
    const QString path = deckOption.isEmpty() ? scratch.filePath(u"deck.mqd"_s) : deckOption;
    const QString shorter = scratch.filePath(u"shorter.mqd"_s);
    const QString saved = scratch.filePath(u"saved.mqd"_s);
    const QString floorSaved = scratch.filePath(u"floor.mqd"_s);
    writeGeneratedDeck(path, cards);
    writeGeneratedDeck(shorter, cards - 1);
    const QByteArray bytes = fileBytes(path);

    // Loading starts empty; editing has the last row selected; adding is one card short of the
    // limit, so that the full deck's refusal does not come first; reviewing shows the reader.
    Session loading(std::nullopt), editing(path), adding(shorter), reviewing(path);
    {
        const QSignalBlocker quiet(editing.editor->List->selectionModel());
        editing.editor->List->selectRow(cards - 1);
    }
    editing.deck.CurrentFile = saved;
    adding.platform.input = generatedCard(cards - 1).name;
    reviewing.windows.openReader();
    CardReader *reader = reviewing.windows.reader();
    reader->CRand->setChecked(true);
    settle(reader);

    DeckFileRead read;
    QString text;
    bool allSaved = true;
    Figure figures[] = {
        {"deck/read_file", [&] { read = readDeckFile(path); },
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
         [&] { text = QString(); }},
        {"editor/load",
         [&] {
             loading.editor->openDeck(path);
             settle(loading.editor);
         },
         [&] {
             loading.editor->Mnew_Click(); // "New Project": Yes
             settle(loading.editor);
         }},
        {"editor/save", [&] { allSaved = editing.editor->SaveDeck(false) && allSaved; }},
        // The floor under any save: the same bytes through QSaveFile.
        {"floor/save",
         [&] {
             QSaveFile file(floorSaved);
             allSaved = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
                        && file.commit() && allSaved;
         }},
        // The handler alone: the list's own selection work, the same for any deck, is done.
        {"editor/list_click", [&] { Q_EMIT editing.editor->List->rowSelected(); },
         [&] { settle(editing.editor); }},
        {"editor/auto_update", [&] { editing.editor->AutoUpdate(); }},
        {"editor/new_card_duplicate", [&] { adding.editor->BNew->click(); }},
        {"reader/next_random", [&] { reader->BNext->click(); }},
    };
    std::map<const char *, QList<double>> means;
    for (int round = 0; round < rounds; ++round) {
        for (const Figure &figure : figures)
            means[figure.name].append(measure(figure, tiny));
    }

    const qint32 shown = reviewing.deck.CardIndex;
    const std::pair<bool, const char *> checks[] = {
        {read.failure.isEmpty() && read.cards.size() == cards
             && read.cards.last() == generatedCard(cards),
         "readDeckFile did not read the generated deck"},
        {text.size() == bytes.size() && text.startsWith(u"Card 00001"),
         "the floor did not read the file"},
        {loading.editor->List->count() == cards && loading.shows(1),
         "LoadDeck did not show the deck and its first card"},
        {allSaved && fileBytes(saved) == bytes && fileBytes(floorSaved) == bytes,
         "a save did not write the deck back unchanged"},
        {editing.shows(cards) && editing.deck.Cards(cards) == generatedCard(cards),
         "picking the last card and committing it did not show it unchanged"},
        {adding.deck.CardCount() == cards - 1
             && adding.platform.lastTitle == u"Name already in use"_s,
         "New Card with a duplicate name did not refuse it"},
        {reviewing.deck.isSlot(shown)
             && textbox::text(reader->TCard) == reviewing.deck.Cards(shown).front,
         "Next Card did not show a card"},
    };
    bool allPassed = true;
    for (const auto &[passed, what] : checks) {
        if (!passed)
            std::fprintf(stderr, "memoquill_bench: %s\n", what);
        allPassed = allPassed && passed;
    }

    std::printf("deck/cards\t%d\ndeck/bytes\t%lld\n", cards, static_cast<long long>(bytes.size()));
    for (const Figure &figure : figures) {
        QList<double> &times = means[figure.name];
        std::sort(times.begin(), times.end());
        std::printf("%s\t%.6f\n", figure.name, times.at(times.size() / 2));
    }
    return allPassed ? 0 : 1;
}
