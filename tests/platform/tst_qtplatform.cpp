// The real platform: the boxes' answers when the user escapes or closes them, exact text
// through the text boxes, the clipboard and the generator.
#include "platform/qtplatform.h"
#include "platform/textbox.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace memoquill;
using namespace Qt::StringLiterals;

namespace {

// Acts on the next modal dialog once it is up.
void whenDialogShows(std::function<void(QDialog *)> act)
{
    QTimer::singleShot(0, qApp, [act] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            act(dialog);
        else
            whenDialogShows(act);
    });
}

// Acts on the next modal dialog of type T once it is up.
template <typename T>
void whenShown(std::function<void(T *)> act)
{
    QTimer::singleShot(0, qApp, [act] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget()))
            act(dialog);
        else
            whenShown<T>(act);
    });
}

// Types a name into Qt's own file dialog and confirms it.
void typeFileName(QFileDialog *dialog, const QString &name)
{
    auto *edit = dialog->findChild<QLineEdit *>(u"fileNameEdit"_s);
    QVERIFY(edit);
    edit->setText(name);
    // QFileDialog's own accept() reads the name, as its Save button does.
    static_cast<QDialog *>(dialog)->accept();
}

} // namespace

class TestQtPlatform : public QObject
{
    Q_OBJECT

    QtPlatform platform;

private Q_SLOTS:
    void escapeAnswers_data()
    {
        QTest::addColumn<MsgButtons>("buttons");
        QTest::addColumn<MsgResult>("expected");
        QTest::newRow("OK") << MsgButtons::Ok << MsgResult::Ok;
        QTest::newRow("OK Cancel") << MsgButtons::OkCancel << MsgResult::Cancel;
        QTest::newRow("Yes No") << MsgButtons::YesNo << MsgResult::No;
        QTest::newRow("Yes No Cancel") << MsgButtons::YesNoCancel << MsgResult::Cancel;
    }

