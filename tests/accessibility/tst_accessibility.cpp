// What a screen reader finds in the two windows, through Qt's accessibility interfaces: every
// control and menu item by role, name and key, the captions tied to their controls, and the
// states that change while the user works.
#include "support/testapp.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>

using namespace memoquill;
using namespace memoquill::test;
using namespace Qt::StringLiterals;

namespace {

bool isStructure(QAccessible::Role role)
{
    // Containers a screen reader passes through without announcing them.
    return role == QAccessible::Client || role == QAccessible::Pane
           || role == QAccessible::Grouping;
}

bool isInMenu(QAccessibleInterface *node)
{
    for (QAccessibleInterface *up = node; up; up = up->parent()) {
        if (up->role() == QAccessible::MenuBar)
            return true;
        if (up->role() == QAccessible::Window)
            return false;
    }
    return false;
}

// Every node a screen reader can reach below root, depth first: the shown controls, and the
// menus with all their items, closed ones too, since they are announced as they open.
QList<QAccessibleInterface *> reachable(QAccessibleInterface *root)
{
    QList<QAccessibleInterface *> nodes;
    QList<QAccessibleInterface *> stack{root};
    while (!stack.isEmpty()) {
        QAccessibleInterface *node = stack.takeLast();
        if (!node || (node->state().invisible && !isInMenu(node)))
            continue;
        nodes.append(node);
        for (int i = node->childCount() - 1; i >= 0; --i)
            stack.append(node->child(i));
    }
    return nodes;
}

QString roleName(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Window:
        return u"window"_s;
    case QAccessible::MenuBar:
        return u"menu bar"_s;
    case QAccessible::PopupMenu:
        return u"menu"_s;
    case QAccessible::MenuItem:
        return u"menu item"_s;
    case QAccessible::Separator:
        return u"separator"_s;
    case QAccessible::ScrollBar:
        return u"scroll bar"_s;
    case QAccessible::StaticText:
        return u"label"_s;
    case QAccessible::EditableText:
        return u"text box"_s;
    case QAccessible::List:
        return u"list"_s;
    case QAccessible::ListItem:
        return u"list item"_s;
    case QAccessible::PushButton:
        return u"button"_s;
    case QAccessible::CheckBox:
        return u"check box"_s;
    default:
        return u"role %1"_s.arg(int(role));
    }
}

// One line per announced node: role, name and, where there is one, the key that reaches it.
QStringList announced(QWidget *window)
{
    QStringList lines;
    for (QAccessibleInterface *node : reachable(QAccessible::queryAccessibleInterface(window))) {
        if (isStructure(node->role()))
            continue;
        QString line = roleName(node->role()) + u" '"_s + node->text(QAccessible::Name) + u'\'';
        // A list names itself as its key (Qt's table views do): no key to announce.
        const QString key =
            node->role() == QAccessible::List ? QString() : node->text(QAccessible::Accelerator);
        if (!key.isEmpty())
            line += u' ' + key.toUpper();
        lines.append(line);
    }
    return lines;
}

// The lines of announced() from the menu bar on, which come after the window's controls.
QStringList takeMenuLines(QStringList &lines)
{
    const qsizetype bar = lines.indexOf(u"menu bar 'Menu bar'"_s);
    const QStringList menus = bar < 0 ? QStringList() : lines.sliced(bar);
    if (bar >= 0)
        lines.resize(bar);
    return menus;
}

QAccessibleInterface *nodeOf(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString nameOf(QObject *object)
{
    return nodeOf(object)->text(QAccessible::Name);
}

QString accessibleText(QObject *box)
{
    QAccessibleTextInterface *text = nodeOf(box)->textInterface();
    return text ? text->text(0, text->characterCount()) : u"<no text interface>"_s;
}

// A menu-bar entry, which has no interface of its own outside the bar.
QAccessibleInterface *menuEntry(QMenuBar *bar, const QString &name)
{
    QAccessibleInterface *node = nodeOf(bar);
    for (int i = 0; i < node->childCount(); ++i) {
        if (node->child(i)->text(QAccessible::Name) == name)
            return node->child(i);
    }
    return nullptr;
}

QStringList listItems(CardListBox *list)
{
    QStringList names;
    QAccessibleInterface *node = nodeOf(list);
    for (int i = 0; i < node->childCount(); ++i)
        names.append(node->child(i)->text(QAccessible::Name));
    return names;
}

} // namespace

