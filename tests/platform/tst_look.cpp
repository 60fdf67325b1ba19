// The desktop look the fixed layouts are made for, as the user sees it: buttons of a message box
// in the order users know, without icons, and access keys underlined. The check-box gap and the
// menus in the window are seen in the windows' own tests (captions that fit, the menu bar).
#include "platform/look.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
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

    // The key that presses a button shows under its letter, without Alt held first.
    void accessKeysAreUnderlined()
    {
        QPushButton plain(u"Flip"_qs);
        QPushButton withKey(u"&Flip"_qs);
        for (QPushButton *button : {&plain, &withKey})
            button->resize(80, 24);
        QVERIFY(plain.grab().toImage() != withKey.grab().toImage());
    }
};

QTEST_MAIN(TestLook)
#include "tst_look.moc"
