#pragma once

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QString>

class QWidget;

namespace memoquill::bench {

// The deck sizes every benchmark runs at: one card, a thousand, and as many as a deck can
// hold; in tiny mode (the smoke test) a few cards each.
struct DeckSizes
{
    int one = 1;
    int thousand = 1000;
    int full = 32767;
};

bool tinyMode();
const DeckSizes &deckSizes();

// A generated deck of `cards` cards: its bytes (kept in memory) and a file holding them, in a
// temporary folder that lasts as long as the program.
const QByteArray &deckBytes(int cards);
QString deckPath(int cards);
// A path in the same temporary folder, for files the benchmarks write.
QString scratchPath(const QString &name);

// Marks the benchmark failed unless ok: the smoke test then fails.
bool check(benchmark::State &state, bool ok, const char *what);

// Lets pending work run (the list's deferred layout among it), then paints the window.
void settle(QWidget *window);

// Shows the window and waits until its first frame is painted; false after five seconds.
bool showAndWaitForPaint(QWidget *window);

// Every benchmark is registered through here: tiny mode runs each exactly once.
benchmark::internal::Benchmark *configure(benchmark::internal::Benchmark *benchmark,
                                          benchmark::TimeUnit unit);

void registerDeckBenchmarks();
void registerEditorBenchmarks();

} // namespace memoquill::bench
