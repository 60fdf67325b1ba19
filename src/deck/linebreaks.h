#pragma once

#include <QString>

namespace memoquill {

// Card texts break their lines with CR LF, in memory and in deck files. Every other line break
// that reaches the program, from a file, the clipboard or a text box, becomes CR LF here, and
// only here.

// Each lone CR, lone LF, and the paragraph and line separators (U+2029, U+2028) of a text
// box's document, becomes CR LF.
QString withCrLf(QString text);

// The same for a deck file's lines, where CR LF, a lone CR and a lone LF end a line and the
// two separators are text like any other.
QString withCrLfLineEnds(QString text);

// CR LF becomes LF, the line break of the desktop's labels and clipboard.
QString withLf(QString text);

} // namespace memoquill
