#include "textbox.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace memoquill::textbox {

QString toCrLf(QString documentText)
{
    // toPlainText() would turn no-break spaces into spaces: only raw text is exact.
    qsizetype breaks = 0;
    for (const QChar c : std::as_const(documentText)) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == u'\n' || c == u'\r')
            ++breaks;
    }
    if (breaks == 0)
        return documentText;
    QString out;
    out.reserve(documentText.size() + breaks);
    for (qsizetype i = 0; i < documentText.size(); ++i) {
        const QChar c = documentText.at(i);
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == u'\n') {
            out.append(u"\r\n");
        } else if (c == u'\r') {
            out.append(u"\r\n");
            if (i + 1 < documentText.size() && documentText.at(i + 1) == u'\n')
                ++i;
        } else {
            out.append(c);
        }
    }
    return out;
}

QString text(const QPlainTextEdit *box)
{
    return toCrLf(box->document()->toRawText());
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
    // CR LF, a lone CR and a lone LF all become one line break here. Through the document,
    // which also clears the undo history: the box's own setPlainText does the same at twice the
    // cost, which showing a card feels. The caret and the view then go back to the start.
    box->document()->setPlainText(text);
    box->moveCursor(QTextCursor::Start);
}

QString selectedText(const QPlainTextEdit *box)
{
    return toCrLf(box->textCursor().selectedText());
}

void setReadOnly(QPlainTextEdit *box, bool readOnly)
{
    box->setReadOnly(readOnly);
    // setReadOnly(true) leaves only mouse selection, and setReadOnly(false) resets the flags.
    if (readOnly)
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

} // namespace memoquill::textbox
