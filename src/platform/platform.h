#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

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

struct FileReadResult
{
    QByteArray bytes;
    // Why the file could not be read; empty on success.
    QString error;
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

    virtual FileReadResult readFile(const QString &path) = 0;
    // Replaces the file whole, or leaves the old one untouched; returns why it failed, or an
    // empty string on success.
    virtual QString writeFile(const QString &path, const QByteArray &bytes) = 0;

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
    ~BusyScope() { m_platform.setBusy(false); }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    Platform &m_platform;
};

} // namespace memoquill
