// The app as src/app/main.cpp starts it, with a deck file loaded through File > Load as soon
// as the editor's first frame is out: for the peak memory with a full deck. The open dialog
// answers with the path given on the command line; everything else is the real platform.
//
// Prints first-paint-ms, then cards=N and loaded-ms once the list is laid out and the first
// card painted.
#include "appwindows.h"
#include "cardcreate.h"
#include "deckstore.h"
#include "qtplatform.h"
#include "startup.h"
#include "startuptrace.h"

#include <QAction>
#include <QApplication>

#include <cstdio>

namespace {

class PathDialog final : public memoquill::FileDialog
{
public:
    explicit PathDialog(QString path)
        : m_path(std::move(path))
    {
    }
    void setFileTypes(const QString &) override {}
    void setFileName(const QString &fileName) override { m_fileName = fileName; }
    void showSave() override { m_fileName.clear(); }
    void showOpen() override { m_fileName = m_path; }
    QString fileName() const override { return m_fileName; }

private:
    QString m_path;
    QString m_fileName;
};

class PathPlatform final : public memoquill::QtPlatform
{
public:
    explicit PathPlatform(QString path)
        : m_path(std::move(path))
    {
    }
    std::unique_ptr<memoquill::FileDialog> createFileDialog(QWidget *) override
    {
        return std::make_unique<PathDialog>(m_path);
    }

private:
    QString m_path;
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: loaded_app DECK.mqd\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    memoquill::setUpApplication(app);

    memoquill::DeckStore deck;
    PathPlatform platform(QString::fromLocal8Bit(argv[1]));
    memoquill::AppWindows windows(deck, platform, [] { QCoreApplication::quit(); });
    memoquill::CardCreate *editor = windows.editor();
    memoquill::FirstPaintTrace trace(editor, [editor, &deck] {
        const double start = memoquill::msSinceLaunch();
        editor->Mload->trigger();
        QCoreApplication::processEvents();
        editor->repaint();
        const double loaded = memoquill::msSinceLaunch() - start;
        std::fprintf(stderr, "memoquill-trace: cards=%d\n", int(deck.CardCount()));
        memoquill::printTrace("loaded-ms", loaded);
    });
    windows.start();
    return QApplication::exec();
}
