// Loaded with LD_PRELOAD into a Qt program: once each frame is painted, prints
// "memoquill-frame <CLOCK_MONOTONIC ns> <rows>" on stderr, rows counting the rows of the item
// views in the visible windows. So bench/run times the shipped program as it is.
#include <QAbstractItemView>
#include <QApplication>

#include <cstdio>
#include <ctime>

namespace {

class FrameTrace final : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_pending) {
            m_pending = true;
            // Posted at the frame's first paint, it runs once the whole frame is out.
            QCoreApplication::postEvent(this, new QEvent(QEvent::User));
        }
        return false;
    }

    void customEvent(QEvent *) override
    {
        m_pending = false;
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        long long rows = 0;
        for (const QWidget *window : QApplication::topLevelWidgets()) {
            for (const auto *view : window->findChildren<QAbstractItemView *>())
                rows += window->isVisible() ? view->model()->rowCount() : 0;
        }
        std::fprintf(stderr, "memoquill-frame %lld %lld\n",
                     static_cast<long long>(now.tv_sec) * 1000000000 + now.tv_nsec, rows);
    }

private:
    bool m_pending = false;
};

void install()
{
    QCoreApplication::instance()->installEventFilter(new FrameTrace(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(install)
