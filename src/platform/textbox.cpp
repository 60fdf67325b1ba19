#include "textbox.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace memoquill::textbox {

QString toCrLf(QString documentText)
{
    // toPlainText() would turn no-break spaces into spaces: only raw text is exact.
    qsizetype breaks = 0;
    for (const QChar c : std::as_const(documentText)) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == u'\n'
            || c == u'\r')
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

void setText(QPlainTextEdit *box, const QString &text)
{
    // CR LF, a lone CR and a lone LF all become one line break here.
    box->setPlainText(text);
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
