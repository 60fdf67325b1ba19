#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

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

} // namespace

QString installTranslations(const QStringList &languages, const TranslationFolders &folders)
{
    removeInstalledTranslations();
    const QString programFolder = folders.program.isEmpty() ? u":/i18n"_s : folders.program;
    const QString qtFolder =
        folders.qt.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folders.qt;
    for (const QString &tag : languages) {
        // "de-DE", "de_DE" and "de" all ask for German.
        QString language = tag.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (language == "en"_L1 || language == "c"_L1 || language == "posix"_L1)
            break;
        // Only a language code ("de", "fil") names a translation file: nothing else from the
        // environment becomes part of a path.
        static const QRegularExpression languageCode(u"^[a-z]{2,3}$"_s);
        if (!languageCode.match(language).hasMatch())
            continue;
        QTranslator *program = loadTranslation(u"memoquill"_s, language, programFolder);
        if (!program)
            continue;
        QCoreApplication::installTranslator(program);
        // Qt's own texts in the same language; without them its buttons stay English.
        if (QTranslator *qt = loadTranslation(u"qtbase"_s, language, qtFolder))
            QCoreApplication::installTranslator(qt);
        return language;
    }
    return u"en"_s;
}

} // namespace memoquill
