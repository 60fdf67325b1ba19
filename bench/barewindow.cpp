// The floor for start-up and for the editor: a plain Qt window with the editor's controls
// (menu bar, a list, two plain text boxes, two buttons) at the editor's sizes, and no logic.
#include "barewindow.h"

#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace memoquill::bench {

QMainWindow *makeBareWindow()
{
    auto *window = new QMainWindow;
    window->setWindowTitle(u"Bare window"_s);
    QMenu *file = window->menuBar()->addMenu(u"&File"_s);
    for (const QString &item : {u"New"_s, u"Save"_s, u"Save As"_s, u"Load"_s, u"Exit"_s})
        file->addAction(item);
    QMenu *edit = window->menuBar()->addMenu(u"&Edit"_s);
    for (const QString &item : {u"Cut"_s, u"Copy"_s, u"Paste"_s})
        edit->addAction(item);

    auto *client = new QWidget(window);
    client->setFixedSize(617, 272);
    window->setCentralWidget(client);
    auto *list = new QListWidget(client);
    list->setGeometry(8, 32, 97, 173);
    auto *front = new QPlainTextEdit(client);
    front->setGeometry(112, 32, 241, 233);
    auto *back = new QPlainTextEdit(client);
    back->setGeometry(368, 32, 241, 233);
    auto *newButton = new QPushButton(u"New Card"_s, client);
    newButton->setGeometry(8, 208, 97, 25);
    auto *deleteButton = new QPushButton(u"Delete Card"_s, client);
    deleteButton->setGeometry(8, 240, 97, 25);
    return window;
}

} // namespace memoquill::bench
