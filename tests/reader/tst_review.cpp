// The review: the order of the cards, which side is shown, and the random pick.
#include "support/testapp.h"

#include <QCheckBox>

using namespace memoquill;
using namespace memoquill::test;
using namespace Qt::StringLiterals;

class TestReview : public AppTest
{
    Q_OBJECT

    CardReader *reader() { return app->windows->reader(); }
    QString shown() { return textOf(reader()->TCard); }

    // Opens the reader from the editor's menu entry, as the user does.
    void open()
    {
        QVERIFY(trigger(app->editor()->MCRead));
        QVERIFY(reader()->isVisible());
    }

    void next() { reader()->BNext->click(); }

    // The card numbers that Next Card shows, n times.
    QList<qint32> nextCards(int n)
    {
        QList<qint32> cards;
        for (int i = 0; i < n; ++i) {
            next();
            cards.append(app->deck.CardIndex);
        }
        return cards;
    }

private Q_SLOTS:
    void sequentialOrderWrapsAround()
    {
        fillDeck(*app, 3);
        open();
        QCOMPARE(shown(), u"front 1"_s);
        QCOMPARE(app->deck.CardIndex, 1);
        QCOMPARE(nextCards(5), (QList<qint32>{2, 3, 1, 2, 3}));
        QCOMPARE(shown(), u"front 3"_s);
    }

    void skipFirstCheckedBeforeOpening()
    {
        fillDeck(*app, 3);
        reader()->CSFirst->click();
        open();
        QCOMPARE(app->deck.CardIndex, 2);
        QCOMPARE(shown(), u"front 2"_s);
        QCOMPARE(nextCards(4), (QList<qint32>{3, 2, 3, 2}));
    }

    void skipFirstCheckedWhileCardOneIsShown()
    {
        fillDeck(*app, 3);
        open();
        reader()->CSFirst->click();
        QVERIFY(reader()->SkipFirst);
        QCOMPARE(shown(), u"front 1"_s);
        QCOMPARE(nextCards(4), (QList<qint32>{2, 3, 2, 3}));
    }

    void oneCardDeckWithSkipFirst()
    {
        fillDeck(*app, 1);
        reader()->CSFirst->click();
        open();
        QCOMPARE(app->deck.CardIndex, 1);
        QCOMPARE(nextCards(2), (QList<qint32>{1, 1}));
        QCOMPARE(shown(), u"front 1"_s);
    }

    void backFirstCheckedBeforeOpening()
    {
        fillDeck(*app, 2);
        reader()->CBack->click();
        // Nothing to turn over yet: the waiting text stays.
        QCOMPARE(shown(), u"Cards Loaded Press \"Next Card\" to continue.\r\n"_s);
        open();
        QCOMPARE(shown(), u"back 1"_s);
        next();
        QCOMPARE(shown(), u"back 2"_s);
        reader()->BFlip->click();
        QCOMPARE(shown(), u"front 2"_s);
        reader()->BFlip->click();
        QCOMPARE(shown(), u"back 2"_s);
    }

