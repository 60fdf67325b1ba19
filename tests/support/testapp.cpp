#include "support/testapp.h"

#include "app/language.h"
#include "app/startup.h"
#include "platform/accesskeybutton.h"
#include "platform/textbox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QMenu>

namespace memoquill::test {

using namespace Qt::StringLiterals;

void prepareApplication()
{
    // The program's own start-up: its look, its name and the language of the test's locale.
    setUpApplication(*qApp);
}

QStringList translatedLanguages()
{
    QStringList languages;
    const QStringList files = QDir(u":/i18n"_s).entryList({u"memoquill_*.qm"_s}, QDir::Files);
    for (const QString &file : files)
        languages.append(file.sliced(10).chopped(3));
    return languages;
}

QString missingLetters(const QString &text, const QFont &font)
{
    const QFontMetrics metrics(font);
    QString missing;
    for (const char32_t letter : text.toUcs4()) {
        const bool variationSelector = letter >= 0xFE00 && letter <= 0xFE0F;
        if (letter == u'&' || QChar::isSpace(letter) || variationSelector
            || QChar::category(letter) == QChar::Other_Format)
            continue;
        if (!metrics.inFontUcs4(letter))
            missing += QString::fromUcs4(&letter, 1);
    }
    return missing;
}

bool useLanguage(const QString &language)
{
    return installTranslations({language}) == language;
}

TestApp::TestApp(RecoveryFile *recovery, const std::function<void(ScriptedPlatform &)> &script,
                 StartDeck start)
    : windows(std::make_unique<AppWindows>(
        deck, platform, [this] { ++quitCount; }, recovery))
{
    for (QWidget *window : QApplication::topLevelWidgets())
        m_others.append(window);
    if (script)
        script(platform);
    windows->start(std::move(start));
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

void loadDeck(TestApp &app, const QByteArray &bytes)
{
    const QString path = app.files.filePath(u"loaded.mqd"_s);
    if (!writeAll(path, bytes))
        QTest::qFail("the deck file could not be written", __FILE__, __LINE__);
    if (app.deck.CardCount() != 0)
        app.platform.answerMessage(MsgResult::Yes);
    app.platform.answerOpenDialog(path);
    if (!trigger(app.editor()->Mload))
        QTest::qFail("File > Load is disabled", __FILE__, __LINE__);
    app.platform.clearShown();
}

void fillDeck(TestApp &app, int count)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i) {
        const QByteArray n = QByteArray::number(i);
        bytes += deckRecord(n, "front " + n, "back " + n);
    }
    loadDeck(app, bytes);
}

QStringList menuTree(const QMenuBar *bar)
{
    const auto line = [](const QString &name, const QAction *action) {
        return QStringList{name, action->isSeparator() ? u"-"_s : action->text(),
                           action->shortcut().toString(), action->isEnabled() ? u"on"_s : u"off"_s}
            .join(u'|');
    };
    QStringList lines;
    for (QAction *entry : bar->actions()) {
        QMenu *menu = entry->menu();
        lines.append(line(menu ? menu->objectName() : entry->objectName(), entry));
        if (menu) {
            for (QAction *item : menu->actions())
                lines.append(u"  "_s + line(item->objectName(), item));
        }
    }
    return lines;
}

namespace {

// The menu bar menus.txt designs for window, in the lines menuTree() gives.
QStringList designedMenus(const QString &window)
{
    QFile file(QStringLiteral(MEMOQUILL_MENUS_FILE));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        QTest::qFail("tests/support/menus.txt cannot be read", __FILE__, __LINE__);
    QStringList lines;
    bool inWindow = false;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(u'['))
            inWindow = line == u'[' + window + u']';
        if (!inWindow || line.startsWith(u'[') || line.startsWith(u'#') || line.trimmed().isEmpty())
            continue;
        QStringList fields = line.split(u'|');
        for (QString &field : fields)
            field = field.trimmed();
        lines.append((line.startsWith(u' ') ? u"  "_s : QString()) + fields.join(u'|'));
    }
    return lines;
}

// What a screen reader announces for those menus: every entry and item by its caption without
// the access key's &, with its shortcut or else that access key.
QStringList announcedMenus(const QStringList &rows)
{
    QStringList lines{u"menu bar 'Menu bar'"_s};
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QStringList fields = rows[i].trimmed().split(u'|');
        const QString &caption = fields[1];
        if (caption == u"-"_s) {
            lines.append(u"separator ''"_s);
            continue;
        }
        const qsizetype accessKey = caption.indexOf(u'&') + 1;
        QString key = fields[2];
        if (key.isEmpty() && accessKey > 0)
            key = u"Alt+"_s + caption[accessKey];
        const QString name = QString(caption).remove(u'&');
        lines.append(u"menu item '"_s + name + u'\''
                     + (key.isEmpty() ? QString() : u' ' + key.toUpper()));
        // An entry followed by indented items opens a menu, which is announced as it opens.
        if (!rows[i].startsWith(u' ') && i + 1 < rows.size() && rows[i + 1].startsWith(u' '))
            lines.append(u"menu '"_s + name + u'\'');
    }
    return lines;
}

} // namespace

bool menusAsDesigned(const QStringList &read, const QString &window, MenuReading reading,
                     const char *file, int line)
{
    const QStringList rows = designedMenus(window);
    const QStringList designed = reading == MenuReading::Tree ? rows : announcedMenus(rows);
    return QTest::qCompare(read, designed, "the menus read", "the menus designed", file, line);
}

bool activate(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

} // namespace memoquill::test
