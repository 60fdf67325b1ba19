// The windows in each language: every text translated but the window titles, the same keys,
// access keys that work, the same deck files, and English whenever no usable translation is
// there. Languages are switched in process through the program's own installTranslations().
#include "testapp.h"

#include "deckfile.h"
#include "language.h"
#include "startup.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTranslator>

using namespace memoquill;
using namespace memoquill::test;
using namespace Qt::StringLiterals;

namespace {

const char *const EditorContext = "memoquill::CardCreate";

// source as the built-in translation for language has it, read without installing anything.
QString translated(const QString &language, const char *context, const char *source)
{
    QTranslator translator;
    if (language == u"en"_s || !translator.load(u":/i18n/memoquill_"_s + language + u".qm"_s))
        return QString::fromUtf8(source);
    return translator.translate(context, source);
}

QByteArray qmBytes(const QString &language)
{
    return readAll(u":/i18n/memoquill_"_s + language + u".qm"_s);
}

// Every text a window shows or gives to a screen reader, and every menu key, by the names of
// the objects that carry them.
QMap<QString, QString> textsOf(QMainWindow *window)
{
    QMap<QString, QString> texts;
    const QString prefix = window->objectName() + u'.';
    texts.insert(prefix + u"title"_s, window->windowTitle());
    const auto add = [&](const QObject *object, const QString &what, const QString &text) {
        if (!text.isEmpty())
            texts.insert(prefix + object->objectName() + u'.' + what, text);
    };
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->objectName().isEmpty())
            continue;
        add(widget, u"name"_s, widget->accessibleName());
        add(widget, u"description"_s, widget->accessibleDescription());
        // LTitle shows a card's name: data, not a text of the program.
        if (const auto *label = qobject_cast<QLabel *>(widget);
            label && label->objectName() != u"LTitle"_s)
            add(widget, u"caption"_s, label->text());
        if (const auto *button = qobject_cast<QAbstractButton *>(widget))
            add(widget, u"caption"_s, button->text());
        if (const auto *box = qobject_cast<QPlainTextEdit *>(widget)) {
            add(widget, u"text"_s, textOf(box));
            add(widget, u"scroll bar"_s, box->verticalScrollBar()->accessibleName());
        }
        if (const auto *menu = qobject_cast<QMenu *>(widget))
            add(widget, u"caption"_s, menu->title());
    }
    for (QAction *item : window->findChildren<QAction *>()) {
        if (item->objectName().isEmpty() || item->isSeparator())
            continue;
        add(item, u"caption"_s, item->text());
        add(item, u"shortcut"_s, item->shortcut().toString());
    }
    return texts;
}

// The number of access keys among captions, or -1 (and a failed test) if two share one.
int distinctAccessKeys(const QStringList &captions)
{
    QHash<QString, QString> holders;
    for (const QString &caption : captions) {
        const QString key = QKeySequence::mnemonic(caption).toString();
        if (key.isEmpty())
            continue;
        if (holders.contains(key)) {
            QTest::qFail(qPrintable(u"%1 and %2 share %3"_s.arg(holders.value(key), caption, key)),
                         __FILE__, __LINE__);
            return -1;
        }
        holders.insert(key, caption);
    }
    return int(holders.size());
}

