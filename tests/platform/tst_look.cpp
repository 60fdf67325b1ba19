// The desktop style draws tall scroll bars band by band, to keep Qt's raster engine off its
// thread pool: what it draws must be exactly what Fusion draws, and no pool thread may start.
#include "look.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleOption>
#include <QTest>

namespace {

struct Painting
{
    qreal ratio = 1.0;
    QPointF offset;
    qreal opacity = 1.0;
};

QStyleOptionSlider scrollBarOption(Qt::Orientation orientation, QSize size, int maximum, int value,
                                   QStyle::State state,
                                   QStyle::SubControls active = QStyle::SC_None)
{
    QStyleOptionSlider option;
    option.rect = QRect(QPoint(0, 0), size);
    option.palette = QApplication::palette();
    if (!(state & QStyle::State_Enabled))
        option.palette.setCurrentColorGroup(QPalette::Disabled);
    option.orientation = orientation;
    option.state = state;
    if (orientation == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    option.minimum = 0;
    option.maximum = maximum;
    option.sliderPosition = value;
    option.sliderValue = value;
    option.singleStep = 1;
    option.pageStep = 10;
    option.subControls = QStyle::SC_All;
    option.activeSubControls = active;
    return option;
}

// As a scroll bar of the option's size paints itself, on a larger image.
QImage paintScrollBar(const QStyle *style, const QStyleOptionSlider &option,
                      const Painting &how = {})
{
    QScrollBar bar(option.orientation);
    bar.resize(option.rect.size());
    const QSizeF logical = QSizeF(option.rect.size()) + QSizeF(8, 8);
    QImage image((logical * how.ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(how.ratio);
    image.fill(QColor(40, 90, 160));
    QPainter painter(&image);
    painter.translate(how.offset);
    painter.setOpacity(how.opacity);
    style->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, &bar);
    return image;
}

// The first pixel in area that differs, or an empty string.
QString firstDifference(const QImage &actual, const QImage &expected, const QRect &area)
{
    if (actual.size() != expected.size())
        return QStringLiteral("size %1x%2 against %3x%4")
            .arg(actual.width())
            .arg(actual.height())
            .arg(expected.width())
            .arg(expected.height());
    const QRect checked = area & expected.rect();
    for (int y = checked.top(); y <= checked.bottom(); ++y) {
        for (int x = checked.left(); x <= checked.right(); ++x) {
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return QStringLiteral("pixel (%1, %2): %3 against %4")
                    .arg(x)
                    .arg(y)
                    .arg(actual.pixel(x, y), 8, 16)
                    .arg(expected.pixel(x, y), 8, 16);
        }
    }
    return {};
}

int threadCount()
{
    return int(QDir(QStringLiteral("/proc/self/task"))
                   .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                   .size());
}

} // namespace

class TestLook : public QObject
{
    Q_OBJECT

    const QStyle *desktop = nullptr;
    QStyle *fusion = nullptr;

private Q_SLOTS:
    void initTestCase()
    {
        memoquill::applyDesktopLook(*qApp);
        auto *proxy = qobject_cast<QProxyStyle *>(QApplication::style());
        QVERIFY(proxy);
        desktop = proxy;
        fusion = proxy->baseStyle();
        QCOMPARE(fusion->name(), QStringLiteral("fusion"));
    }

    // Runs first, while this process has no pool thread yet.
    void tallScrollBarStartsNoPoolThread()
    {
        const QStyleOptionSlider option =
            scrollBarOption(Qt::Vertical, QSize(15, 400), 0, 0, QStyle::State_Enabled);
        const int before = threadCount();
        paintScrollBar(desktop, option);
        QCOMPARE(threadCount(), before);
        // Only meaningful where Fusion itself would have started one.
        paintScrollBar(fusion, option);
        if (threadCount() == before)
            QSKIP("this Qt draws the scroll bar without its thread pool anyway");
    }

    void scrollBarPixelsAreFusions_data()
    {
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("active");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QPointF>("offset");
        QTest::addColumn<qreal>("opacity");

        const int enabled = int(QStyle::State_Enabled);
        const QPointF origin;
        // Fractional ratios put the bands' edges between logical pixels.
        for (const qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
            const QByteArray at = " @" + QByteArray::number(ratio);
            const auto row = [&](const char *name) -> QTestData & {
                return QTest::newRow((QByteArray(name) + at).constData());
            };
            row("vertical, no range") << Qt::Vertical << QSize(15, 233) << 0 << 0 << enabled << 0
                                      << ratio << origin << 1.0;
            row("vertical, slider in the middle") << Qt::Vertical << QSize(15, 233) << 100 << 50
                                                  << enabled << 0 << ratio << origin << 1.0;
            row("vertical, slider at the end") << Qt::Vertical << QSize(15, 173) << 32766 << 32766
                                               << enabled << 0 << ratio << origin << 1.0;
            row("vertical, slider pressed")
                << Qt::Vertical << QSize(15, 201) << 100 << 30
                << int(QStyle::State_Enabled | QStyle::State_Sunken | QStyle::State_MouseOver)
                << int(QStyle::SC_ScrollBarSlider) << ratio << origin << 1.0;
            row("vertical, arrow hovered")
                << Qt::Vertical << QSize(15, 97) << 100 << 0
                << int(QStyle::State_Enabled | QStyle::State_MouseOver)
                << int(QStyle::SC_ScrollBarAddLine) << ratio << origin << 1.0;
            row("vertical, near the threshold") << Qt::Vertical << QSize(15, 65) << 10 << 5
                                                << enabled << 0 << ratio << origin << 1.0;
            row("vertical, moved by whole pixels") << Qt::Vertical << QSize(15, 233) << 100 << 50
                                                   << enabled << 0 << ratio << QPointF(3, 5) << 1.0;
            row("vertical, moved between pixels")
                << Qt::Vertical << QSize(15, 233) << 100 << 50 << enabled << 0 << ratio
                << QPointF(0.5, 2.25) << 1.0;
            row("vertical, half transparent") << Qt::Vertical << QSize(15, 233) << 100 << 50
                                              << enabled << 0 << ratio << origin << 0.5;
            row("horizontal") << Qt::Horizontal << QSize(241, 15) << 100 << 20 << enabled << 0
                              << ratio << origin << 1.0;
        }
        QTest::newRow("vertical, disabled") << Qt::Vertical << QSize(15, 233) << 100 << 50
                                            << int(QStyle::State_None) << 0 << 1.0 << origin << 1.0;
    }

    void scrollBarPixelsAreFusions()
    {
        QFETCH(Qt::Orientation, orientation);
        QFETCH(QSize, size);
        QFETCH(int, maximum);
        QFETCH(int, value);
        QFETCH(int, state);
        QFETCH(int, active);
        QFETCH(qreal, ratio);
        QFETCH(QPointF, offset);
        QFETCH(qreal, opacity);

        const QStyleOptionSlider option = scrollBarOption(
            orientation, size, maximum, value, QStyle::State(state), QStyle::SubControls(active));
        const Painting how{ratio, offset, opacity};
        const QImage whole = paintScrollBar(fusion, option, how);
        // A widget's painting is clipped to it: only its own pixels count.
        const QRect widgetPixels = QRectF((QPointF(option.rect.topLeft()) + offset) * ratio,
                                          QSizeF(option.rect.size()) * ratio)
                                       .toAlignedRect();
        const QString difference =
            firstDifference(paintScrollBar(desktop, option, how), whole, widgetPixels);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        // Something was drawn at all.
        QVERIFY(whole
                != paintScrollBar(fusion, scrollBarOption(orientation, size, 0, 0, {}),
                                  {ratio, offset, 0.0}));
    }

    // The same through a real text box, painted the way windows are.
    void textBoxScrollBarIsFusions()
    {
        QPlainTextEdit box;
        box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box.resize(241, 233);
        box.setPlainText(QStringLiteral("Some text\nover lines\n").repeated(30));
        QScrollBar *bar = box.verticalScrollBar();
        box.ensurePolished();
        const QImage banded = bar->grab().toImage();
        bar->setStyle(fusion);
        const QImage whole = bar->grab().toImage();
        QVERIFY(bar->height() > 150);
        const QString difference = firstDifference(banded, whole, whole.rect());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
};

QTEST_MAIN(TestLook)
#include "tst_look.moc"
