#pragma once

#include <QString>

namespace memoquill {

// Card texts break their lines with CR LF, in memory and in deck files. Every other line break
// that reaches the program, from a file, the clipboard or a text box, becomes CR LF here.

// Each lone CR and each lone LF becomes CR LF.
QString withCrLf(QString text);

// CR LF becomes LF, the line break of the desktop's labels and clipboard.
QString withLf(QString text);

} // namespace memoquill