struct Walk
{
    QByteArray deck;
    QList<ShownBox> boxes;
    QString problems;
};

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestApp> app;
    QTemporaryDir dir;

    static void languages_data(bool withEnglish)
    {
        QTest::addColumn<QString>("language");
        if (withEnglish)
            QTest::newRow("en") << u"en"_s;
        for (const QString &language : translatedLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }

    // An application in language, with one card, so that the reader exists too (hidden).
    bool start(const QString &language)
    {
        if (!useLanguage(language))
            return false;
        app = std::make_unique<TestApp>();
        newCard(*app, u"Rome"_s);
        return app->reader() != nullptr;
    }

    QMap<QString, QString> texts(const QString &language, bool withReader)
    {
        if (!useLanguage(language))
            return {};
        // Before any card: the text boxes show the program's words.
        app = std::make_unique<TestApp>();
        QMap<QString, QString> all = textsOf(app->editor());
        if (withReader) {
            newCard(*app, u"Rome"_s);
            all.insert(textsOf(app->reader()));
        }
        return all;
    }

    // New Card twice with typed texts, Save, New, Load, a change, and the close question
    // answered Yes: the deck file as it is at the end, and every box on the way.
    Walk typicalUse(const QString &language)
    {
        if (!useLanguage(language))
            return {};
        app = std::make_unique<TestApp>();
        CardCreate *editor = app->editor();
        const QString file = dir.filePath(language + u".mqd"_s);
        ScriptedPlatform &platform = app->platform;

        platform.answerInput(u"Capitals"_s);
        click(editor->BNew);
        typeInto(editor->TFront, u"France"_s);
        typeInto(editor->TBack, u"Paris"_s);
        platform.answerInput(u"Städte"_s);
        click(editor->BNew);
        typeInto(editor->TFront, u"Zurich & Geneva"_s);
        platform.answerSaveDialog(dir.filePath(language));
        if (!trigger(editor->MSave))
            return {};
        platform.answerMessage(MsgResult::Yes);
        if (!trigger(editor->Mnew))
            return {};
        platform.answerOpenDialog(file);
        if (!trigger(editor->Mload))
            return {};
        clickListRow(editor->List, 1);
        typeInto(editor->TBack, u"Schweiz"_s);
        platform.answerMessage(MsgResult::Yes);
        editor->close();

        Walk walk{readAll(file), platform.shown(), app->scriptProblems()};
        app.reset();
        return walk;
    }

private Q_SLOTS:
    void initTestCase() { prepareApplication(); }
    void cleanup()
    {
        if (app)
            VERIFY_SCRIPT_DONE(*app);
        app.reset();
        QVERIFY(useLanguage(u"en"_s));
    }

    void everyTextIsTranslatedButTheWindowNames_data() { languages_data(false); }
    void everyTextIsTranslatedButTheWindowNames()
    {
        QFETCH(QString, language);
        const QMap<QString, QString> english = texts(u"en"_s, true);
        const QMap<QString, QString> shown = texts(language, true);
        QVERIFY(english.size() > 50);
        QCOMPARE(shown.keys(), english.keys());
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            const QString &text = shown.value(it.key());
            if (it.key().endsWith(u".title"_s) || it.key().endsWith(u".shortcut"_s))
                QCOMPARE(text, it.value());
            else
                QVERIFY2(text != it.value(), qPrintable(it.key() + u": "_s + text));
        }
        QCOMPARE(shown.value(u"CardCreate.title"_s), u"Memoquill - CardCreate"_s);
        QCOMPARE(shown.value(u"CardReader.title"_s), u"Memoquill - CardReader"_s);
    }

    // Each window's access keys are distinct, and so are those in each menu; pressing one
    // presses its button, runs its menu-bar entry or opens its menu.
    void accessKeysAreDistinctAndWork_data() { languages_data(true); }
    void accessKeysAreDistinctAndWork()
    {
        QFETCH(QString, language);
        QVERIFY(start(language));
        for (const bool reader : {false, true}) {
            // The editor's entry for the reader was taken off its handler below.
            if (reader)
                app->windows->openReader();
            QMainWindow *window = reader ? static_cast<QMainWindow *>(app->reader())
                                         : static_cast<QMainWindow *>(app->editor());
            QVERIFY(activate(window));

            QList<std::pair<QObject *, QString>> holders;
            for (QAction *entry : window->menuBar()->actions())
                holders.append({entry, entry->text()});
            for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
                holders.append({button, button->text()});
            QStringList captions;
            for (const auto &[holder, caption] : std::as_const(holders))
                captions.append(caption);
            QVERIFY(distinctAccessKeys(captions) >= (reader ? 2 : 6));
            for (QMenu *menu : window->findChildren<QMenu *>()) {
                captions.clear();
                for (QAction *item : menu->actions())
                    captions.append(item->text());
                QVERIFY(distinctAccessKeys(captions) >= 0);
            }

            for (const auto &[holder, caption] : std::as_const(holders)) {
                const QKeySequence key = QKeySequence::mnemonic(caption);
                if (key.isEmpty())
                    continue;
                holder->disconnect(window);
                auto *item = qobject_cast<QAction *>(holder);
                QSignalSpy spy(holder, item ? SIGNAL(triggered(bool)) : SIGNAL(clicked(bool)));
                QWidget *target =
                    QApplication::focusWidget() ? QApplication::focusWidget() : window;
                // With the letter's text, as a keyboard of the language sends it: QTest's
                // own key click knows only Latin letters.
                const Qt::Key letter = key[0].key();
                QTest::sendKeyEvent(QTest::Click, target, letter,
                                    QString(QChar(char16_t(letter))).toLower(), Qt::AltModifier);
                if (item && item->menu()) {
                    QTRY_COMPARE(QApplication::activePopupWidget(), item->menu());
                    item->menu()->close();
                } else {
                    QVERIFY2(spy.count() == 1, qPrintable(caption));
                }
            }
        }
    }

    // The walk through the deck commands writes the same bytes in every language, while every
    // box on the way speaks the language.
    void typicalUseWritesTheSameDeck_data() { languages_data(false); }
    void typicalUseWritesTheSameDeck()
    {
        QFETCH(QString, language);
        const Walk english = typicalUse(u"en"_s);
        QVERIFY2(english.problems.isEmpty(), qPrintable(english.problems));
        QVERIFY(english.deck.startsWith("Capitals)}]"));
        QCOMPARE(english.boxes.size(), 6);
        const Walk walk = typicalUse(language);
        QVERIFY2(walk.problems.isEmpty(), qPrintable(walk.problems));
        QCOMPARE(walk.deck, english.deck);
        QCOMPARE(walk.boxes.size(), english.boxes.size());
        for (qsizetype i = 0; i < walk.boxes.size(); ++i) {
            const ShownBox &box = walk.boxes.at(i);
            const ShownBox &was = english.boxes.at(i);
            QCOMPARE(box.kind, was.kind);
            QCOMPARE(box.buttons, was.buttons);
            if (box.kind == ShownBox::Message || box.kind == ShownBox::Input) {
                QVERIFY2(box.title != was.title, qPrintable(box.title));
                QVERIFY2(box.prompt != was.prompt, qPrintable(box.prompt));
            } else {
                QVERIFY2(box.fileTypes != was.fileTypes, qPrintable(box.fileTypes));
                QVERIFY(box.fileTypes.endsWith(u"(.mqd)"_s));
            }
        }
        // The save dialog proposes the language's word for an untitled file, and the close
        // question names the file.
        QCOMPARE(walk.boxes.at(2).fileName, translated(language, EditorContext, "Untitled"));
        QVERIFY(walk.boxes.last().prompt.contains(dir.filePath(language + u".mqd"_s)));
    }

    // The deck file's messages too, with the path as it is, even one that holds a "%2".
    void deckFileMessagesFollow_data() { languages_data(true); }
    void deckFileMessagesFollow()
    {
        QFETCH(QString, language);
        QVERIFY(useLanguage(language));
        const QString folder = dir.filePath(u"a%2b.mqd"_s);
        QVERIFY(QDir().mkpath(folder));
        const QString expected =
            translated(language, "DeckFile", "Could not load the deck from '%1'.\r\n%2")
                .arg(folder, translated(language, "DeckFile", "It is a folder, not a file."));
        QCOMPARE(readDeckFile(folder).failure, expected);
        if (language == u"en"_s)
            QCOMPARE(
                expected,
                u"Could not load the deck from '%1'.\r\nIt is a folder, not a file."_s.arg(folder));
    }

    // Qt's own texts, such as message box buttons, come in the same language.
    void qtsOwnButtonsFollow_data() { languages_data(true); }
    void qtsOwnButtonsFollow()
    {
        QFETCH(QString, language);
        QVERIFY(useLanguage(language));
        QMessageBox box(QMessageBox::Question, u"t"_s, u"p"_s,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        // As Qt's translation file has them ("No" is "No" in Spanish too).
        QTranslator qt;
        if (language != u"en"_s)
            QVERIFY(qt.load(u"qtbase_"_s + language,
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        const auto qtText = [&](const char *source) {
            const QString text = qt.translate("QPlatformTheme", source);
            return text.isEmpty() ? QString::fromUtf8(source) : text;
        };
        QCOMPARE(box.button(QMessageBox::Yes)->text(), qtText("&Yes"));
        QCOMPARE(box.button(QMessageBox::No)->text(), qtText("&No"));
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), qtText("Cancel"));
        if (language != u"en"_s)
            QVERIFY(qtText("&Yes") != u"&Yes"_s);
    }

    void languageIsTheFirstTranslatedOne_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("expected");
        QTest::newRow("German") << QStringList{u"de-DE"_s, u"de-Latn-DE"_s, u"de"_s} << u"de"_s;
        QTest::newRow("Austrian German") << QStringList{u"de-AT"_s} << u"de"_s;
        QTest::newRow("Canadian French") << QStringList{u"fr-CA"_s, u"fr-Latn-CA"_s} << u"fr"_s;
        QTest::newRow("Latin American Spanish") << QStringList{u"es-419"_s} << u"es"_s;
        QTest::newRow("as in LANG") << QStringList{u"es_ES"_s} << u"es"_s;
        QTest::newRow("untranslated first")
            << QStringList{u"pt-BR"_s, u"pt"_s, u"fr"_s, u"de"_s} << u"fr"_s;
        QTest::newRow("English first") << QStringList{u"en-GB"_s, u"de"_s} << u"en"_s;
        QTest::newRow("C locale") << QStringList{u"C"_s, u"de"_s} << u"en"_s;
        QTest::newRow("unknown") << QStringList{u"xx-YY"_s} << u"en"_s;
        QTest::newRow("none") << QStringList{} << u"en"_s;
        QTest::newRow("no language code") << QStringList{u"../i18n/memoquill_de"_s} << u"en"_s;
    }
    void languageIsTheFirstTranslatedOne()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, expected);
        QCOMPARE(installTranslations(uiLanguages), expected);
        app = std::make_unique<TestApp>();
        QCOMPARE(app->editor()->BNew->text(), translated(expected, EditorContext, "Ne&w Card"));
    }

    // A missing or unreadable translation is passed over, and without one the program speaks
    // English, Qt's own texts included.
    void unusableTranslationIsPassedOver_data()
    {
        QTest::addColumn<QByteArray>("german");
        QTest::addColumn<QString>("expected");
        const QByteArray real = qmBytes(u"de"_s);
        QTest::newRow("missing") << QByteArray() << u"en"_s;
        QTest::newRow("empty") << QByteArray("") << u"en"_s;
        QTest::newRow("not a translation") << QByteArray("Kartenstapel\n").repeated(64) << u"en"_s;
        QTest::newRow("truncated") << real.left(real.size() / 2) << u"en"_s;
        QTest::newRow("damaged header")
            << QByteArray(real).replace(0, 4, QByteArray(4, '\0')) << u"en"_s;
        QTest::newRow("valid") << real << u"de"_s;
    }
    void unusableTranslationIsPassedOver()
    {
        QFETCH(QByteArray, german);
        QFETCH(QString, expected);
        QTemporaryDir folder;
        if (!german.isNull())
            QVERIFY(writeAll(folder.filePath(u"memoquill_de.qm"_s), german));
        QCOMPARE(installTranslations({u"de"_s}, {folder.path(), {}}), expected);
        app = std::make_unique<TestApp>();
        QCOMPARE(app->editor()->BNew->text(), translated(expected, EditorContext, "Ne&w Card"));
        QMessageBox box(QMessageBox::Question, u"t"_s, u"p"_s, QMessageBox::Yes);
        QCOMPARE(box.button(QMessageBox::Yes)->text() == u"&Yes"_s, expected == u"en"_s);

        // With another language after it, that one is used.
        QVERIFY(writeAll(folder.filePath(u"memoquill_fr.qm"_s), qmBytes(u"fr"_s)));
        QCOMPARE(installTranslations({u"de"_s, u"fr"_s}, {folder.path(), {}}),
                 expected == u"en"_s ? u"fr"_s : expected);
    }

    // setUpApplication() takes the language from the environment (ctest runs this also with
    // LANG and LANGUAGE set): LANGUAGE first, then LC_ALL, LC_MESSAGES, LANG.
    void startUpFollowsTheEnvironment()
    {
        const QString expected = qEnvironmentVariable("MEMOQUILL_EXPECTED_LANGUAGE", u"en"_s);
        setUpApplication(*qApp);
        app = std::make_unique<TestApp>();
        QCOMPARE(app->editor()->BNew->text(), translated(expected, EditorContext, "Ne&w Card"));
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
