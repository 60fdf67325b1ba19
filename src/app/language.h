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

// Makes the windows speak the first of languages (tags such as "de-DE", in the order of
// QLocale::uiLanguages()) that the program has a translation for. English, the language the
// texts are written in, needs none and ends the search; so does "C". A missing or unreadable
// translation is passed over. Replaces the translations an earlier call installed. Returns the
// language chosen: "de", "fr", "es", or "en" when none was.
QString installTranslations(const QStringList &languages, const TranslationFolders &folders = {});

} // namespace memoquill
