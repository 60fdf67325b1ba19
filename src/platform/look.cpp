#include "look.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace memoquill {

namespace {

// Qt 6.4's raster engine hands every fill of 96 scan lines or more to its thread pool and
// waits for the pool to finish. A text box's scroll bar, always shown, is such a fill several
// times over (groove, slider, outlines): handing a few thousand pixels to other threads and
// back cost the first frame about a millisecond. Drawn in bands of fewer scan lines, every fill
// stays on this thread. Fusion sets clips of its own while it draws, so a band is not a clip
// on this painter but a small image of its own, put in place once drawn: the same pixels.
constexpr int kPoolScanLines = 96;
// As few bands as stay under it: each band draws the whole bar again, clipped.
constexpr int kBandScanLines = 90;

// Draws a tall scroll bar band by band; false, having drawn nothing, where that could change a
// visible pixel: a rotated or skewed painter, one between device pixels, or one that blends.
bool drawScrollBarInBands(const QStyle *style, const QStyleOptionComplex *option, QPainter *painter,
                          const QWidget *widget)
{
    // Only a scroll bar painting itself: Qt clips that to the widget, so whatever Fusion draws
    // beyond the rectangle (an outline's last pixel) is never seen and the bands can leave it.
    if (!widget || option->rect != widget->rect())
        return false;
    const QTransform toDevice = painter->deviceTransform();
    if (toDevice.type() > QTransform::TxScale || toDevice.m11() != toDevice.m22()
        || toDevice.m11() <= 0 || painter->opacity() != 1.0
        || painter->compositionMode() != QPainter::CompositionMode_SourceOver)
        return false;
    const QRectF exact = toDevice.mapRect(QRectF(option->rect));
    const QRect device = exact.toRect();
    if (QRectF(device) != exact || device.height() < kPoolScanLines)
        return false;

    const qreal ratio = toDevice.m11();
    // Device pixels, not this painter's units, from here on.
    const QTransform worldToPixels = toDevice.inverted() * painter->worldTransform();
    for (int row = 0; row < device.height(); row += kBandScanLines) {
        const QPoint origin(device.left(), device.top() + row);
        QImage band(device.width(), qMin(kBandScanLines, device.height() - row),
                    QImage::Format_ARGB32_Premultiplied);
        band.setDevicePixelRatio(ratio);
        band.fill(Qt::transparent);
        {
            QPainter bandPainter(&band);
            bandPainter.setRenderHints(painter->renderHints());
            bandPainter.setFont(painter->font());
            bandPainter.setLayoutDirection(painter->layoutDirection());
            bandPainter.setWorldTransform(toDevice
                                          * QTransform::fromTranslate(-origin.x(), -origin.y())
                                          * QTransform::fromScale(1 / ratio, 1 / ratio));
            style->drawComplexControl(QStyle::CC_ScrollBar, option, &bandPainter, widget);
        }
        band.setDevicePixelRatio(1);
        painter->save();
        painter->setWorldTransform(worldToPixels);
        painter->drawImage(origin, band);
        painter->restore();
    }
    return true;
}

class DesktopStyle : public QProxyStyle
{
public:
    DesktopStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        switch (hint) {
        case SH_DialogButtonLayout:
            return QDialogButtonBox::WinLayout;
        case SH_DialogButtonBox_ButtonsHaveIcons:
            return 0;
        case SH_UnderlineShortcut:
            return 1;
        default:
            return QProxyStyle::styleHint(hint, option, widget, returnData);
        }
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget) const override
    {
        if (control == CC_ScrollBar && baseStyle()
            && drawScrollBarInBands(baseStyle(), option, painter, widget))
            return;
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        // The classic gap between a check box and its caption; Fusion's wider one would
        // clip "Skip First Card" in its designed width.
        if (metric == PM_CheckBoxLabelSpacing)
            return 4;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

void applyDesktopLook(QApplication &app)
{
    // A global menu bar would take the menus out of the window and lose the entries that act
    // on click.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    // The application takes ownership of its style.
    app.setStyle(new DesktopStyle); // NOLINT(clang-analyzer-cplusplus.NewDeleteLeaks)

    // The layouts are fixed in pixels, sized for a compact sans-serif of Arial's metrics.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Arial"), QStringLiteral("DejaVu Sans Condensed")});
    font.setPixelSize(10);
    QApplication::setFont(font);
}

} // namespace memoquill