class TestAccessibility : public AppTest
{
    Q_OBJECT

    CardCreate *editor() { return app->editor(); }
    // The reader as the user meets it: opened from the editor with cards in the deck.
    CardReader *openReader()
    {
        fillDeck(*app, 2);
        if (!trigger(editor()->MCRead))
            return nullptr;
        return app->reader();
    }

private Q_SLOTS:
    void editorAsAScreenReaderAnnouncesIt()
    {
        QStringList lines = announced(editor());
        COMPARE_MENUS_TO_DESIGN(takeMenuLines(lines), u"CardCreate"_s, MenuReading::Announced);
        QCOMPARE(lines, (QStringList{
                            u"window 'Memoquill - CardCreate'"_s,
                            u"text box 'Back text'"_s,
                            u"scroll bar 'Back text scroll bar'"_s,
                            u"text box 'Front text'"_s,
                            u"scroll bar 'Front text scroll bar'"_s,
                            u"list 'Card List'"_s,
                            u"button 'Delete Card' ALT+D"_s,
                            u"button 'New Card' ALT+W"_s,
                            // The card name label, empty with no card shown.
                            u"label ''"_s,
                            u"label 'Card List'"_s,
                            u"label 'Back'"_s,
                            u"label 'Front'"_s,
                        }));
    }

    void readerAsAScreenReaderAnnouncesIt()
    {
        CardReader *reader = openReader();
        QVERIFY(reader && reader->isVisible());
        QStringList lines = announced(reader);
        COMPARE_MENUS_TO_DESIGN(takeMenuLines(lines), u"CardReader"_s, MenuReading::Announced);
        QCOMPARE(lines, (QStringList{
                            u"window 'Memoquill - CardReader'"_s,
                            u"text box 'Card text'"_s,
                            u"scroll bar 'Card text scroll bar'"_s,
                            u"check box 'Show Back First'"_s,
                            u"check box 'Skip First Card'"_s,
                            u"button 'Next Card'"_s,
                            u"button 'Flip'"_s,
                            u"check box 'Random'"_s,
                        }));
    }

    // The rules behind the two lists, so a control added later is held to them too.
    void everyControlAndMenuItemIsReachableByName_data()
    {
        QTest::addColumn<bool>("reader");
        QTest::newRow("CardCreate") << false;
        QTest::newRow("CardReader") << true;
    }

    void everyControlAndMenuItemIsReachableByName()
    {
        QFETCH(bool, reader);
        QWidget *window = reader ? static_cast<QWidget *>(openReader()) : editor();
        QVERIFY(window && window->isVisible());
        const QList<QAccessibleInterface *> nodes =
            reachable(QAccessible::queryAccessibleInterface(window));
        QSet<QObject *> objects;
        for (QAccessibleInterface *node : nodes) {
            objects.insert(node->object());
            const QString name = node->text(QAccessible::Name);
            const bool unnamedAllowed = isStructure(node->role())
                                        || node->role() == QAccessible::Separator
                                        || node->object() == editor()->LTitle;
            QVERIFY2(unnamedAllowed || !name.isEmpty(),
                     qPrintable(u"unnamed %1 (%2)"_s.arg(roleName(node->role()),
                                                         node->object()->objectName())));
            QVERIFY2(!name.contains(u'&'), qPrintable(name));
        }
        // Every control the user can reach with Tab or the mouse is in the tree, and says
        // what it does.
        for (QWidget *control : window->findChildren<QWidget *>()) {
            if (!control->isVisible() || control->focusPolicy() == Qt::NoFocus
                || qobject_cast<QMenuBar *>(control) || qobject_cast<QMenu *>(control))
                continue;
            QVERIFY2(objects.contains(control), qPrintable(control->objectName()));
            QVERIFY2(!control->accessibleDescription().isEmpty(),
                     qPrintable(control->objectName()));
        }
        // Every item of every menu, the entries that act at once included.
        auto *mainWindow = qobject_cast<QMainWindow *>(window);
        QList<QAction *> items = mainWindow->menuBar()->actions();
        for (QAction *entry : mainWindow->menuBar()->actions()) {
            if (entry->menu())
                items += entry->menu()->actions();
        }
        for (QAction *item : std::as_const(items))
            QVERIFY2(objects.contains(item), qPrintable(item->text()));
    }

