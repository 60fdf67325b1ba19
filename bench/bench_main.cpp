// The benchmark program: the deck reader and writer, the editor's and the reader's commands
// on large decks, and beside each figure the floor it is compared with.
//
//   memoquill_bench [--tiny] [--summary=FILE] [Google Benchmark flags]
//   memoquill_bench --write-deck=FILE [--cards=N]
//
// --tiny (or MEMOQUILL_BENCH_TINY=1) runs every benchmark once on decks of a few cards and
// fails when a benchmark did not do what it measures: the smoke test. --summary writes each
// benchmark's median time per iteration, in milliseconds, as "bench/NAME <tab> ms <tab> ms"
// lines for bench/run's table. --write-deck writes a generated deck (32,767 cards unless
// --cards says otherwise) and exits.
#include "benchcommon.h"
#include "deckgen.h"
#include "look.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>

namespace memoquill::bench {

namespace {

bool g_tiny = false;

std::unique_ptr<QTemporaryDir> &scratchDir()
{
    static std::unique_ptr<QTemporaryDir> dir;
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        if (!dir->isValid()) {
            std::fprintf(stderr, "memoquill_bench: cannot create a temporary folder\n");
            std::exit(1);
        }
    }
    return dir;
}

std::map<int, QByteArray> &deckCache()
{
    static std::map<int, QByteArray> decks;
    return decks;
}

class PaintFlag final : public QObject
{
public:
    bool painted = false;

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

double toMilliseconds(benchmark::TimeUnit unit)
{
    switch (unit) {
    case benchmark::kNanosecond:
        return 1e-6;
    case benchmark::kMicrosecond:
        return 1e-3;
    case benchmark::kMillisecond:
        return 1;
    case benchmark::kSecond:
        return 1e3;
    }
    return 1;
}

// The console report, plus each benchmark's median (or single) time for the summary.
class SummaryReporter final : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.error_occurred) {
                failed = true;
                continue;
            }
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (!single && !median)
                continue;
            std::string name = run.run_name.function_name;
            if (!run.run_name.args.empty())
                name += '/' + run.run_name.args;
            medians[name] = run.GetAdjustedRealTime() * toMilliseconds(run.time_unit);
        }
    }

    bool failed = false;
    std::map<std::string, double> medians;
};

// Removes argv[i], keeping argv null-terminated.
void dropArgument(int &argc, char **argv, int i)
{
    for (int k = i; k < argc; ++k)
        argv[k] = argv[k + 1];
    --argc;
}

} // namespace

bool tinyMode()
{
    return g_tiny;
}

const DeckSizes &deckSizes()
{
    static const DeckSizes normal;
    static const DeckSizes tiny{1, 10, 40};
    return g_tiny ? tiny : normal;
}

const QByteArray &deckBytes(int cards)
{
    QByteArray &bytes = deckCache()[cards];
    if (bytes.isEmpty())
        bytes = generateDeckBytes(cards);
    return bytes;
}

QString scratchPath(const QString &name)
{
    return scratchDir()->filePath(name);
}

QString deckPath(int cards)
{
    const QString path = scratchPath(QStringLiteral("deck-%1.mqd").arg(cards));
    if (!QFile::exists(path)) {
        QFile file(path);
        const QByteArray &bytes = deckBytes(cards);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "memoquill_bench: cannot write %s\n", qPrintable(path));
            std::exit(1);
        }
    }
    return path;
}

bool check(benchmark::State &state, bool ok, const char *what)
{
    if (!ok)
        state.SkipWithError(what);
    return ok;
}

void settle(QWidget *window)
{
    QCoreApplication::processEvents();
    window->repaint();
}

bool showAndWaitForPaint(QWidget *window)
{
    PaintFlag flag;
    window->installEventFilter(&flag);
    window->show();
    const QDeadlineTimer deadline(5000);
    while (!flag.painted && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    window->removeEventFilter(&flag);
    return flag.painted;
}

benchmark::internal::Benchmark *configure(benchmark::internal::Benchmark *benchmark,
                                          benchmark::TimeUnit unit)
{
    benchmark->Unit(unit)->UseRealTime();
    if (g_tiny)
        benchmark->Iterations(1);
    return benchmark;
}

} // namespace memoquill::bench

int main(int argc, char *argv[])
{
    using namespace memoquill::bench;

    g_tiny = qEnvironmentVariableIntValue("MEMOQUILL_BENCH_TINY") != 0;
    QString summaryPath;
    QString writeDeck;
    int writeCards = deckSizes().full;
    for (int i = 1; i < argc;) {
        const char *arg = argv[i];
        if (std::strcmp(arg, "--tiny") == 0)
            g_tiny = true;
        else if (std::strncmp(arg, "--summary=", 10) == 0)
            summaryPath = QString::fromLocal8Bit(arg + 10);
        else if (std::strncmp(arg, "--write-deck=", 13) == 0)
            writeDeck = QString::fromLocal8Bit(arg + 13);
        else if (std::strncmp(arg, "--cards=", 8) == 0)
            writeCards = std::atoi(arg + 8);
        else {
            ++i;
            continue;
        }
        dropArgument(argc, argv, i);
    }

    if (!writeDeck.isEmpty()) {
        QFile file(writeDeck);
        const QByteArray bytes = memoquill::bench::generateDeckBytes(writeCards);
        if (writeCards < 1 || !file.open(QIODevice::WriteOnly)
            || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "memoquill_bench: cannot write %s\n", qPrintable(writeDeck));
            return 1;
        }
        return 0;
    }

    // The editor needs a QApplication; headless unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    memoquill::applyDesktopLook(app);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    benchmark::AddCustomContext("deck_bytes_per_card", std::to_string(BytesPerCard));
    benchmark::AddCustomContext("qt_version", qVersion());
    registerDeckBenchmarks();
    registerEditorBenchmarks();

    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    scratchDir().reset();

    if (!summaryPath.isEmpty()) {
        QFile summary(summaryPath);
        if (!summary.open(QIODevice::WriteOnly | QIODevice::Text)) {
            std::fprintf(stderr, "memoquill_bench: cannot write %s\n", qPrintable(summaryPath));
            return 1;
        }
        for (const auto &[name, ms] : reporter.medians)
            summary.write(QByteArray("bench/") + name.c_str() + '\t'
                          + QByteArray::number(ms, 'f', 6) + "\tms\n");
    }
    if (reporter.failed || reporter.medians.empty()) {
        std::fprintf(stderr, "memoquill_bench: %s\n",
                     reporter.failed ? "a benchmark failed" : "no benchmark ran");
        return 1;
    }
    return 0;
}