    void escapeAnswers()
    {
        QFETCH(MsgButtons, buttons);
        QFETCH(MsgResult, expected);
        whenDialogShows([](QDialog *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
        QCOMPARE(platform.msgBox(u"p"_s, u"t"_s, buttons, MsgIcon::None), expected);
    }

    void enterChoosesTheFirstButton()
    {
        QString shownText;
        Qt::TextFormat format = Qt::AutoText;
        whenDialogShows([&](QDialog *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            shownText = box->text();
            format = box->textFormat();
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        QCOMPARE(platform.msgBox(u"<b>A</b>\r\nB"_s, u"t"_s, MsgButtons::YesNoCancel,
                                 MsgIcon::Exclamation),
                 MsgResult::Yes);
        QCOMPARE(shownText, u"<b>A</b>\nB"_s);
        QCOMPARE(format, Qt::PlainText);
    }

    void inputBoxCancelAndCloseGiveEmpty()
    {
        whenDialogShows([](QDialog *dialog) { dialog->reject(); });
        QCOMPARE(platform.inputBox(u"Name?"_s, u"New Card"_s, u"typed"_s), QString());
        whenDialogShows([](QDialog *dialog) { dialog->close(); });
        QCOMPARE(platform.inputBox(u"Name?"_s, u"New Card"_s, u"typed"_s), QString());
        whenDialogShows([](QDialog *dialog) { dialog->accept(); });
        QCOMPARE(platform.inputBox(u"Name?"_s, u"New Card"_s, u"typed"_s), u"typed"_s);
    }

    void cancelledFileDialogGivesEmptyPath()
    {
        auto dialog = platform.createFileDialog(nullptr);
        dialog->setFileTypes(u"Memofile (.mqd)"_s);
        dialog->setFileName(u"Untitled"_s);
        whenDialogShows([](QDialog *d) { d->reject(); });
        dialog->showSave();
        QCOMPARE(dialog->fileName(), QString());
    }

    // The save writes the typed name with ".mqd" added unless it ends so: the question about
    // replacing a file names that file, and only when it exists.
    void replaceQuestionNamesTheWrittenFile_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("askedAbout"); // empty: no question
        QTest::newRow("deck, deck.mqd exists")
            << u"deck"_s << QStringList{u"deck.mqd"_s} << u"deck.mqd"_s;
        QTest::newRow("deck.mqd, it exists")
            << u"deck.mqd"_s << QStringList{u"deck.mqd"_s} << u"deck.mqd"_s;
        QTest::newRow("notes.txt, only notes.txt exists")
            << u"notes.txt"_s << QStringList{u"notes.txt"_s} << QString();
        QTest::newRow("notes.txt, notes.txt.mqd exists")
            << u"notes.txt"_s << QStringList{u"notes.txt"_s, u"notes.txt.mqd"_s}
            << u"notes.txt.mqd"_s;
        QTest::newRow("deck.MQD, deck.MQD.mqd exists")
            << u"deck.MQD"_s << QStringList{u"deck.MQD"_s, u"deck.MQD.mqd"_s} << u"deck.MQD.mqd"_s;
    }

    void replaceQuestionNamesTheWrittenFile()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, existing);
        QFETCH(QString, askedAbout);
        QTemporaryDir dir;
        for (const QString &name : existing)
            QVERIFY(QFile(dir.filePath(name)).open(QIODevice::WriteOnly));
        auto dialog = platform.createFileDialog(nullptr);
        dialog->setFileTypes(u"Memofile (.mqd)"_s);
        dialog->setFileName(dir.filePath(u"Untitled"_s));

        // Yes: the typed name is the answer.
        QStringList questions;
        const auto answerWith = [&](QMessageBox::StandardButton answer) {
            whenShown<QMessageBox>([&questions, answer](QMessageBox *box) {
                questions.append(box->text());
                box->button(answer)->click();
            });
        };
        whenShown<QFileDialog>([&](QFileDialog *d) {
            if (!askedAbout.isEmpty())
                answerWith(QMessageBox::Yes);
            typeFileName(d, typed);
        });
        dialog->showSave();
        QCOMPARE(dialog->fileName(), dir.filePath(typed));
        const QStringList expected =
            askedAbout.isEmpty()
                ? QStringList()
                : QStringList{u"%1 already exists.\nDo you want to replace it?"_s.arg(askedAbout)};
        QCOMPARE(questions, expected);
        if (askedAbout.isEmpty())
            return;

        // No: back to the dialog, which still holds the name; cancelling it then saves nothing.
        questions.clear();
        QString heldName;
        whenShown<QFileDialog>([&](QFileDialog *d) {
            answerWith(QMessageBox::No);
            whenShown<QFileDialog>([&heldName](QFileDialog *again) {
                heldName = again->findChild<QLineEdit *>(u"fileNameEdit"_s)->text();
                again->reject();
            });
            typeFileName(d, typed);
        });
        dialog->showSave();
        QCOMPARE(questions.size(), 1);
        QCOMPARE(heldName, typed);
        QCOMPARE(dialog->fileName(), QString());
    }

    void textBoxKeepsExactText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("lines") << u"one\r\ntwo\r\n\r\nfour"_s;
        QTest::newRow("final break") << u"end\r\n"_s;
        QTest::newRow("no-break space and tab") << u"a\u00A0b\tc "_s;
        QTest::newRow("quotes and commas") << u"\"x\", 'y'"_s;
    }

    void textBoxKeepsExactText()
    {
        QFETCH(QString, text);
        QPlainTextEdit box;
        textbox::setText(&box, text);
        QCOMPARE(textbox::text(&box), text);
    }

