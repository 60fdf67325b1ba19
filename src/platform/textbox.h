#pragma once

#include <QString>

#include <optional>

class QPlainTextEdit;
class QWidget;

namespace memoquill::textbox {

// Every read and write of a text box's text goes through here, so that texts in memory keep
// their CR LF line breaks while the box holds paragraph and line separators.

QString text(const QPlainTextEdit *box);
void setText(QPlainTextEdit *box, const QString &text);

// Read-only blocks typing only: the box still takes the focus, shows a caret and lets the user
// select text with mouse and keyboard.
void setReadOnly(QPlainTextEdit *box, bool readOnly);

// A control's selected text; nothing when the control holds no text (a button, a list).
std::optional<QString> selectedText(const QWidget *control);
// Replaces a control's selection, or inserts at its caret; false when it holds no text.
bool replaceSelection(QWidget *control, const QString &text);

} // namespace memoquill::textbox
