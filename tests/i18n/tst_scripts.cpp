// Cards in every script show as letters, not boxes, in the card list, the title label, the text
// boxes and the reader, through the fonts the package recommends; a right-to-left text is laid
// out right to left. The design font stays Liberation Sans: Qt falls back on the others.
#include "support/testapp.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextLayout>

using namespace memoquill;
using namespace memoquill::test;
using namespace Qt::StringLiterals;

namespace {

struct Card
{
    const char *script;
    QString name;
    QString front;
    QString back;
    bool rightToLeft;
};

const QList<Card> &cards()
{
    static const QList<Card> all{
        {"Chinese", u"首都"_s, u"中国的首都是哪里？"_s, u"北京"_s, false},
        {"Japanese", u"日本"_s, u"日本の首都はどこですか？"_s, u"東京（とうきょう）、トウキョウ"_s,
         false},
        {"Korean", u"한국"_s, u"한국의 수도는 어디입니까?"_s, u"서울"_s, false},
        {"Arabic", u"مصر"_s, u"ما هي عاصمة مصر؟"_s, u"القاهرة"_s, true},
        {"Hebrew", u"ישראל"_s, u"מהי בירת ישראל?"_s, u"ירושלים"_s, true},
        {"Cyrillic", u"Россия"_s, u"Какая столица России?"_s, u"Москва"_s, false},
        {"Devanagari", u"भारत"_s, u"भारत की राजधानी क्या है?"_s, u"नई दिल्ली"_s, false},
        {"emoji", u"🌍 Emoji"_s, u"Capital of 🇯🇵?"_s, u"🗼 👍🏽 😀"_s, false},
    };
    return all;
}

// The families Debian's fonts-noto-cjk, fonts-noto-ui-core and fonts-noto-color-emoji bring.
QStringList missingFontFamilies()
{
    QStringList missing;
    for (const QString &family : {u"Noto Sans CJK JP"_s, u"Noto Sans Arabic UI"_s,
                                  u"Noto Sans Devanagari UI"_s, u"Noto Color Emoji"_s}) {
        if (!QFontDatabase::hasFamily(family))
            missing.append(family);
    }
    return missing;
}

} // namespace

class TestScripts : public AppTest
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        AppTest::initTestCase();
        if (const QStringList missing = missingFontFamilies(); !missing.isEmpty())
            QSKIP(
                qPrintable(u"fonts not installed: %1 (tools/setup installs "
                           u"fonts-noto-cjk, fonts-noto-ui-core and fonts-noto-color-emoji)"_s.arg(
                               missing.join(u", "_s))));
    }

    void cardsShowInLetters_data()
    {
        QTest::addColumn<int>("row");
        for (qsizetype row = 0; row < cards().size(); ++row)
            QTest::newRow(cards().at(row).script) << int(row);
    }
    void cardsShowInLetters()
    {
        QFETCH(int, row);
        // The deck as the program saves such cards: UTF-8 with a byte-order mark.
        QByteArray deck = "\xEF\xBB\xBF";
        for (const Card &card : cards())
            deck += deckRecord(card.name.toUtf8(), card.front.toUtf8(), card.back.toUtf8());
        loadDeck(*app, deck);
        const Card &card = cards().at(row);
        CardCreate *editor = app->editor();
        QCOMPARE(editor->font().family(), u"Liberation Sans"_s);
        clickListRow(editor->List, row);
        QCOMPARE(editor->LTitle->text(), card.name);
        QCOMPARE(textOf(editor->TFront), card.front);
        for (const auto &[where, text, font] :
             {std::tuple{"list", card.name, editor->List->font()},
              std::tuple{"title", card.name, editor->LTitle->font()},
              std::tuple{"front", card.front, editor->TFront->font()},
              std::tuple{"back", card.back, editor->TBack->font()}})
            QVERIFY2(
                missingLetters(text, font).isEmpty(),
                qPrintable(u"%1: %2"_s.arg(QLatin1StringView(where), missingLetters(text, font))));

        // A paragraph in a right-to-left script is laid out so, from the box's right edge.
        const auto fromTheRight = [](const QPlainTextEdit *box) {
            const QTextBlock block = box->document()->firstBlock();
            const QRectF line = block.layout()->lineAt(0).naturalTextRect();
            return block.textDirection() == Qt::RightToLeft
                   && line.center().x() > box->viewport()->width() / 2;
        };
        QCOMPARE(fromTheRight(editor->TFront), card.rightToLeft);

        // The reader opens on the first card and, in order, shows the card's front after row
        // Next Card.
        QVERIFY(trigger(editor->MCRead));
        CardReader *reader = app->reader();
        for (int i = 0; i < row; ++i)
            reader->BNext->click();
        QCOMPARE(textOf(reader->TCard), card.front);
        QCOMPARE(fromTheRight(reader->TCard), card.rightToLeft);
        QVERIFY2(missingLetters(card.front, reader->TCard->font()).isEmpty(),
                 qPrintable(missingLetters(card.front, reader->TCard->font())));
    }
};

QTEST_MAIN(TestScripts)
#include "tst_scripts.moc"
