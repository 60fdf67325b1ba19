#pragma once

#include <QString>

class QPlainTextEdit;

namespace memoquill::textbox {

// Texts in memory break lines with CR LF; a text box holds paragraph and line separators.
// Every read and write of a text box's text goes through here.

QString text(const QPlainTextEdit *box);
void setText(QPlainTextEdit *box, const QString &text);
QString selectedText(const QPlainTextEdit *box);

// Read-only blocks typing only: the box still takes the focus, shows a caret and lets the user
// select text with mouse and keyboard.
void setReadOnly(QPlainTextEdit *box, bool readOnly);

// Maps the document's U+2029 and U+2028 to CR LF and returns LF-only text to CR LF.
QString toCrLf(QString documentText);

} // namespace memoquill::textbox