    void typedBreaksComeBackAsCrLf()
    {
        QPlainTextEdit box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QTest::keyClicks(&box, u"a"_s);
        QTest::keyClick(&box, Qt::Key_Return);
        QTest::keyClicks(&box, u"b"_s);
        QTest::keyClick(&box, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(&box, u"c"_s);
        QCOMPARE(textbox::text(&box), u"a\r\nb\r\nc"_s);
        box.selectAll();
        QCOMPARE(textbox::selectedText(&box), std::optional<QString>(u"a\r\nb\r\nc"_s));
    }

    // A new text starts at the top with the caret before it, however far the old one was
    // scrolled, with no undo history; typing and pasting then move the caret on.
    void newTextStartsAtTheTop()
    {
        QPlainTextEdit box;
        box.resize(241, 233);
        box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QString lines = u"a line of a long text\r\n"_s.repeated(300);
        textbox::setText(&box, lines);
        box.moveCursor(QTextCursor::End);
        QVERIFY(box.verticalScrollBar()->value() > 0);
        box.setFocus();
        QTest::keyClicks(&box, u"xy"_s);
        textbox::setText(&box, u"second "_s + lines);
        QCOMPARE(box.textCursor().position(), 0);
        QVERIFY(!box.textCursor().hasSelection());
        QCOMPARE(box.verticalScrollBar()->value(), 0);
        QVERIFY(!box.document()->isUndoAvailable());
        QTest::keyClicks(&box, u"ab"_s);
        QCOMPARE(box.textCursor().position(), 2);
        QVERIFY(textbox::replaceSelection(&box, u"cd"_s));
        QCOMPARE(box.textCursor().position(), 4);
        QVERIFY(textbox::text(&box).startsWith(u"abcdsecond a line"_s));
    }

    void veryLongLinesWrapAnywhere()
    {
        // Word-boundary wrapping of a long run without spaces takes quadratic time in Qt.
        QPlainTextEdit box;
        textbox::setText(&box, u"short words\r\n"_s.repeated(2000));
        QCOMPARE(box.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
        const QString longLine = u"x"_s.repeated(200000) + u"\r\nend"_s;
        textbox::setText(&box, longLine);
        QCOMPARE(box.wordWrapMode(), QTextOption::WrapAnywhere);
        QCOMPARE(textbox::text(&box), longLine);
        textbox::setText(&box, u"back to normal"_s);
        QCOMPARE(box.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    }

    void readOnlyBoxStillSelectsAndTakesReplacement()
    {
        QPlainTextEdit box;
        textbox::setText(&box, u"hello world"_s);
        textbox::setReadOnly(&box, true);
        QVERIFY(box.textInteractionFlags() & Qt::TextSelectableByKeyboard);
        QVERIFY(textbox::replaceSelection(&box, u"X\r\n"_s));
        QCOMPARE(textbox::text(&box).left(3), u"X\r\n"_s);
        textbox::setReadOnly(&box, false);
        QVERIFY(box.textInteractionFlags() & Qt::TextEditable);
    }

    void controlsWithoutTextHaveNoSelection()
    {
        QPushButton button;
        QCOMPARE(textbox::selectedText(&button), std::nullopt);
        QVERIFY(!textbox::replaceSelection(&button, u"x"_s));
        QVERIFY(!textbox::replaceSelection(nullptr, u"x"_s));
    }

    void clipboardWithOnlyAnImageGivesEmptyText()
    {
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        QGuiApplication::clipboard()->setImage(image);
        QCOMPARE(platform.clipboardText(), QString());
        platform.setClipboardText(u"a\r\nb"_s);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"a\nb"_s);
        QCOMPARE(platform.clipboardText(), u"a\r\nb"_s);
        platform.clearClipboard();
        QCOMPARE(platform.clipboardText(), QString());
    }

    void randomIsRepeatableAndInRange()
    {
        QtPlatform first;
        QtPlatform second;
        for (int i = 0; i < 10000; ++i) {
            const double r = first.nextRandom();
            QVERIFY(r >= 0.0 && r < 1.0);
            QCOMPARE(second.nextRandom(), r);
        }
    }
};

QTEST_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
