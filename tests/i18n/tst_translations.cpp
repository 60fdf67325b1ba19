// The translation files themselves: current with the code, complete, and faithful to what the
// program relies on in each text (its placeholders, its access key, the file type's pattern).
#include "support/testapp.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

using namespace memoquill::test;
using namespace Qt::StringLiterals;

namespace {

const QString SourceDir = QStringLiteral(MEMOQUILL_SOURCE_DIR);

QString tsPath(const QString &language)
{
    return SourceDir + u"/translations/memoquill_"_s + language + u".ts"_s;
}

struct Message
{
    QString context;
    QString source;
    QString translation;
    // The translation's type attribute: "unfinished", "obsolete", "vanished", or empty.
    QString type;
};

QList<Message> readMessages(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == "name"_L1) {
            context = xml.readElementText();
        } else if (xml.name() == "message"_L1) {
            messages.append({context, {}, {}, {}});
        } else if (xml.name() == "source"_L1) {
            messages.last().source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == "translation"_L1) {
            messages.last().type = xml.attributes().value("type"_L1).toString();
            messages.last().translation =
                xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(u"%\\d+"_s);
    QStringList found;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

// The number of access key markers: "&x", not the escaped "&&".
qsizetype accessKeys(const QString &text)
{
    return QString(text).remove(u"&&"_s).count(u'&');
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

    static void languages_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : translatedLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }

private Q_SLOTS:
    void everyTranslationFileIsBuiltIn()
    {
        QStringList files = QDir(SourceDir + u"/translations"_s)
                                .entryList({u"memoquill_*.ts"_s}, QDir::Files, QDir::Name);
        files.replaceInStrings(u".ts"_s, u".qm"_s);
        QCOMPARE(QDir(u":/i18n"_s).entryList({u"memoquill_*.qm"_s}, QDir::Files, QDir::Name),
                 files);
        QVERIFY(translatedLanguages().size() >= 3);
    }

    // Refreshing a copy with the project's lupdate script changes nothing: no text of the code
    // is missing, none is left over, and the files are as lupdate writes them.
    void filesAreCurrent_data() { languages_data(); }
    void filesAreCurrent()
    {
        QFETCH(QString, language);
        QTemporaryDir copy;
        const QString copied = copy.filePath(u"memoquill_"_s + language + u".ts"_s);
        QVERIFY(QFile::copy(tsPath(language), copied));

        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(SourceDir + u"/tools/update-translations"_s, {copy.path()});
        QVERIFY(lupdate.waitForFinished(60000));
        QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
                 lupdate.readAll().constData());
        QCOMPARE(readAll(copied), readAll(tsPath(language)));
    }

    void everyMessageIsTranslatedFaithfully_data() { languages_data(); }
    void everyMessageIsTranslatedFaithfully()
    {
        QFETCH(QString, language);
        QString error;
        const QList<Message> messages = readMessages(tsPath(language), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(messages.size() > 50);
        for (const Message &message : messages) {
            const QByteArray where = (message.context + u": "_s + message.source).toUtf8();
            QVERIFY2(message.type.isEmpty(), (where + " is " + message.type.toUtf8()).constData());
            QVERIFY2(!message.translation.trimmed().isEmpty(), where.constData());
            // The code inserts names and numbers at these.
            QVERIFY2(placeholders(message.translation) == placeholders(message.source),
                     where.constData());
            // A caption with an access key keeps one in every language; one without gets none,
            // as the keys the windows react to are collected from the captions.
            QVERIFY2(accessKeys(message.translation) == accessKeys(message.source),
                     where.constData());
            // The file dialog lists the files that match the pattern in the last parentheses.
            if (message.source.endsWith(u"(.mqd)"_s))
                QVERIFY2(message.translation.endsWith(u"(.mqd)"_s), where.constData());
        }
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
