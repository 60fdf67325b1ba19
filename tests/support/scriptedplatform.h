#pragma once

#include "platform/platform.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <random>

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

// The platform for tests and benchmarks: every box and dialog is answered from a queue and
// recorded. A box that no answer was queued for, or that gets an answer meant for another
// kind, fails the running test. The clipboard is a private one, random draws can be queued,
// and the busy cursor is only counted: nothing here touches the desktop.
class ScriptedPlatform : public Platform
{
public:
    // Queue answers, in the order the boxes will appear. whileShown runs while the box is up,
    // before its answer is returned (to change the world behind a modal box).
    void answerMessage(MsgResult answer, std::function<void()> whileShown = {});
    MsgResult msgBox(const QString &prompt, const QString &title, MsgButtons buttons,
                     MsgIcon icon) override;

    void answerInput(const QString &text, std::function<void()> whileShown = {});
    QString inputBox(const QString &prompt, const QString &title,
                     const QString &initialText = {}) override;

    void answerSaveDialog(const QString &path, std::function<void()> whileShown = {});
    void answerOpenDialog(const QString &path, std::function<void()> whileShown = {});
    std::unique_ptr<FileDialog> createFileDialog(QWidget *owner) override;
    // Called by the scripted file dialog.
    QString answerDialog(const ShownBox &box);

    // Every box shown so far, oldest first.
    const QList<ShownBox> &shown() const { return m_shown; }
    // Removes and returns the oldest recorded box (a failure when there is none).
    ShownBox takeShown();
    void clearShown() { m_shown.clear(); }

    // Problems found so far: unexpected boxes, and answers still queued.
    QStringList problems() const;

    // Unset until text is put there; an image (or anything but text) reads back as no text.
    void putImageOnClipboard();
    std::optional<QString> clipboardContent() const { return m_clipboard; }
    void clearClipboard() override;
    void setClipboardText(const QString &text) override;
    QString clipboardText() override;

    // The next draws of nextRandom(); once they are used up, draws come from a generator with
    // a fixed seed, the same in every run.
    void queueRandom(std::initializer_list<double> draws);
    double nextRandom() override;

    int busyCalls() const { return m_busyCalls; }
    void setBusy(bool busy) override { m_busyCalls += busy ? 1 : 0; }

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
    std::mt19937 m_random;
    std::optional<QString> m_clipboard;
    int m_busyCalls = 0;
};

} // namespace memoquill
