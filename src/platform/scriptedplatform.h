#pragma once

#include "qtplatform.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <functional>

namespace memoquill {

// What a window showed: a message box, the input box, or the save or open dialog.
struct ShownBox
{
    enum Kind { Message, Input, SaveDialog, OpenDialog };
    Kind kind = Message;
    QString prompt;
    QString title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    // Input box: the initial text. Dialogs: the file-type list and the proposed file name.
    QString initialText;
    QString fileTypes;
    QString fileName;
};

// The platform for tests: every box and dialog is answered from a queue and recorded. A box
// that no answer was queued for, or that gets an answer meant for another kind, fails the
// running test. Clipboard and random draws can be scripted too.
class ScriptedPlatform : public QtPlatform
{
public:
    // Queue answers, in the order the boxes will appear. whileShown runs while the box is up,
    // before its answer is returned (to change the world behind a modal box).
    void answerMessage(MsgResult answer, std::function<void()> whileShown = {});
    void answerInput(const QString &text, std::function<void()> whileShown = {});
    void answerSaveDialog(const QString &path, std::function<void()> whileShown = {});
    void answerOpenDialog(const QString &path, std::function<void()> whileShown = {});

    // Every box shown so far, oldest first.
    const QList<ShownBox> &shown() const { return m_shown; }
    // Removes and returns the oldest recorded box (a failure when there is none).
    ShownBox takeShown();
    void clearShown() { m_shown.clear(); }

    // Problems found so far: unexpected boxes, and answers still queued.
    QStringList problems() const;

    // The next draws of nextRandom(), before the generator's own sequence resumes.
    void queueRandom(std::initializer_list<double> draws);

    // The clipboard is a private one: tests never touch the desktop's.
    void putImageOnClipboard();
    std::optional<QString> clipboardContent() const { return m_clipboard; }

    int busyCalls() const { return m_busyCalls; }

    MsgResult msgBox(const QString &prompt, const QString &title, MsgButtons buttons,
                     MsgIcon icon) override;
    QString inputBox(const QString &prompt, const QString &title,
                     const QString &initialText = {}) override;
    std::unique_ptr<FileDialog> createFileDialog(QWidget *owner) override;
    void clearClipboard() override;
    void setClipboardText(const QString &text) override;
    QString clipboardText() override;
    double nextRandom() override;
    void setBusy(bool busy) override;

    // Called by the scripted file dialog.
    QString answerDialog(const ShownBox &box);

private:
    struct Answer
    {
        ShownBox::Kind kind;
        MsgResult result;
        QString text;
        std::function<void()> whileShown;
    };

    const Answer *take(const ShownBox &box);
    void fail(const QString &problem);

    std::deque<Answer> m_answers;
    Answer m_current;
    QList<ShownBox> m_shown;
    QStringList m_unexpected;
    std::deque<double> m_draws;
    std::optional<QString> m_clipboard;
    int m_busyCalls = 0;
};

} // namespace memoquill
