#include "platform/textbox.h"

#include "deck/linebreaks.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace memoquill::textbox {

// The document breaks lines with U+2029 (Enter) and U+2028 (Shift+Enter).
static QString withCrLfBreaks(QString documentText)
{
    documentText.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    return withCrLf(std::move(documentText));
}

QString text(const QPlainTextEdit *box)
{
    // toPlainText() would turn no-break spaces into spaces: only the raw text is exact.
    return withCrLfBreaks(box->document()->toRawText());
}

namespace {

// Qt breaks a long run without spaces character by character in time that grows with the
// square of its length: a single 200,000-character line would freeze the window for seconds.
// Beyond this length a line is wrapped anywhere, which is linear; shorter lines keep wrapping
// at word boundaries.
constexpr qsizetype LongLine = 10000;

bool hasLongLine(const QString &text)
{
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n')
            lineStart = i + 1;
        else if (i - lineStart >= LongLine)
            return true;
    }
    return false;
}

} // namespace

void setText(QPlainTextEdit *box, const QString &text)
{
    box->setWordWrapMode(text.size() > LongLine && hasLongLine(text)
                             ? QTextOption::WrapAnywhere
                             : QTextOption::WrapAtWordBoundaryOrAnywhere);
    // CR LF, a lone CR and a lone LF all become one line break here, and the undo history of
    // the previous card goes. The caret and the view then go back to the start.
    box->document()->setPlainText(text);
    box->moveCursor(QTextCursor::Start);
}

void setReadOnly(QPlainTextEdit *box, bool readOnly)
{
    box->setReadOnly(readOnly);
    // setReadOnly(true) leaves only mouse selection, and setReadOnly(false) resets the flags.
    if (readOnly)
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

std::optional<QString> selectedText(const QWidget *control)
{
    const auto *box = qobject_cast<const QPlainTextEdit *>(control);
    if (!box)
        return std::nullopt;
    return withCrLfBreaks(box->textCursor().selectedText());
}

bool replaceSelection(QWidget *control, const QString &text)
{
    auto *box = qobject_cast<QPlainTextEdit *>(control);
    if (!box)
        return false;
    // Through the cursor, which also works on a read-only box (paste() does not).
    QTextCursor cursor = box->textCursor();
    cursor.insertText(text);
    box->setTextCursor(cursor);
    return true;
}

} // namespace memoquill::textbox
