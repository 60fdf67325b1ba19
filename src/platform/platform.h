#pragma once

#include <QString>

#include <memory>
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

// What the windows need from the desktop that tests must script: boxes, the file dialog, the
// clipboard, random numbers and the busy cursor. Windows reach them only through here.
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

    // The next value r, 0 <= r < 1, of a generator that starts from the same state every run.
    virtual double nextRandom() = 0;

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
