// The windows in each language: every text translated but the window titles, the same keys,
// access keys that work, the typical use from start to end with the same deck files, and
// English whenever no usable translation is there. Languages are switched in process through
// the program's own installTranslations().
#include "support/testapp.h"

#include "app/language.h"
#include "app/startup.h"
#include "deck/deckfile.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
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

// The words a language takes from English as they are: Italian menus say "File" too.
const QMultiHash<QString, QString> &sameAsEnglish()
{
    static const QMultiHash<QString, QString> words{{u"it"_s, u"&File"_s}, {u"it"_s, u"File"_s}};
    return words;
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

    // The typical use from start to end, with the keys a user presses: New Card twice with
    // typed texts, Save, a review in the reader, New, Load, a change, and Exit answered Yes.
    // The deck file as it is at the end, and every box on the way.
    void walkTypicalUse(const QString &language, Walk &walk)
    {
        QVERIFY(useLanguage(language));
        app = std::make_unique<TestApp>();
        CardCreate *editor = app->editor();
        const QString file = dir.filePath(language + u".mqd"_s);
        ScriptedPlatform &platform = app->platform;
        // Start: nothing to review or save yet.
        QVERIFY(editor->isVisible());
        QVERIFY(!editor->MCRead->isEnabled());
        // Two cards, both sides typed; Tab leaves a box and commits it.
        for (const auto &[name, front, back] :
             {std::tuple{u"Capitals"_s, u"France"_s, u"Paris"_s},
              std::tuple{u"Städte"_s, u"Zurich & Geneva"_s, u"Bern"_s}}) {
            platform.answerInput(name);
            click(editor->BNew);
            typeInto(editor->TFront, front);
            QTest::keyClick(editor->TFront, Qt::Key_Tab);
            QTest::keyClicks(editor->TBack, back);
            QTest::keyClick(editor->TBack, Qt::Key_Tab);
        }
        QCOMPARE(app->deck.Cards(2), (CardRecord{u"Städte"_s, u"Zurich & Geneva"_s, u"Bern"_s}));
        // Save asks for a name and appends ".mqd".
        platform.answerSaveDialog(dir.filePath(language));
        QTest::keyClick(editor->TBack, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(readAll(file), deckRecord("Capitals", "France", "Paris")
                                    + deckRecord("St\xE4"
                                                 "dte",
                                                 "Zurich & Geneva", "Bern"));
        // Card Reader, back first; Next and Flip; then back to the editor.
        QVERIFY(trigger(editor->MCRead));
        CardReader *reader = app->reader();
        QVERIFY(reader && reader->isVisible() && !editor->isVisible());
        reader->CBack->click();
        QCOMPARE(textOf(reader->TCard), u"Paris"_s);
        reader->BNext->click();
        QCOMPARE(textOf(reader->TCard), u"Bern"_s);
        reader->BFlip->click();
        QCOMPARE(textOf(reader->TCard), u"Zurich & Geneva"_s);
        QVERIFY(trigger(reader->MCCreate));
        QVERIFY(editor->isVisible());
        // New asks first; Load then shows the saved deck's first card.
        platform.answerMessage(MsgResult::Yes);
        QTest::keyClick(editor->TBack, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(app->deck.CardCount(), 0);
        platform.answerOpenDialog(file);
        QTest::keyClick(editor->TBack, Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(listNames(editor->List), (QStringList{u"Capitals"_s, u"Städte"_s}));
        QCOMPARE(editor->LTitle->text(), u"Capitals"_s);
        QCOMPARE(textOf(editor->TBack), u"Paris"_s);
        clickListRow(editor->List, 1);
        typeInto(editor->TBack, u", Schweiz"_s);
        // Exit asks about the changed deck; Yes writes it and ends.
        platform.answerMessage(MsgResult::Yes);
        QTest::keyClick(editor->TBack, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(app->quitCount, 1);
        QVERIFY(!app->editor());
        QVERIFY(!app->reader());

        walk = Walk{readAll(file), platform.shown(), app->scriptProblems()};
        app.reset();
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
            else if (!sameAsEnglish().contains(language, it.value()))
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

    // The one in-process walk through the typical use, in English and in every language: the
    // same deck bytes everywhere, while every box on the way speaks the language.
    void typicalUse_data() { languages_data(true); }
    void typicalUse()
    {
        QFETCH(QString, language);
        Walk english;
        walkTypicalUse(u"en"_s, english);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(english.problems.isEmpty(), qPrintable(english.problems));
        QCOMPARE(english.deck, deckRecord("Capitals", "France", "Paris")
                                   + deckRecord("St\xE4"
                                                "dte",
                                                "Zurich & Geneva", "Bern, Schweiz"));
        QStringList titles;
        for (const ShownBox &box : std::as_const(english.boxes))
            titles.append(box.kind == ShownBox::Message || box.kind == ShownBox::Input
                              ? box.title
                              : u"dialog"_s);
        QCOMPARE(titles, (QStringList{u"New Card"_s, u"New Card"_s, u"dialog"_s, u"New Project"_s,
                                      u"dialog"_s, u"Save Changes?"_s}));
        QCOMPARE(english.boxes.last().prompt,
                 u"Do you want to save changes to '%1'?"_s.arg(dir.filePath(u"en.mqd"_s)));
        if (language == u"en"_s)
            return;

        Walk walk;
        walkTypicalUse(language, walk);
        if (QTest::currentTestFailed())
            return;
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
            << QStringList{u"sv-SE"_s, u"sv"_s, u"fr"_s, u"de"_s} << u"fr"_s;
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

    // Regional translations serve the tags of their variant, and the nearest variant serves a
    // user only when none of the languages named has a translation. Tried on a folder of
    // stand-in files, so the rule is checked whichever translations exist; Qt's own come
    // from Debian in the same variant.
    void regionalTranslationsAreMatched_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("expected");
        QTest::newRow("pt-BR") << QStringList{u"pt-BR"_s, u"pt-Latn-BR"_s, u"pt"_s} << u"pt_BR"_s;
        QTest::newRow("pt_BR, as in LANG") << QStringList{u"pt_BR"_s} << u"pt_BR"_s;
        QTest::newRow("plain pt") << QStringList{u"pt"_s, u"de"_s} << u"pt_BR"_s;
        QTest::newRow("pt-PT alone") << QStringList{u"pt-PT"_s, u"pt-Latn-PT"_s} << u"pt_BR"_s;
        QTest::newRow("pt-PT, then French") << QStringList{u"pt-PT"_s, u"fr"_s} << u"fr"_s;
        QTest::newRow("zh-CN") << QStringList{u"zh-CN"_s, u"zh-Hans-CN"_s, u"zh"_s} << u"zh_CN"_s;
        QTest::newRow("plain zh") << QStringList{u"zh"_s, u"de"_s} << u"zh_CN"_s;
        QTest::newRow("zh-Hans") << QStringList{u"zh-Hans"_s, u"de"_s} << u"zh_CN"_s;
        QTest::newRow("zh-TW alone") << QStringList{u"zh-TW"_s, u"zh-Hant-TW"_s} << u"zh_CN"_s;
        QTest::newRow("zh-Hant, then Japanese")
            << QStringList{u"zh-Hant"_s, u"zh-Hant-TW"_s, u"ja"_s} << u"ja"_s;
        QTest::newRow("zh-HK, then English")
            << QStringList{u"zh-HK"_s, u"zh-Hant-HK"_s, u"en"_s, u"de"_s} << u"en"_s;
        QTest::newRow("regional tag, plain file") << QStringList{u"de-AT"_s} << u"de"_s;
    }
    void regionalTranslationsAreMatched()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, expected);
        QTemporaryDir folder;
        for (const QString &language : {u"de"_s, u"fr"_s, u"ja"_s, u"pt_BR"_s, u"zh_CN"_s})
            QVERIFY(
                writeAll(folder.filePath(u"memoquill_%1.qm"_s.arg(language)), qmBytes(u"de"_s)));
        QCOMPARE(installTranslations(uiLanguages, {folder.path(), {}}), expected);
        QTranslator qt;
        if (expected != u"en"_s)
            QVERIFY(qt.load(u"qtbase_"_s + expected,
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        const QString yes = qt.translate("QPlatformTheme", "&Yes");
        QMessageBox box(QMessageBox::Question, u"t"_s, u"p"_s, QMessageBox::Yes);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), yes.isEmpty() ? u"&Yes"_s : yes);
    }

    // The command line's messages and its usage line speak the language; the synopsis is
    // what the user types, so it stays as it is.
    void commandLineFollows_data() { languages_data(true); }
    void commandLineFollows()
    {
        QFETCH(QString, language);
        QVERIFY(useLanguage(language));
        const QString synopsis = u"memoquill [--help] [--version] [DECK | --import LIST | "
                                 u"--export DECK.mqd [--output LIST]]"_s;
        const QString error = readCommandLine({u"memoquill"_s, u"--output"_s, u"list.txt"_s}).error;
        QCOMPARE(error, translated(language, "CommandLine", "--output goes with --export only.")
                            + u'\n'
                            + translated(language, "CommandLine", "Usage: %1").arg(synopsis));
        if (language == u"en"_s)
            QCOMPARE(error, u"--output goes with --export only.\nUsage: "_s + synopsis);
        else
            QVERIFY2(!error.contains(u"Usage"_s), qPrintable(error));
    }

    // Whatever the environment holds, the program starts in a language it can show (the
    // first usable one asked for, or English) with a window that works. Each row starts this
    // test program again, in its startUpFollowsTheEnvironment(), under the row's environment.
    void startsUsableInAnyEnvironment_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("damaged"); // this language's translation file is junk
        QTest::addColumn<bool>("latinFontsOnly");
        QTest::addColumn<QString>("expected");
        QTest::newRow("LANG") << QStringList{u"LANG=fr_FR.UTF-8"_s} << QString() << false
                              << u"fr"_s;
        QTest::newRow("LANGUAGE, then LC_ALL, then LANG")
            << QStringList{u"LC_ALL=es_ES.UTF-8"_s, u"LANGUAGE=sv:de"_s, u"LANG=C.UTF-8"_s}
            << QString() << false << u"de"_s;
        QTest::newRow("C") << QStringList{u"LANG=C"_s} << QString() << false << u"en"_s;
        QTest::newRow("Brazilian Portuguese")
            << QStringList{u"LANG=pt_BR.UTF-8"_s} << QString() << false << u"pt_BR"_s;
        QTest::newRow("Arabic") << QStringList{u"LANG=ar_EG.UTF-8"_s} << QString() << false
                                << u"ar"_s;
        QTest::newRow("Arabic without Arabic fonts")
            << QStringList{u"LANG=ar_EG.UTF-8"_s} << QString() << true << u"en"_s;
        QTest::newRow("Japanese without its fonts, then Russian")
            << QStringList{u"LANG=ja_JP.UTF-8"_s, u"LANGUAGE=ja:ru"_s} << QString() << true
            << u"ru"_s;
        QTest::newRow("damaged translation")
            << QStringList{u"LANG=de_DE.UTF-8"_s} << u"de"_s << false << u"en"_s;
        QTest::newRow("damaged translation, then Spanish")
            << QStringList{u"LANGUAGE=de:es"_s, u"LANG=de_DE.UTF-8"_s} << u"de"_s << false
            << u"es"_s;
        QTest::newRow("odd characters")
            << QStringList{u"LANG=../../i18n/memoquill_de.UTF-8"_s,
                           u"LANGUAGE=../../etc/passwd:memoquill_de:$(rm -rf):\x01\x7f:es"_s}
            << QString() << false << u"es"_s;
        QTest::newRow("twenty languages")
            << QStringList{u"LANGUAGE=sv:fi:da:nb:is:et:lv:lt:hu:cs:sk:sl:hr:ro:bg:el:tr:he:fa:fr"_s}
            << QString() << false << u"fr"_s;
    }
    void startsUsableInAnyEnvironment()
    {
        QFETCH(QStringList, environment);
        QFETCH(QString, damaged);
        QFETCH(bool, latinFontsOnly);
        QFETCH(QString, expected);
        if (expected != u"en"_s && !translatedLanguages().contains(expected))
            QSKIP(qPrintable(expected + u" is not translated yet"_s));
        QTemporaryDir folder;
        QProcessEnvironment run = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            run.remove(QString::fromLatin1(name));
        for (const QString &setting : std::as_const(environment))
            run.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        run.insert(u"MEMOQUILL_EXPECTED_LANGUAGE"_s, expected);
        if (!damaged.isEmpty()) {
            // The built-in translations, one of them damaged.
            for (const QString &language : translatedLanguages())
                QVERIFY(writeAll(folder.filePath(u"memoquill_%1.qm"_s.arg(language)),
                                 language == damaged ? qmBytes(language).left(100)
                                                     : qmBytes(language)));
            run.insert(u"MEMOQUILL_TEST_TRANSLATIONS"_s, folder.path());
        }
        if (latinFontsOnly) {
            // A desktop with Debian's Liberation fonts alone: Latin, Greek, Cyrillic, Hebrew.
            QVERIFY(writeAll(folder.filePath(u"fonts.conf"_s),
                             "<?xml version=\"1.0\"?>\n<fontconfig>\n"
                             "<dir>/usr/share/fonts/truetype/liberation2</dir>\n<cachedir>"
                                 + folder.filePath(u"fontcache"_s).toUtf8()
                                 + "</cachedir>\n</fontconfig>\n"));
            run.insert(u"FONTCONFIG_FILE"_s, folder.filePath(u"fonts.conf"_s));
        }
        QProcess child;
        child.setProcessEnvironment(run);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {u"startUpFollowsTheEnvironment"_s});
        QVERIFY(child.waitForFinished(60000));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 child.readAll().constData());
    }

    // setUpApplication() takes the language from the environment (startsUsableInAnyEnvironment
    // runs this under each of its environments): LANGUAGE first, then LC_ALL, LC_MESSAGES,
    // LANG, and a language only if its translation is sound and the fonts can write it.
    void startUpFollowsTheEnvironment()
    {
        const QString expected = qEnvironmentVariable("MEMOQUILL_EXPECTED_LANGUAGE", u"en"_s);
        setUpApplication(*qApp);
        // A folder with a damaged translation replaces the built-in ones.
        if (const QString folder = qEnvironmentVariable("MEMOQUILL_TEST_TRANSLATIONS");
            !folder.isEmpty()) {
            QCOMPARE(installTranslations(QLocale::system().uiLanguages(), {folder, {}}), expected);
        }
        QCOMPARE(QGuiApplication::layoutDirection(), QLocale(expected).textDirection());
        app = std::make_unique<TestApp>();
        CardCreate *editor = app->editor();
        QCOMPARE(editor->BNew->text(), translated(expected, EditorContext, "Ne&w Card"));
        // Every caption shows in letters, and the window works.
        QStringList captions{editor->Label1->text(), editor->Label2->text(), editor->Label3->text(),
                             editor->BNew->text(), editor->BDel->text()};
        for (QAction *entry : editor->menuBar()->actions())
            captions.append(entry->text());
        for (const QString &caption : std::as_const(captions))
            QVERIFY2(missingLetters(caption, editor->font()).isEmpty(), qPrintable(caption));
        newCard(*app, u"Rome"_s);
        QCOMPARE(listNames(editor->List), QStringList{u"Rome"_s});
        QVERIFY(!editor->TFront->isReadOnly());
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
