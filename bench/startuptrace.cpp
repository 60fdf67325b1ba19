#include "startuptrace.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace memoquill {

namespace {

qint64 nanoseconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

} // namespace

double msSinceLaunch()
{
    bool launcherClock = false;
    const qint64 launch = qgetenv("MEMOQUILL_TRACE_STARTUP").toLongLong(&launcherClock);
    if (launcherClock)
        return double(nanoseconds(CLOCK_MONOTONIC) - launch) / 1e6;
    unsigned long long startTicks = 0;
    if (std::FILE *stat = std::fopen("/proc/self/stat", "r")) {
        char line[1024];
        line[std::fread(line, 1, sizeof line - 1, stat)] = '\0';
        std::fclose(stat);
        // The start time is field 22; the command name (field 2) may hold spaces, so count
        // from the parenthesis that closes it.
        const char *p = std::strrchr(line, ')');
        for (int field = 3; p && field <= 22; ++field)
            p = std::strchr(p + 1, ' ');
        if (p)
            startTicks = std::strtoull(p + 1, nullptr, 10);
    }
    const qint64 start = qint64(startTicks) * 1000000000 / sysconf(_SC_CLK_TCK);
    return double(nanoseconds(CLOCK_BOOTTIME) - start) / 1e6;
}

void printTrace(const char *key, double ms)
{
    std::fprintf(stderr, "memoquill-trace: %s=%.3f\n", key, ms);
    std::fflush(stderr);
}

FirstPaintTrace::FirstPaintTrace(QWidget *window, std::function<void()> then)
    : m_then(std::move(then))
{
    window->installEventFilter(this);
}

bool FirstPaintTrace::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // The window paints before its controls: report once the whole frame is done.
        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    }
    return false;
}

void FirstPaintTrace::customEvent(QEvent *)
{
    printTrace("first-paint-ms", msSinceLaunch());
    if (m_then)
        m_then();
}

} // namespace memoquill