    void backFirstToggledTurnsTheCardAtOnce()
    {
        fillDeck(*app, 2);
        open();
        QCOMPARE(shown(), u"front 1"_s);
        QTest::mouseClick(reader()->CBack, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(reader()->BackFirst);
        QCOMPARE(shown(), u"back 1"_s);
        reader()->CBack->click();
        QVERIFY(!reader()->BackFirst);
        QCOMPARE(shown(), u"front 1"_s);
        next();
        QCOMPARE(shown(), u"front 2"_s);
    }

    void flipShowsTheBackWhenBothSidesAreEqual()
    {
        loadDeck(*app, deckRecord("Twin", "same", "same"));
        open();
        reader()->BFlip->click();
        QCOMPARE(shown(), u"same"_s);
    }

    void randomWithTwoCardsAlternates()
    {
        fillDeck(*app, 2);
        reader()->CRand->click();
        open();
        QCOMPARE(nextCards(6), (QList<qint32>{2, 1, 2, 1, 2, 1}));
    }

    void randomWithOneCardShowsItsFirstSideAgain()
    {
        fillDeck(*app, 1);
        reader()->CRand->click();
        open();
        reader()->BFlip->click();
        QCOMPARE(shown(), u"back 1"_s);
        next();
        QCOMPARE(shown(), u"front 1"_s);
        QCOMPARE(app->deck.CardIndex, 1);
    }

    void randomPickDrawsOverCardCountPlusOne()
    {
        fillDeck(*app, 3);
        reader()->CRand->click();
        open();
        // Multiplier 4: 0.2 -> 0 (drawn again), 0.3 -> 1 (the current card), 0.74 -> 2.
        app->platform.queueRandom({0.2, 0.3, 0.74});
        next();
        QCOMPARE(app->deck.CardIndex, 2);
        // Floor, never rounding: 0.99 -> 3.96 -> 3.
        app->platform.queueRandom({0.99});
        next();
        QCOMPARE(app->deck.CardIndex, 3);
        QCOMPARE(shown(), u"front 3"_s);
    }

    void randomWithSkipFirstNeverPicksCardOneNorRepeats()
    {
        fillDeck(*app, 4);
        reader()->CRand->click();
        reader()->CSFirst->click();
        open();
        qint32 previous = app->deck.CardIndex;
        QSet<qint32> seen;
        for (qint32 card : nextCards(300)) {
            QVERIFY(card != 1);
            QVERIFY(card != previous);
            seen.insert(card);
            previous = card;
        }
        QCOMPARE(seen, (QSet<qint32>{2, 3, 4}));
    }

    void randomWithSkipFirstAndTwoCardsStaysOnCardTwo()
    {
        fillDeck(*app, 2);
        reader()->CRand->click();
        reader()->CSFirst->click();
        open();
        QCOMPARE(app->deck.CardIndex, 2);
        QCOMPARE(nextCards(3), (QList<qint32>{2, 2, 2}));
    }

    void randomWorksAtTheFullDeck()
    {
        fillDeck(*app, DeckStore::MaxCards);
        reader()->CRand->click();
        open();
        app->platform.queueRandom({0.9999999});
        next();
        QCOMPARE(app->deck.CardIndex, 32767);
        for (qint32 card : nextCards(50))
            QVERIFY(card >= 1 && card <= 32767);
    }

    void blankSlotsAreReviewedAsEmptyTexts()
    {
        fillDeck(*app, 3);
        // Delete Card leaves no card shown and both boxes empty; opening the reader commits
        // them into the first blank slot.
        clickListRow(app->editor()->List, 1);
        app->platform.answerMessage(MsgResult::Yes);
        app->editor()->BDel->click();
        open();
        next();
        QCOMPARE(shown(), QString());
        reader()->BFlip->click();
        QCOMPARE(shown(), QString());
        next();
        QCOMPARE(shown(), u"front 3"_s);
    }

    void aCursorOutsideTheDeckIsNeverRead()
    {
        fillDeck(*app, 3);
        open();
        app->deck.CardIndex = 0;
        next();
        QCOMPARE(app->deck.CardIndex, 1);
        app->deck.CardIndex = 9;
        next();
        QCOMPARE(app->deck.CardIndex, 1);
        app->deck.CardIndex = 9;
        reader()->BFlip->click();
        QCOMPARE(shown(), u"front 1"_s);
        reader()->CRand->click();
        app->deck.CardIndex = 4;
        app->platform.queueRandom({0.0, 0.99});
        next();
        QCOMPARE(app->deck.CardIndex, 3);
    }

    void anEmptyDeckDoesNothing()
    {
        reader()->show();
        const QString waiting = shown();
        next();
        reader()->BFlip->click();
        QCOMPARE(shown(), waiting);
    }

    void sameActionsGiveTheSamePicksInEveryRun()
    {
        const auto run = [this] {
            app = std::make_unique<TestApp>();
            fillDeck(*app, 10);
            reader()->CRand->click();
            open();
            return nextCards(40);
        };
        const QList<qint32> first = run();
        const QList<qint32> second = run();
        QCOMPARE(first, second);
        QVERIFY(QSet<qint32>(first.begin(), first.end()).size() > 5);
    }
};

QTEST_MAIN(TestReview)
#include "tst_review.moc"
