#include "testapp.h"

#include "accesskeybutton.h"
#include "language.h"
#include "look.h"
#include "textbox.h"

#include <QApplication>
#include <QDir>
#include <QFile>

namespace memoquill::test {

using namespace Qt::StringLiterals;

void prepareApplication()
{
    QApplication::setQuitOnLastWindowClosed(false);
    applyDesktopLook(*qApp);
}

QStringList translatedLanguages()
{
    QStringList languages;
    const QStringList files = QDir(u":/i18n"_s).entryList({u"memoquill_*.qm"_s}, QDir::Files);
    for (const QString &file : files)
        languages.append(file.sliced(10).chopped(3));
    return languages;
}

bool useLanguage(const QString &language)
{
    return installTranslations({language}) == language;
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

void AppTest::initTestCase()
{
    prepareApplication();
}

void AppTest::init()
{
    dir = std::make_unique<QTemporaryDir>();
    app = std::make_unique<TestApp>();
}

void AppTest::cleanup()
{
    VERIFY_SCRIPT_DONE(*app);
    app.reset();
    dir.reset();
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

void click(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

void clickListRow(CardListBox *list, int row)
{
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

void typeInto(QPlainTextEdit *box, const QString &text)
{
    if (QApplication::focusWidget() != box)
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    box->moveCursor(QTextCursor::End);
    QTest::keyClicks(box, text);
}

QString textOf(const QPlainTextEdit *box)
{
    return textbox::text(box);
}

QStringList listNames(const CardListBox *list)
{
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names.append(list->text(row));
    return names;
}

int selectedRow(const CardListBox *list)
{
    return list->selectedRow();
}

void newCard(TestApp &app, const QString &name)
{
    app.platform.answerInput(name);
    app.editor()->BNew->click();
}

QByteArray deckRecord(const QByteArray &name, const QByteArray &front, const QByteArray &back)
{
    QByteArray bytes;
    for (const QByteArray &field : {name, front, back})
        bytes += field + ")}]d8h0-0h8b)}]\r\n";
    return bytes;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void fillDeck(TestApp &app, int count)
{
    app.deck.reset();
    for (int i = 1; i <= count; ++i) {
        const QString n = QString::number(i);
        if (!app.deck.append({n, u"front "_s + n, u"back "_s + n}))
            QTest::qFail("the deck is full", __FILE__, __LINE__);
    }
    app.editor()->MCRead->setEnabled(count > 0);
}

bool activate(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

} // namespace memoquill::test
