// The desktop look the fixed layouts are made for: buttons of a message box in the order users
// know, without icons, access keys underlined, the classic check-box gap, menus in the window.
#include "platform/look.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTest>

class TestLook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { memoquill::applyDesktopLook(*qApp); }

    void messageBoxButtonsRunYesNoCancel()
    {
        QMessageBox box(QMessageBox::NoIcon, u"t"_qs, u"p"_qs,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QAbstractButton *yes = box.button(QMessageBox::Yes);
        const QAbstractButton *no = box.button(QMessageBox::No);
        const QAbstractButton *cancel = box.button(QMessageBox::Cancel);
        QVERIFY(yes->x() < no->x());
        QVERIFY(no->x() < cancel->x());
        for (const QAbstractButton *button : {yes, no, cancel})
            QVERIFY(button->icon().isNull());
    }

    void styleHintsForTheLayouts()
    {
        const QStyle *style = QApplication::style();
        QCOMPARE(style->styleHint(QStyle::SH_DialogButtonLayout), int(QDialogButtonBox::WinLayout));
        QCOMPARE(style->styleHint(QStyle::SH_UnderlineShortcut), 1);
        QCOMPARE(style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing), 4);
        QVERIFY(QApplication::testAttribute(Qt::AA_DontUseNativeMenuBar));
    }
};

QTEST_MAIN(TestLook)
#include "tst_look.moc"
