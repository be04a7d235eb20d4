#include "calc/devirrecord.h"
#include "calc/expiation.h"
#include "calc/hijri.h"
#include "common/numbers.h"
#include "guide/guidetexts.h"
#include "support/screentest.h"

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

class TestGuide : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(turkish); }

    void howToIsQuestionsAndAnswers();
    void howToArithmeticHolds();
    void howToAgreesWithTheCalculators_data();
    void howToAgreesWithTheCalculators();
    void shortTextsAreExact();
    void boxesShowTheTexts();
    void typedTextSurvivesReopening();
};

void TestGuide::howToIsQuestionsAndAnswers()
{
    const QString text = howToText();
    QVERIFY(text.endsWith(QLatin1String("\r\n")));
    QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("[^\\r]\\n|\\r[^\\n]"))), "a line end that is not CR LF");

    const QStringList lines = text.chopped(2).split(QStringLiteral("\r\n"));

    // Each question is answered: the next "Sual:" comes only after a "CEVAP" line.
    QStringList questions;
    bool answered = true;
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("Sual:"))) {
            QVERIFY2(answered, qPrintable(line));
            questions.append(line);
            answered = false;
        } else if (line == QLatin1String("CEVAP")) {
            QVERIFY2(!answered, "CEVAP without a question");
            answered = true;
        }
    }
    QVERIFY(answered);
    QCOMPARE(questions.size(), 3);
    QCOMPARE(questions[0],
             QStringLiteral("Sual: Namaz ve oruç kefaret iskâtı için verilmesi gereken miktar nedir ve kime verilir?"));
    QVERIFY(questions[1].contains(QLatin1String("Devir")));
    QVERIFY(questions[2].contains(QStringLiteral("mükellefiyet yaşı")));
}

void TestGuide::howToArithmeticHolds()
{
    // Every worked figure "a × b ÷ c = d" in the text, evaluated left to right.
    static const QRegularExpression chain(
        QStringLiteral("(\\d+(?:,\\d+)?(?:\\s*[×÷−]\\s*\\d+(?:,\\d+)?)+)\\s*=\\s*(\\d+(?:,\\d+)?)"));
    static const QRegularExpression term(QStringLiteral("([×÷−]?)\\s*(\\d+(?:,\\d+)?)"));
    int checked = 0;
    for (const QRegularExpressionMatch &match : chain.globalMatch(howToText())) {
        double value = 0;
        for (const QRegularExpressionMatch &part : term.globalMatch(match.captured(1))) {
            const double number = CDbl(part.captured(2));
            const QString op = part.captured(1);
            value = op.isEmpty() ? number : op == u"×" ? value * number : op == u"÷" ? value / number : value - number;
        }
        QVERIFY2(qFuzzyCompare(value, CDbl(match.captured(2))), qPrintable(match.captured(0)));
        ++checked;
    }
    QVERIFY(checked >= 15);
}

void TestGuide::howToAgreesWithTheCalculators_data()
{
    QTest::addColumn<QString>("expected");
    const auto figure = [](double value) { return formatNumber(value); };

    const double womanYears = yearsToSettle(71, Sex::Woman);
    QTest::newRow("woman's years") << QStringLiteral("71 − 9 = %1").arg(figure(womanYears));
    QTest::newRow("man's years") << QStringLiteral("71 − 12 = %1").arg(figure(yearsToSettle(71, Sex::Man)));
    QTest::newRow("prayer gold") << QStringLiteral("%1 × 3800 × 10 ÷ 4000 = %2")
                                        .arg(figure(womanYears),
                                             figure(goldWorth(wheatValue(prayerWheat(womanYears), 10), 4000)));
    QTest::newRow("fasting gold") << QStringLiteral("%1 × 10 × 52,5 ÷ 4000 = %2")
                                         .arg(figure(womanYears), figure(fastingGold(womanYears, 10, 4000)));
    const double years69 = yearsToSettle(69, Sex::Woman);
    QTest::newRow("years of 69") << QStringLiteral("69 − 9 = %1").arg(figure(years69));
    QTest::newRow("fixed rule") << QStringLiteral("%1 × 432 = %2").arg(figure(years69), figure(fixedRuleGold(years69)));
    QTest::newRow("a year by the fixed rule") << QStringLiteral("36 × 12 = %1").arg(figure(fixedRuleGold(1)));
    const double perRound = goldPerRound(120, 10);
    QTest::newRow("gold per round") << QStringLiteral("120 × 10 = %1").arg(figure(perRound));
    QTest::newRow("rounds") << QStringLiteral("%1 ÷ %2 = %3")
                                   .arg(figure(fixedRuleGold(years69)), figure(perRound),
                                        figure(roundsNeeded(fixedRuleGold(years69), perRound)));
    QTest::newRow("hijri age") << QStringLiteral("69 yaş, hicri olarak %1 yaştır").arg(figure(hijriAge(69)));
    QTest::newRow("a year of fasts") << QStringLiteral("30 × 1,75 = %1 kg").arg(figure(fastingGold(1, 1, 1)));
}

void TestGuide::howToAgreesWithTheCalculators()
{
    QFETCH(QString, expected);
    QVERIFY2(howToText().contains(expected), qPrintable(expected));
}

void TestGuide::shortTextsAreExact()
{
    // The devir record quotes the guidance: each quotation stands in one of its texts.
    const QString guidance =
        QString(howToText() + zakatText() + rightsText()).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (const QString &quotation :
         {Quoted::handoverLead, Quoted::handoverFormula, Quoted::handoverEnd, Quoted::answer, Quoted::whyRounds,
          Quoted::nextPoor, Quoted::afterRounds, Quoted::zakatRound, Quoted::rightsRound, Quoted::kefarets})
        QVERIFY2(guidance.contains(quotation), qPrintable(quotation));

    QCOMPARE(zakatText(),
             QStringLiteral("Eldeki altınlarla, ihtiyaten bir kere de, zekat, kurban ve sadaka-ı fıtr gibi "
                            "hukuka ait hakların iskatı için devir yapılır. "));
    QCOMPARE(rightsText(),
             QStringLiteral("Son olarak ihtiyaten bir devir de, kul ve hayvan hakları için yapılır.\r\n"));
}

void TestGuide::boxesShowTheTexts()
{
    ScreenTest app;
    const QList<std::pair<ScreenId, QString>> screens = {
        {ScreenId::Form1, howToText()}, {ScreenId::Form3, zakatText()}, {ScreenId::Form4, rightsText()}};
    for (const auto &[id, text] : screens) {
        auto *box = ScreenTest::control<QPlainTextEdit>(app.open(id), "Text1");
        QCOMPARE(box->toPlainText(), asBoxText(text));
        QCOMPARE(box->verticalScrollBar()->value(), 0);
    }
}

void TestGuide::typedTextSurvivesReopening()
{
    ScreenTest app;
    Screen *howTo = app.open(ScreenId::Form1);
    auto *box = ScreenTest::control<QPlainTextEdit>(howTo, "Text1");
    box->moveCursor(QTextCursor::End);
    QTest::keyClicks(box, QStringLiteral("Not: imam 10 Mart"));
    ScreenTest::click(ScreenTest::button(howTo, u"Ana Menü"));
    ScreenTest::click(ScreenTest::button(ScreenTest::window(ScreenId::Form5), u"Karvela Nasıl Yapılır?"));

    QVERIFY(howTo->isVisible());
    QVERIFY(box->toPlainText().endsWith(QLatin1String("\nNot: imam 10 Mart")));
}

QTEST_MAIN(TestGuide)
#include "test_guide.moc"
