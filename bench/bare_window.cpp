// The start-up floor: the bare window, started and traced as the app is.
#include "barewindow.h"
#include "startuptrace.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const std::unique_ptr<QMainWindow> window(memoquill::bench::makeBareWindow());
    memoquill::FirstPaintTrace trace(window.get());
    window->show();
    return QApplication::exec();
}
