// Both windows keep their layout when the desktop scales them up for people who need larger
// text (ctest runs this at QT_SCALE_FACTOR=1 and 2), in English and in every translation: every
// caption fits its control, no two controls paint over each other, and all controls and menu
// entries stay in their window.
#include "support/testapp.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>

using namespace memoquill;
using namespace memoquill::test;
using namespace Qt::StringLiterals;

namespace {

// Where a control paints, in its own coordinates. Labels and check boxes are designed taller
// than their text and touch their neighbours' frames; only their text and box are drawn.
QRect paintedRect(const QWidget *control)
{
    const QStyle *style = control->style();
    const QFontMetrics metrics = control->fontMetrics();
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        if (label->text().isEmpty())
            return {};
        return style->itemTextRect(metrics, label->contentsRect(), int(label->alignment()), true,
                                   label->text());
    }
    if (const auto *check = qobject_cast<const QCheckBox *>(control)) {
        QStyleOptionButton option;
        option.initFrom(check);
        option.text = check->text();
        const QRect box = style->subElementRect(QStyle::SE_CheckBoxIndicator, &option, check);
        const QRect contents = style->subElementRect(QStyle::SE_CheckBoxContents, &option, check);
        const QRect text = style->itemTextRect(
            metrics, contents, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, true,
            check->text());
        return box | text;
    }
    return control->rect();
}

QString describe(const QWidget *control)
{
    return control->objectName();
}

} // namespace

class TestAccessibilityLayout : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestApp> app;

    // The window of the current windows_data() row, in its language.
    QMainWindow *window()
    {
        QFETCH(QString, which);
        QFETCH(QString, language);
        return window(which, language);
    }

    // A window in a language; a new application, as windows take their texts when built.
    QMainWindow *window(const QString &which, const QString &language)
    {
        if (!useLanguage(language))
            return nullptr;
        app = std::make_unique<TestApp>();
        // A card name in the title label, so its text is measured too.
        newCard(*app, u"Capital cities"_s);
        if (which == u"CardCreate"_s)
            return app->editor();
        fillDeck(*app, 1);
        if (!trigger(app->editor()->MCRead))
            return nullptr;
        return app->reader();
    }

    static void windows_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("language");
        for (const QString &language : QStringList{u"en"_s} + translatedLanguages()) {
            for (const QString &which : {u"CardCreate"_s, u"CardReader"_s})
                QTest::addRow("%s %s", qPrintable(which), qPrintable(language))
                    << which << language;
        }
    }

    static QStringList rightToLeftLanguages()
    {
        QStringList languages;
        for (const QString &language : translatedLanguages()) {
            if (QLocale(language).textDirection() == Qt::RightToLeft)
                languages.append(language);
        }
        return languages;
    }

