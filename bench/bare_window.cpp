// The floor for the editor's start-up: a plain Qt window with the editor's controls (menu bar,
// a list, two plain text boxes, two buttons) at the editor's sizes, and no logic.
#include <QApplication>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    QMenu *file = window.menuBar()->addMenu(u"&File"_s);
    for (const QString &item : {u"New"_s, u"Save"_s, u"Save As"_s, u"Load"_s, u"Exit"_s})
        file->addAction(item);
    QMenu *edit = window.menuBar()->addMenu(u"&Edit"_s);
    for (const QString &item : {u"Cut"_s, u"Copy"_s, u"Paste"_s})
        edit->addAction(item);

    auto *client = new QWidget(&window);
    client->setFixedSize(617, 272);
    window.setCentralWidget(client);
    (new QListWidget(client))->setGeometry(8, 32, 97, 173);
    (new QPlainTextEdit(client))->setGeometry(112, 32, 241, 233);
    (new QPlainTextEdit(client))->setGeometry(368, 32, 241, 233);
    (new QPushButton(u"New Card"_s, client))->setGeometry(8, 208, 97, 25);
    (new QPushButton(u"Delete Card"_s, client))->setGeometry(8, 240, 97, 25);
    window.show();
    return QApplication::exec();
}
