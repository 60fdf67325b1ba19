#include "platform/look.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QProxyStyle>
#include <QStyleFactory>

namespace memoquill {

namespace {

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