private Q_SLOTS:
    void initTestCase() { prepareApplication(); }
    void init() { app = std::make_unique<TestApp>(); }
    void cleanup()
    {
        VERIFY_SCRIPT_DONE(*app);
        app.reset();
        QVERIFY(useLanguage(u"en"_s));
    }

    void theRequestedScaleIsInEffect()
    {
        const double requested = qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s).toDouble();
        QCOMPARE(app->editor()->devicePixelRatioF(), requested);
    }

    // The one check that captions fit: every window, every language, and (through ctest) every
    // scale.
    void captionsFitTheirControls_data() { windows_data(); }
    void captionsFitTheirControls()
    {
        QMainWindow *shown = window();
        QVERIFY(shown && shown->isVisible());
        for (QWidget *control :
             shown->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!qobject_cast<QLabel *>(control) && !qobject_cast<QAbstractButton *>(control))
                continue;
            // Wide enough for the whole caption; the height is judged by what is painted, as
            // a check box's hint also counts room for a focus frame that it draws elsewhere.
            const int wanted = control->sizeHint().width();
            QVERIFY2(wanted <= control->width(),
                     qPrintable(u"%1 wants %2 pixels and has %3"_s.arg(describe(control))
                                    .arg(wanted)
                                    .arg(control->width())));
            const QRect painted = paintedRect(control);
            QVERIFY2(control->rect().contains(painted), qPrintable(describe(control)));
        }
    }

    void controlsDoNotOverlap_data() { windows_data(); }
    void controlsDoNotOverlap()
    {
        QMainWindow *shown = window();
        QVERIFY(shown);
        QWidget *client = shown->centralWidget();
        QList<std::pair<QWidget *, QRect>> painted;
        for (QWidget *control : client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            const QRect rect = paintedRect(control).translated(control->pos());
            if (rect.isEmpty())
                continue;
            QVERIFY2(client->rect().contains(rect), qPrintable(describe(control)));
            for (const auto &[other, otherRect] : std::as_const(painted)) {
                QVERIFY2(!rect.intersects(otherRect),
                         qPrintable(u"%1 overlaps %2"_s.arg(describe(control), describe(other))));
            }
            painted.append({control, rect});
        }
        QVERIFY(painted.size() >= 6);
    }

    // In a right-to-left language each control stands where the mirrored design puts it: as
    // far from the client area's right edge as the English window has it from the left.
    void rightToLeftMirrorsTheDesign_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("designed");
        const QStringList languages = rightToLeftLanguages();
        if (languages.isEmpty())
            QTest::newRow("none") << QString() << QString() << QString() << QRect();
        for (const QString &which : {u"CardCreate"_s, u"CardReader"_s}) {
            QMainWindow *english = window(which, u"en"_s);
            for (QWidget *control :
                 english->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                for (const QString &language : languages)
                    QTest::addRow("%s %s %s", qPrintable(language), qPrintable(which),
                                  qPrintable(control->objectName()))
                        << which << language << control->objectName() << control->geometry();
            }
        }
        app.reset();
    }
    void rightToLeftMirrorsTheDesign()
    {
        QFETCH(QString, which);
        QFETCH(QString, language);
        QFETCH(QString, control);
        QFETCH(QRect, designed);
        if (language.isEmpty())
            QSKIP("no right-to-left translation is built in");
        QMainWindow *shown = window(which, language);
        QVERIFY(shown);
        QCOMPARE(shown->layoutDirection(), Qt::RightToLeft);
        QWidget *client = shown->centralWidget();
        const QWidget *placed = client->findChild<QWidget *>(control, Qt::FindDirectChildrenOnly);
        QVERIFY(placed);
        QCOMPARE(placed->geometry(), QRect(client->width() - designed.x() - designed.width(),
                                           designed.y(), designed.width(), designed.height()));
    }

    // Read from the right: the card list, then the front, then the back; the menus start at
    // the right too, and the text boxes keep their scroll bars on the side they start from.
    void rightToLeftEditorReadsFromTheRight_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : rightToLeftLanguages())
            QTest::newRow(qPrintable(language)) << language;
        if (rightToLeftLanguages().isEmpty())
            QTest::newRow("none") << QString();
    }
    void rightToLeftEditorReadsFromTheRight()
    {
        QFETCH(QString, language);
        if (language.isEmpty())
            QSKIP("no right-to-left translation is built in");
        auto *editor = qobject_cast<CardCreate *>(window(u"CardCreate"_s, language));
        QVERIFY(editor);
        QVERIFY(editor->List->x() > editor->TFront->x() + editor->TFront->width());
        QVERIFY(editor->TFront->x() > editor->TBack->x() + editor->TBack->width());
        QVERIFY(editor->BNew->geometry().right() == editor->List->geometry().right());
        const QList<QAction *> entries = editor->menuBar()->actions();
        QVERIFY(editor->menuBar()->actionGeometry(entries.first()).x()
                > editor->menuBar()->actionGeometry(entries.last()).x());
        const QWidget *scrollBar = editor->TFront->verticalScrollBar();
        QVERIFY(scrollBar->mapTo(editor->TFront, QPoint()).x() < editor->TFront->width() / 2);
    }

    void menuEntriesStayOnOneRow_data() { windows_data(); }
    void menuEntriesStayOnOneRow()
    {
        QMainWindow *shown = window();
        QVERIFY(shown);
        QMenuBar *bar = shown->menuBar();
        const QList<QAction *> entries = bar->actions();
        QVERIFY(!entries.isEmpty());
        const int row = bar->actionGeometry(entries.first()).y();
        for (QAction *entry : entries) {
            const QRect place = bar->actionGeometry(entry);
            QVERIFY2(!place.isEmpty() && bar->rect().contains(place), qPrintable(entry->text()));
            QCOMPARE(place.y(), row);
        }
        // The client area starts below the bar, at its designed size.
        QCOMPARE(shown->centralWidget()->y(), bar->height());
    }
};

QTEST_MAIN(TestAccessibilityLayout)
#include "tst_accessibility_layout.moc"
