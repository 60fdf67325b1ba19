#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

class QWidget;

namespace memoquill {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Exclamation, Question };
enum class MsgResult { Ok, Cancel, Yes, No };

// The editor's standard open/save dialog. One object serves both directions and keeps its
// settings between uses.
class FileDialog
{
public:
    virtual ~FileDialog() = default;

    // One file-type entry, such as "Memofile (.mqd)".
    virtual void setFileTypes(const QString &fileTypes) = 0;
    virtual void setFileName(const QString &fileName) = 0;
    // Modal. Afterwards fileName() is the chosen full path, or empty after a cancel.
    virtual void showSave() = 0;
    virtual void showOpen() = 0;
    virtual QString fileName() const = 0;
};

// What the windows need from the desktop and the operating system. Windows reach message
// boxes, dialogs, the clipboard, files and random numbers only through here, so tests can
// script every one of them.
class Platform
{
public:
    virtual ~Platform() = default;

    // Modal; returns the button pressed. The first button is the default.
    virtual MsgResult msgBox(const QString &prompt, const QString &title, MsgButtons buttons,
                             MsgIcon icon) = 0;
    // Modal one-line input; Cancel or the close box give the empty string.
    virtual QString inputBox(const QString &prompt, const QString &title,
                             const QString &initialText = {}) = 0;
    virtual std::unique_ptr<FileDialog> createFileDialog(QWidget *owner) = 0;

    virtual void clearClipboard() = 0;
    virtual void setClipboardText(const QString &text) = 0;
    // The clipboard's plain text, or the empty string when it holds none.
    virtual QString clipboardText() = 0;

    // The control that has the keyboard focus in the application.
    virtual QWidget *focusedControl() = 0;
    // A control's selected text, with CR LF line breaks; nothing when the control has no text
    // selection at all (a button, a list).
    virtual std::optional<QString> selectedText(QWidget *control) = 0;
    // Replaces a control's selection, or inserts at its caret; false when it has no text.
    virtual bool replaceSelectedText(QWidget *control, const QString &text) = 0;

    // The next value r, 0 <= r < 1, of a generator that starts from the same state every run.
    virtual double nextRandom() = 0;

    // Reads the file from start to end, handing it to consume piece by piece so that it never
    // has to be in memory whole; consume returns false to stop early. Returns why the file
    // could not be read, or an empty string.
    virtual QString readFile(const QString &path,
                             const std::function<bool(QByteArrayView)> &consume) = 0;
    // What a writer hands writeFile along with each piece.
    enum class Piece {
        More,
        Last,
        // Everything handed over so far is void; the file starts again with the next piece.
        StartOver,
        // Nothing is to be written: the old file stays as it was.
        Abandon,
    };

    // Replaces the file whole with the pieces produce hands over one at a time, or leaves the
    // old one untouched; returns why it failed, or an empty string (also when abandoned).
    // produce may run on another thread, a piece or two ahead of the writing, while this call
    // waits: it must touch no widget, and nothing it reads may change until writeFile returns.
    virtual QString writeFile(const QString &path,
                              const std::function<Piece(QByteArray &piece)> &produce) = 0;
    // The same, for bytes at hand.
    QString writeFile(const QString &path, const QByteArray &bytes)
    {
        return writeFile(path, [&bytes](QByteArray &piece) {
            piece = bytes;
            return Piece::Last;
        });
    }

    // Marks a possibly long operation (a load or a save) for the user, for its lifetime.
    class BusyScope;
    virtual void setBusy(bool busy) = 0;
};

class Platform::BusyScope
{
public:
    explicit BusyScope(Platform &platform)
        : m_platform(platform)
    {
        m_platform.setBusy(true);
    }
    ~BusyScope() { end(); }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

    // Ends the busy state early, before a message box: a box under a wait cursor looks as if
    // the program were still at work.
    void end()
    {
        if (std::exchange(m_busy, false))
            m_platform.setBusy(false);
    }

private:
    Platform &m_platform;
    bool m_busy = true;
};

} // namespace memoquill
