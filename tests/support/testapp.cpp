#include "testapp.h"

#include "look.h"

#include <QApplication>

namespace memoquill::test {

void prepareApplication()
{
    QApplication::setQuitOnLastWindowClosed(false);
    applyDesktopLook(*qApp);
}

TestApp::TestApp()
    : windows(std::make_unique<AppWindows>(deck, platform, [this] { ++quitCount; }))
{
    windows->start();
    if (!activate(editor()))
        QTest::qFail("the editor window did not become active", __FILE__, __LINE__);
}

TestApp::~TestApp()
{
    windows.reset();
}

QString TestApp::scriptProblems() const
{
    return platform.problems().join(u'\n');
}

bool trigger(QAction *item)
{
    if (!item || !item->isEnabled())
        return false;
    item->trigger();
    return true;
}

bool activate(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

} // namespace memoquill::test
