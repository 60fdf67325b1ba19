#include "platform/controls.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QWindow>

namespace memoquill {

using namespace Qt::StringLiterals;

QWidget *setUpWindow(QMainWindow *window, const char *name, const QString &title, QSize client)
{
    window->setObjectName(QLatin1StringView(name));
    window->setWindowTitle(title);
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto *area = new QWidget(window);
    area->setObjectName(u"client"_s);
    area->setFixedSize(client);
    window->setCentralWidget(area);
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    return area;
}

namespace {

// Qt's plain text box lays out each paragraph in its own direction but aligns every one to the
// left. A box shows its text from the side it starts on instead: a card in Arabic or Hebrew
// from the right, in any language of the windows; an empty box from the window's side.
void alignToText(QPlainTextEdit *box)
{
    QTextDocument *document = box->document();
    const QString first = document->firstBlock().text();
    const bool rightToLeft = first.isEmpty() ? box->isRightToLeft() : first.isRightToLeft();
    QTextOption option = document->defaultTextOption();
    const Qt::Alignment alignment = rightToLeft ? Qt::AlignRight : Qt::AlignLeft;
    if (option.alignment() != (alignment | Qt::AlignAbsolute)) {
        option.setAlignment(alignment | Qt::AlignAbsolute);
        document->setDefaultTextOption(option);
    }
}

} // namespace

QLabel *addLabel(QWidget *parent, const char *name, const QString &caption, const QRect &designed)
{
    auto *label = addControl<QLabel>(parent, name, caption, designed);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void place(QWidget *control, const QRect &designed)
{
    control->setGeometry(
        QStyle::visualRect(control->layoutDirection(), control->parentWidget()->rect(), designed));
}

QPlainTextEdit *addTextBox(QWidget *parent, const char *name, const QString &accessibleName,
                           const QRect &geometry)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1StringView(name));
    box->setAccessibleName(accessibleName);
    place(box, geometry);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
    alignToText(box);
    QObject::connect(box->document(), &QTextDocument::contentsChanged, box,
                     [box] { alignToText(box); });
    return box;
}

QAction *addMenuItem(QWidget *menu, const char *name, const QString &caption,
                     QKeyCombination shortcut, bool enabled)
{
    auto *item = new QAction(caption, menu);
    item->setObjectName(QLatin1StringView(name));
    if (shortcut.key() != Qt::Key_unknown)
        item->setShortcut(shortcut);
    item->setEnabled(enabled);
    menu->addAction(item);
    return item;
}

QAction *addMenuSeparator(QMenu *menu, const char *name)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(QLatin1StringView(name));
    return separator;
}

void hideInPlace(QWidget *window)
{
    // Setting the geometry it has marks the position as the window's own, which the next map
    // passes on to the window manager.
    if (QWindow *handle = window->windowHandle())
        handle->setGeometry(handle->geometry());
    window->hide();
}

} // namespace memoquill
