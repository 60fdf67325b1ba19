#pragma once

#include <QString>
#include <QStringList>

namespace memoquill {

// Where the translations are read from: the program's own (built into it) and Qt's (for the
// texts Qt draws itself, such as the buttons of message boxes). Empty means the usual place.
struct TranslationFolders
{
    QString program;
    QString qt;
};

// Makes the program speak the first of languages (tags such as "de-DE", in the order of
// QLocale::uiLanguages()) that it has a translation for, with Qt's own translation of the same
// language. A tag that asks for one variant of a language (Portuguese of Portugal, Traditional
// Chinese) gets another variant of it only when none of the other tags has a translation.
// English, the language the texts are written in, needs none and ends the search; so does "C".
// A missing or unreadable translation is passed over, and so, once a QGuiApplication exists, is
// a language the installed fonts cannot write. Replaces the translations an earlier call
// installed. Returns the language chosen, as its translation file names it ("de", "pt_BR"), or
// "en" when none was.
QString installTranslations(const QStringList &languages, const TranslationFolders &folders = {});

} // namespace memoquill
