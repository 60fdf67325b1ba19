#include "app/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>

namespace memoquill {

using namespace Qt::StringLiterals;

namespace {

// Marks the translators this code installed, so that a later call can find and replace them.
const auto InstalledName = "memoquill translation"_L1;

void removeInstalledTranslations()
{
    const QList<QTranslator *> installed =
        QCoreApplication::instance()->findChildren<QTranslator *>(InstalledName,
                                                                  Qt::FindDirectChildrenOnly);
    for (QTranslator *translator : installed) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// A translator holding folder/baseName_language.qm, or null when that file is missing or no
// valid translation file.
QTranslator *loadTranslation(const QString &baseName, const QString &language,
                             const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(InstalledName);
    if (translator->load(baseName + u'_' + language, folder))
        return translator;
    delete translator;
    return nullptr;
}

// The languages the folder has the program's translations for, from its file names
// ("memoquill_pt_BR.qm" gives "pt_BR"): only these names ever become part of a path. Regional
// ones first, so that a "de_CH" beside "de" would serve Swiss users.
QStringList offeredLanguages(const QString &folder)
{
    QStringList languages = QDir(folder).entryList({u"memoquill_*.qm"_s}, QDir::Files, QDir::Name);
    for (QString &language : languages)
        language = language.sliced(10).chopped(3);
    std::stable_sort(languages.begin(), languages.end(), [](const QString &a, const QString &b) {
        return a.contains(u'_') && !b.contains(u'_');
    });
    return languages;
}

enum class Fit { None, Close, Exact };

// Whether a translation serves a wanted language: exactly (German for "de-AT", Brazilian
// Portuguese for "pt" or "pt-BR", Simplified Chinese for "zh" or "zh-Hans"), or only in another
// variant of it (Brazilian for "pt-PT", Simplified for "zh-TW"). QLocale fills in the likely
// script and region of a bare language.
Fit fit(const QString &offered, const QLocale &wanted)
{
    const QLocale translation(offered);
    if (translation.language() != wanted.language())
        return Fit::None;
    const bool regional = offered.contains(u'_');
    if (translation.script() == wanted.script()
        && (!regional || translation.territory() == wanted.territory()))
        return Fit::Exact;
    return Fit::Close;
}

// A language whose own name the fonts cannot draw would show boxes in the windows. The command
// line writes to a terminal, whose fonts are its own.
bool fontsCanWrite(const QString &language)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return true;
    const QFontMetrics metrics(QGuiApplication::font());
    const QList<uint> letters = QLocale(language).nativeLanguageName().toUcs4();
    return std::all_of(letters.cbegin(), letters.cend(),
                       [&metrics](uint letter) { return metrics.inFontUcs4(letter); });
}

} // namespace

QString installTranslations(const QStringList &languages, const TranslationFolders &folders)
{
    removeInstalledTranslations();
    const QString programFolder = folders.program.isEmpty() ? u":/i18n"_s : folders.program;
    const QString qtFolder =
        folders.qt.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folders.qt;
    const QStringList offered = offeredLanguages(programFolder);

    const auto install = [&](const QString &language) {
        if (!fontsCanWrite(language))
            return false;
        QTranslator *program = loadTranslation(u"memoquill"_s, language, programFolder);
        if (!program)
            return false;
        QCoreApplication::installTranslator(program);
        // Qt's own texts in the same language; without them its buttons stay English, and
        // its entry QT_LAYOUT_DIRECTION turns the windows right to left where the language is.
        if (QTranslator *qt = loadTranslation(u"qtbase"_s, language, qtFolder))
            QCoreApplication::installTranslator(qt);
        return true;
    };

    // Another variant of a wanted language is better than English, but only once every
    // language the user named has been tried: a "zh-TW:ja" user reads Japanese.
    QStringList close;
    for (const QString &tag : languages) {
        // "en-GB", "C" and "POSIX" ask for the texts as they are written.
        const QString code = tag.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (code == "en"_L1 || code == "c"_L1 || code == "posix"_L1)
            return u"en"_s;
        const QLocale wanted(tag);
        if (wanted.language() == QLocale::C)
            continue;
        for (const QString &language : offered) {
            const Fit fits = fit(language, wanted);
            if (fits == Fit::Exact && install(language))
                return language;
            if (fits == Fit::Close)
                close.append(language);
        }
    }
    for (const QString &language : std::as_const(close)) {
        if (install(language))
            return language;
    }
    return u"en"_s;
}

} // namespace memoquill
