#include "support/scriptedplatform.h"

#include <QTest>

namespace memoquill {

using namespace Qt::StringLiterals;

namespace {

QString kindName(ShownBox::Kind kind)
{
    static const char *const names[] = {"message box", "input box", "save dialog", "open dialog"};
    return QString::fromLatin1(names[kind]);
}

QString describe(const ShownBox &box)
{
    if (box.kind == ShownBox::Message || box.kind == ShownBox::Input)
        return u"%1 \"%2\" / \"%3\""_s.arg(kindName(box.kind), box.title, box.prompt);
    return kindName(box.kind);
}

// Holds what the window set as the box it will record when shown.
class ScriptedFileDialog final : public FileDialog
{
public:
    explicit ScriptedFileDialog(ScriptedPlatform &platform)
        : m_platform(platform)
    {
    }

    void setFileTypes(const QString &fileTypes) override { m_box.fileTypes = fileTypes; }
    void setFileName(const QString &fileName) override { m_box.fileName = fileName; }
    QString fileName() const override { return m_box.fileName; }
    void showSave() override { show(ShownBox::SaveDialog); }
    void showOpen() override { show(ShownBox::OpenDialog); }

private:
    void show(ShownBox::Kind kind)
    {
        m_box.kind = kind;
        m_box.fileName = m_platform.answerDialog(m_box);
    }

    ScriptedPlatform &m_platform;
    ShownBox m_box;
};

} // namespace

void ScriptedPlatform::answerMessage(MsgResult answer, std::function<void()> whileShown)
{
    m_answers.push_back({ShownBox::Message, answer, {}, std::move(whileShown)});
}

void ScriptedPlatform::answerInput(const QString &text, std::function<void()> whileShown)
{
    m_answers.push_back({ShownBox::Input, MsgResult::Ok, text, std::move(whileShown)});
}

void ScriptedPlatform::answerSaveDialog(const QString &path, std::function<void()> whileShown)
{
    m_answers.push_back({ShownBox::SaveDialog, MsgResult::Ok, path, std::move(whileShown)});
}

void ScriptedPlatform::answerOpenDialog(const QString &path, std::function<void()> whileShown)
{
    m_answers.push_back({ShownBox::OpenDialog, MsgResult::Ok, path, std::move(whileShown)});
}

ShownBox ScriptedPlatform::takeShown()
{
    if (m_shown.isEmpty()) {
        fail(u"expected a box to have been shown, but none was"_s);
        return {};
    }
    return m_shown.takeFirst();
}

QStringList ScriptedPlatform::problems() const
{
    QStringList all = m_unexpected;
    for (const Answer &answer : m_answers)
        all.append(u"answer for a %1 was queued but never used"_s.arg(kindName(answer.kind)));
    return all;
}

void ScriptedPlatform::queueRandom(std::initializer_list<double> draws)
{
    m_draws.insert(m_draws.end(), draws);
}

void ScriptedPlatform::fail(const QString &problem)
{
    m_unexpected.append(problem);
    // Marks the running test failed; the box still gets a harmless answer.
    QTest::qFail(qPrintable(problem), __FILE__, __LINE__);
}

const ScriptedPlatform::Answer *ScriptedPlatform::take(const ShownBox &box)
{
    m_shown.append(box);
    if (m_answers.empty()) {
        fail(u"unexpected %1: no answer was queued"_s.arg(describe(box)));
        return nullptr;
    }
    if (m_answers.front().kind != box.kind) {
        fail(u"unexpected %1: the next answer is for a %2"_s.arg(describe(box),
                                                                 kindName(m_answers.front().kind)));
        return nullptr;
    }
    m_current = std::move(m_answers.front());
    m_answers.pop_front();
    if (m_current.whileShown)
        m_current.whileShown();
    return &m_current;
}

MsgResult ScriptedPlatform::msgBox(const QString &prompt, const QString &title, MsgButtons buttons,
                                   MsgIcon icon)
{
    ShownBox box;
    box.kind = ShownBox::Message;
    box.prompt = prompt;
    box.title = title;
    box.buttons = buttons;
    box.icon = icon;
    const Answer *answer = take(box);
    if (!answer)
        return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Cancel;
    const bool offered = [&] {
        switch (buttons) {
        case MsgButtons::Ok:
            return answer->result == MsgResult::Ok;
        case MsgButtons::OkCancel:
            return answer->result == MsgResult::Ok || answer->result == MsgResult::Cancel;
        case MsgButtons::YesNo:
            return answer->result == MsgResult::Yes || answer->result == MsgResult::No;
        case MsgButtons::YesNoCancel:
            return answer->result != MsgResult::Ok;
        }
        return false;
    }();
    if (!offered)
        fail(u"%1 was answered with a button it does not have"_s.arg(describe(box)));
    return answer->result;
}

QString ScriptedPlatform::inputBox(const QString &prompt, const QString &title,
                                   const QString &initialText)
{
    ShownBox box;
    box.kind = ShownBox::Input;
    box.prompt = prompt;
    box.title = title;
    box.initialText = initialText;
    const Answer *answer = take(box);
    return answer ? answer->text : QString();
}

std::unique_ptr<FileDialog> ScriptedPlatform::createFileDialog(QWidget *)
{
    return std::make_unique<ScriptedFileDialog>(*this);
}

QString ScriptedPlatform::answerDialog(const ShownBox &box)
{
    const Answer *answer = take(box);
    return answer ? answer->text : QString();
}

void ScriptedPlatform::putImageOnClipboard()
{
    m_clipboard.reset();
}

void ScriptedPlatform::clearClipboard()
{
    m_clipboard = QString();
}

void ScriptedPlatform::setClipboardText(const QString &text)
{
    m_clipboard = text;
}

QString ScriptedPlatform::clipboardText()
{
    return m_clipboard.value_or(QString());
}

double ScriptedPlatform::nextRandom()
{
    if (m_draws.empty())
        return double(m_random()) / 4294967296.0; // 32 random bits, scaled below 1
    const double draw = m_draws.front();
    m_draws.pop_front();
    return draw;
}

} // namespace memoquill
