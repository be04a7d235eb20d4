#include "calc/hijri.h"
#include "common/numbers.h"
#include "support/scenario.h"

#include <QTest>

class TestHijri : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void converts_data();
    void converts();
    void badAgeReportsAndEmptiesResult_data();
    void badAgeReportsAndEmptiesResult();
};

void TestHijri::converts_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("age");
    QTest::addColumn<QString>("expected");

    QTest::newRow("69") << turkish << QStringLiteral("69") << QStringLiteral("71,12");
    QTest::newRow("decimal comma") << turkish << QStringLiteral("30,5") << QStringLiteral("31,44");
    QTest::newRow("english") << english << QStringLiteral("69") << QStringLiteral("71.12");
    QTest::newRow("english decimal") << english << QStringLiteral("30.5") << QStringLiteral("31.44");
}

void TestHijri::converts()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, age);
    QFETCH(QString, expected);
    QLocale::setDefault(locale);

    ScreenTest app;
    Screen *form8 = app.open(ScreenId::Form8);
    app.type(ScreenTest::control<QLineEdit>(form8, "Text1"), age);
    app.click(ScreenTest::control<QPushButton>(form8, "Command1"));

    QCOMPARE(ScreenTest::control<QLineEdit>(form8, "Text2")->text(), expected);
    QVERIFY(app.messages.shown.isEmpty());
}

void TestHijri::badAgeReportsAndEmptiesResult_data()
{
    QTest::addColumn<QString>("age");
    QTest::addColumn<ErrorKind>("kind");

    QTest::newRow("empty") << QString() << ErrorKind::TypeMismatch;
    QTest::newRow("letters") << QStringLiteral("abc") << ErrorKind::TypeMismatch;
    QTest::newRow("misplaced grouping") << QStringLiteral("1.25") << ErrorKind::TypeMismatch;
    // A number, only too large to work with: an overflow, not a type mismatch.
    QTest::newRow("beyond a double") << QStringLiteral("1e400") << ErrorKind::Overflow;
}

void TestHijri::badAgeReportsAndEmptiesResult()
{
    QFETCH(QString, age);
    QFETCH(ErrorKind, kind);
    QLocale::setDefault(turkish);

    ScreenTest app;
    Screen *form8 = app.open(ScreenId::Form8);
    auto *text1 = ScreenTest::control<QLineEdit>(form8, "Text1");
    auto *text2 = ScreenTest::control<QLineEdit>(form8, "Text2");
    auto *hesapla = ScreenTest::control<QPushButton>(form8, "Command1");

    app.type(text1, QStringLiteral("69"));
    app.click(hesapla);
    QCOMPARE(text2->text(), QStringLiteral("71,12"));

    app.type(text1, age);
    app.click(hesapla);

    QCOMPARE(app.messages.shown.size(), 1);
    const QString key = kind == ErrorKind::Overflow ? QStringLiteral("report:Overflow") : QStringLiteral("report:TypeMismatch");
    QCOMPARE(Scenario::messageKeys(app.messages.shown), QStringList{key});
    QVERIFY(app.messages.shown.first().text.contains(QStringLiteral("\"VEFAT EDENİN YAŞI\" kutusu")));
    QVERIFY2(text2->text().isEmpty(), "an earlier result was left standing");
    QCOMPARE(text1->text(), age);
    QVERIFY(!app.screens.hasEnded());
    QVERIFY(form8->isVisible());
}

QTEST_MAIN(TestHijri)
#include "test_hijri.moc"
