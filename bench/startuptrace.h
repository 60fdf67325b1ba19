#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace memoquill {

// Start-up timing for bench/startup, which compares the app (bench/traced_app.cpp) with a bare
// Qt window, both started by bench/startup_launch.cpp.

// Milliseconds since launch: since the launcher's CLOCK_MONOTONIC reading in nanoseconds,
// taken just before exec and passed in MEMOQUILL_TRACE_STARTUP (so loading the libraries
// counts too), or, when the variable holds no number, since the process's start time, which
// the kernel keeps only in 10 ms ticks.
double msSinceLaunch();

// Prints "memoquill-trace: <key>=<ms>" on stderr.
void printTrace(const char *key, double ms);

// Prints first-paint-ms once the window's first frame is complete, then runs then.
class FirstPaintTrace final : public QObject
{
public:
    explicit FirstPaintTrace(QWidget *window, std::function<void()> then = {});

    bool eventFilter(QObject *watched, QEvent *event) override;
    void customEvent(QEvent *event) override;

private:
    std::function<void()> m_then;
};

} // namespace memoquill
