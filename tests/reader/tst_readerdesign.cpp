// The reader window as created: controls, texts, menus, focus, and its life as a single
// instance that is created hidden and forgotten when closed.
#include "support/testapp.h"

#include "platform/twips.h"

#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextDocument>

using namespace memoquill;
using namespace memoquill::test;
using namespace Qt::StringLiterals;

class TestReaderDesign : public AppTest
{
    Q_OBJECT

private Q_SLOTS:
    void createdHiddenOnFirstReference()
    {
        QVERIFY(!app->reader());
        CardReader *reader = app->windows->reader();
        QVERIFY(reader);
        QVERIFY(!reader->isVisible());
        QCOMPARE(app->windows->reader(), reader);
        QCOMPARE(reader->windowTitle(), u"Memoquill - CardReader"_s);
        QCOMPARE(reader->centralWidget()->size(), QSize(288, 376));
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("TCard") << u"TCard"_s
                               << u"Cards Loaded Press \"Next Card\" to continue.\r\n"_s
                               << twipsRect(120, 120, 4095, 3855);
        QTest::newRow("CBack") << u"CBack"_s << u"Show Back First"_s
                               << twipsRect(2760, 5280, 1455, 255);
        QTest::newRow("CSFirst") << u"CSFirst"_s << u"Skip First Card"_s
                                 << twipsRect(2760, 4920, 1335, 375);
        QTest::newRow("BNext") << u"BNext"_s << u"Next Card"_s << twipsRect(120, 4560, 2535, 975);
        QTest::newRow("BFlip") << u"BFlip"_s << u"Flip"_s << twipsRect(120, 4080, 4095, 375);
        QTest::newRow("CRand") << u"CRand"_s << u"Random"_s << twipsRect(2760, 4560, 1335, 375);
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);
        CardReader *reader = app->windows->reader();
        auto *control = reader->findChild<QWidget *>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->parentWidget(), reader->centralWidget());
        QCOMPARE(control->geometry(), geometry);
        if (auto *box = qobject_cast<QPlainTextEdit *>(control)) {
            QCOMPARE(box->document()->toRawText().replace(QChar::ParagraphSeparator, u"\r\n"_s),
                     caption);
            QVERIFY(box->isReadOnly());
        } else if (auto *check = qobject_cast<QCheckBox *>(control)) {
            QCOMPARE(check->text(), caption);
            QVERIFY(!check->isTristate());
            QCOMPARE(check->checkState(), Qt::Unchecked);
        } else if (auto *button = qobject_cast<QPushButton *>(control)) {
            QCOMPARE(button->text(), caption);
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
        } else {
            QFAIL("unexpected kind of control");
        }
    }

    void menuTreeMatchesTheDesign()
    {
        CardReader *reader = app->windows->reader();
        COMPARE_MENUS_TO_DESIGN(menuTree(reader->menuBar()), u"CardReader"_s, MenuReading::Tree);
    }

    void focusStartsOnRandomAndTabsInOrder()
    {
        CardReader *reader = app->windows->reader();
        reader->show();
        QVERIFY(activate(reader));
        QCOMPARE(QApplication::focusWidget(), reader->CRand);
        QStringList visited;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(visited, (QStringList{u"BFlip"_s, u"BNext"_s, u"CSFirst"_s, u"CBack"_s, u"TCard"_s,
                                       u"CRand"_s}));
        // Space toggles Random from the start.
        QTest::keyClick(reader->CRand, Qt::Key_Space);
        QVERIFY(reader->CRand->isChecked());
    }

    void typingNeverChangesTheCard()
    {
        CardReader *reader = app->windows->reader();
        reader->show();
        QVERIFY(activate(reader));
        reader->TCard->setFocus(Qt::TabFocusReason);
        const QString before = reader->TCard->document()->toRawText();
        QTest::keyClicks(reader->TCard, u"abc"_s);
        QTest::keyClick(reader->TCard, Qt::Key_Delete);
        QCOMPARE(reader->TCard->document()->toRawText(), before);
    }

    void hidingKeepsStateAndClosingForgetsIt()
    {
        CardReader *reader = app->windows->reader();
        app->windows->setReaderSaveItemsEnabled(true);
        reader->CRand->setChecked(true);
        reader->show();
        reader->hide();
        reader->show();
        QVERIFY(reader->CRand->isChecked());
        QVERIFY(reader->Msaver->isEnabled());

        QVERIFY(reader->close());
        QVERIFY(!app->reader());
        CardReader *again = app->windows->reader();
        QVERIFY(!again->isVisible());
        QVERIFY(!again->CRand->isChecked());
        QVERIFY(!again->Msaver->isEnabled());
        QVERIFY(!again->MSaverasr->isEnabled());
    }

    void closingTheEditorClosesTheHiddenReaderAndEnds()
    {
        app->windows->reader();
        QVERIFY(app->editor()->close());
        QVERIFY(!app->reader());
        QVERIFY(!app->editor());
        QCOMPARE(app->quitCount, 1);
    }
};

QTEST_MAIN(TestReaderDesign)
#include "tst_readerdesign.moc"