    void captionsLabelTheirControls()
    {
        const std::pair<QLabel *, QWidget *> pairs[] = {{editor()->Label1, editor()->TFront},
                                                        {editor()->Label2, editor()->TBack},
                                                        {editor()->Label3, editor()->List}};
        for (const auto &[label, control] : pairs) {
            const auto relations = nodeOf(label)->relations(QAccessible::Labelled);
            QVERIFY2(relations.size() == 1, qPrintable(label->text()));
            QCOMPARE(relations.first().first->object(), control);
        }
    }

    void theEditorTellsTheCardsAndWhatCanBeDone()
    {
        QAccessibleInterface *reader = menuEntry(editor()->menuBar(), u"CardReader"_s);
        QVERIFY(reader);
        QVERIFY(reader->state().disabled);
        QVERIFY(nodeOf(editor()->TFront)->state().readOnly);
        QCOMPARE(nameOf(editor()->LTitle), QString());

        newCard(*app, u"France"_s);
        typeInto(editor()->TFront, u"Capital?"_s);
        app->platform.answerInput(u"Italy"_s);
        click(editor()->BNew);
        QCOMPARE(listItems(editor()->List), (QStringList{u"France"_s, u"Italy"_s}));
        QCOMPARE(nameOf(editor()->LTitle), u"Italy"_s);
        QVERIFY(!reader->state().disabled);
        QVERIFY(!nodeOf(editor()->TFront)->state().readOnly);

        clickListRow(editor()->List, 0);
        QCOMPARE(nameOf(editor()->LTitle), u"France"_s);
        QCOMPARE(accessibleText(editor()->TFront), u"Capital?"_s);
        QVERIFY(nodeOf(editor()->List)->child(0)->state().selected);
    }

    void theReaderTellsTheShownSideAndTheOptions()
    {
        CardReader *reader = openReader();
        QVERIFY(reader);
        QCOMPARE(accessibleText(reader->TCard), u"front 1"_s);
        QVERIFY(nodeOf(reader->TCard)->state().readOnly);
        QVERIFY(nodeOf(reader->CBack)->state().checkable);
        QVERIFY(!nodeOf(reader->CBack)->state().checked);

        click(reader->CBack);
        QVERIFY(nodeOf(reader->CBack)->state().checked);
        QCOMPARE(accessibleText(reader->TCard), u"back 1"_s);
        click(reader->BNext);
        QCOMPARE(accessibleText(reader->TCard), u"back 2"_s);
    }

    // A screen reader presses buttons through the accessibility interface, not the mouse.
    void buttonsWorkThroughTheirAccessibleAction()
    {
        CardReader *reader = openReader();
        QVERIFY(reader);
        QAccessibleActionInterface *next = nodeOf(reader->BNext)->actionInterface();
        QVERIFY(next);
        QVERIFY(next->actionNames().contains(QAccessibleActionInterface::pressAction()));
        // Qt animates the press: the click follows a moment later.
        next->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(accessibleText(reader->TCard), u"front 2"_s);
        nodeOf(reader->BFlip)
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(accessibleText(reader->TCard), u"back 2"_s);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
