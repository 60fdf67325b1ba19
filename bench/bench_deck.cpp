// The deck file reader and writer, and their floors: reading the same file with read() and
// decoding it into one QString through a 256-entry table; writing the same bytes through
// QSaveFile.
#include "benchcommon.h"
#include "deckgen.h"

#include "deckfile.h"
#include "deckformat.h"
#include "windows1252.h"

#include <QFile>
#include <QSaveFile>

#include <array>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace memoquill::bench {

namespace {

void readDeckInMemory(benchmark::State &state)
{
    const QByteArray &bytes = deckBytes(int(state.range(0)));
    DeckReadResult read;
    for (auto _ : state) {
        // Freeing the previous cards is no part of reading.
        state.PauseTiming();
        read = {};
        state.ResumeTiming();
        read = readDeck(bytes);
        benchmark::DoNotOptimize(read.cards.data());
    }
    const int cards = int(state.range(0));
    check(state,
          read.cards.size() == cards && read.cards.last().name == generatedCardName(cards)
              && read.cards.last().back.contains(u"\r\n"),
          "readDeck did not read the generated cards");
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

// What a load does before the editor sees the cards: the file read whole, then decoded.
void readDeckFromFile(benchmark::State &state)
{
    const QString path = deckPath(int(state.range(0)));
    DeckFileRead read;
    for (auto _ : state) {
        state.PauseTiming();
        read = {};
        state.ResumeTiming();
        read = readDeckFile(path);
        benchmark::DoNotOptimize(read.cards.data());
    }
    check(state, read.failure.isEmpty() && read.cards.size() == state.range(0),
          "readDeckFile returned the wrong number of cards");
    state.SetBytesProcessed(state.iterations() * deckBytes(int(state.range(0))).size());
}

void writeDeckInMemory(benchmark::State &state)
{
    const QByteArray &bytes = deckBytes(int(state.range(0)));
    const QList<CardRecord> cards = readDeck(bytes).cards;
    bool same = true;
    for (auto _ : state) {
        DeckWriteResult written = writeDeck(cards);
        same = written.bytes.size() == bytes.size();
        benchmark::DoNotOptimize(written.bytes.data());
    }
    check(state, same && writeDeck(cards).bytes == bytes, "writeDeck did not give the file back");
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

// The floor under any reader: the whole file with read(), every byte through a table into
// one QString.
void floorReadAndDecode(benchmark::State &state)
{
    static constexpr std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[std::size_t(b)] = windows1252::decode(static_cast<unsigned char>(b));
        return t;
    }();
    const QByteArray path = QFile::encodeName(deckPath(int(state.range(0))));
    qsizetype decoded = 0;
    for (auto _ : state) {
        const int fd = open(path.constData(), O_RDONLY | O_CLOEXEC);
        struct stat info
        {
        };
        fstat(fd, &info);
        const auto size = qsizetype(info.st_size);
        const std::unique_ptr<unsigned char[]> buffer(new unsigned char[std::size_t(size)]);
        qsizetype got = 0;
        while (got < size) {
            const ssize_t n = read(fd, buffer.get() + got, std::size_t(size - got));
            if (n <= 0)
                break;
            got += n;
        }
        close(fd);
        QString text(got, Qt::Uninitialized);
        char16_t *out = reinterpret_cast<char16_t *>(text.data());
        for (qsizetype i = 0; i < got; ++i)
            out[i] = table[buffer[std::size_t(i)]];
        decoded = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    check(state, decoded == deckBytes(int(state.range(0))).size(), "the floor read short");
    state.SetBytesProcessed(state.iterations() * decoded);
}

// The floor under any save: the same bytes through QSaveFile (temporary file, fsync, rename).
void floorSaveFile(benchmark::State &state)
{
    const QByteArray &bytes = deckBytes(int(state.range(0)));
    const QString path = scratchPath(QStringLiteral("floor-%1.mqd").arg(state.range(0)));
    bool ok = true;
    for (auto _ : state) {
        QSaveFile file(path);
        ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
        if (!ok)
            break;
    }
    check(state, ok, "QSaveFile could not write");
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

} // namespace

void registerDeckBenchmarks()
{
    const DeckSizes &n = deckSizes();
    for (const int cards : {n.one, n.thousand, n.full}) {
        configure(benchmark::RegisterBenchmark("deck/read", readDeckInMemory),
                  benchmark::kMicrosecond)
            ->Arg(cards);
        configure(benchmark::RegisterBenchmark("deck/write", writeDeckInMemory),
                  benchmark::kMicrosecond)
            ->Arg(cards);
    }
    configure(benchmark::RegisterBenchmark("deck/read_file", readDeckFromFile),
              benchmark::kMicrosecond)
        ->Arg(n.full);
    configure(benchmark::RegisterBenchmark("floor/read_decode", floorReadAndDecode),
              benchmark::kMicrosecond)
        ->Arg(n.full);
    configure(benchmark::RegisterBenchmark("floor/qsavefile_write", floorSaveFile),
              benchmark::kMicrosecond)
        ->Arg(n.full);
}

} // namespace memoquill::bench
