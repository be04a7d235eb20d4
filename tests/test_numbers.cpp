#include "common/errors.h"
#include "common/numbers.h"
#include "support/screentest.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <optional>

Q_DECLARE_METATYPE(std::optional<ErrorKind>)

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void val_data();
    void val();
    void cdbl_data();
    void cdbl();
    void format_data();
    void format();
    void formatRefusesNonFinite();
    void round_data();
    void round();
    void checkedArithmetic_data();
    void checkedArithmetic();
};

void TestNumbers::val_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    const double max = std::numeric_limits<double>::max();
    struct Row { const char *name; QLocale locale; const char *text; double expected; };
    const Row rows[] = {
        {"leading blanks, trailing letters", turkish, "  12.5abc", 12.5},
        {"exponent", turkish, "1e3", 1000},
        {"exponent with sign", english, "2.5E-2x", 0.025},
        {"exponent without digits", english, "7e", 7},
        {"turkish decimal comma", turkish, "12,5", 12.5},
        {"english comma ends the number", english, "12,5", 12},
        {"turkish point is a decimal point too", turkish, "589.5", 589.5},
        {"turkish point not grouping ends at second point", turkish, "1.250.5", 1.25},
        {"turkish grouped thousands", turkish, "4.000", 4000},
        {"turkish grouped millions with decimals", turkish, "1.250.000,5", 1250000.5},
        {"turkish grouped, words after", turkish, "5.800 TL", 5800},
        {"turkish grouping needs three digits after", turkish, "4.0001", 4.0001},
        {"turkish grouping needs at most three before", turkish, "1234.567", 1234.567},
        {"english grouped thousands", english, "4,000", 4000},
        {"english grouped with decimals", english, "1,250,000.5", 1250000.5},
        {"english comma not grouping", english, "4,00", 4},
        {"negative grouped", turkish, "-2.500", -2500},
        {"empty", turkish, "", 0},
        {"letters", turkish, "abc", 0},
        {"negative", turkish, "-3", -3},
        {"plus sign", turkish, "+4", 4},
        {"double sign", turkish, "--4", 0},
        {"sign then blank", turkish, "- 4", 0},
        {"leading point", english, ".5", 0.5},
        {"lone point", english, ".", 0},
        {"tabs and newline skipped", english, "\t\n 8", 8},
        {"no-break space skipped", turkish, "\xc2\xa0" "5", 5},
        {"inner blank ends the number", english, "1 2", 1},
        {"inf is not a number", english, "inf", 0},
        {"nan is not a number", english, "nan", 0},
        {"hex is not read", english, "0x10", 0},
        {"negative zero", english, "-0", 0},
        {"too large clamps", english, "1e309", max},
        {"too large negative clamps", english, "-1e400", -max},
        {"many digits clamp", english, "1000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000", max},
        {"too small is zero", english, "1e-400", 0},
        {"tiny with leading zeros is zero", english, "0.0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000001", 0},
        {"large mantissa, negative exponent", english, "100000e-400", 0},
        {"small mantissa, huge exponent", english, "0.001e400", max},
        {"exponent at the end of long long", english, "22e9223372036854775807", max},
        {"exponent past long long", english, "1e99999999999999999999", max},
        {"negative exponent past long long", english, "1e-99999999999999999999", 0},
        {"arabic-indic digits are not read", english, "\xd9\xa3", 0},
    };
    for (const Row &row : rows)
        QTest::newRow(row.name) << row.locale << QString::fromUtf8(row.text) << row.expected;
}

void TestNumbers::val()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    QLocale::setDefault(locale);
    QCOMPARE(Val(text), expected);
}

void TestNumbers::cdbl_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<double>>("expected"); // nullopt: the error below
    QTest::addColumn<ErrorKind>("error");

    struct Row { const char *name; QLocale locale; const char *text; std::optional<double> expected;
                 ErrorKind error = ErrorKind::TypeMismatch; };
    const Row rows[] = {
        {"decimal comma", turkish, "12,5", 12.5},
        {"grouped thousands", turkish, "1.250", 1250},
        {"grouped with decimals", turkish, "1.250,5", 1250.5},
        {"blanks around", turkish, "  30,5 ", 30.5},
        {"misplaced grouping", turkish, "1.25", std::nullopt},
        {"two decimals after a point", turkish, "12.50", std::nullopt},
        {"empty", turkish, "", std::nullopt},
        {"one blank", turkish, " ", std::nullopt},
        {"letters", turkish, "abc", std::nullopt},
        {"trailing letters", turkish, "12abc", std::nullopt},
        {"inf", turkish, "inf", std::nullopt},
        {"nan", english, "nan", std::nullopt},
        // A number, only too large for a double: the user wrote a number, it is no type mismatch.
        {"too large", english, "1e309", std::nullopt, ErrorKind::Overflow},
        {"too large negative", turkish, "-1,5e400", std::nullopt, ErrorKind::Overflow},
        {"english point", english, "12.5", 12.5},
        {"english grouping", english, "1,250", 1250},
        {"english misplaced grouping", english, "1,25", std::nullopt},
        {"exponent", turkish, "1,5e3", 1500},
        {"negative", turkish, "-7", -7},
    };
    for (const Row &row : rows)
        QTest::newRow(row.name) << row.locale << QString::fromUtf8(row.text) << row.expected << row.error;
}

void TestNumbers::cdbl()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(std::optional<double>, expected);
    QFETCH(ErrorKind, error);
    QLocale::setDefault(locale);
    if (expected) {
        QCOMPARE(CDbl(text), *expected);
        return;
    }
    try {
        CDbl(text);
        QFAIL("no error");
    } catch (const CalculationError &thrown) {
        QCOMPARE(thrown.kind(), error);
    }
}

void TestNumbers::format_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("whole") << turkish << 51.0 << QStringLiteral("51");
    QTest::newRow("one decimal") << turkish << 589.5 << QStringLiteral("589,5");
    QTest::newRow("two decimals") << turkish << 71.12 << QStringLiteral("71,12");
    QTest::newRow("english point") << english << 71.12 << QStringLiteral("71.12");
    QTest::newRow("no grouping") << turkish << 1234567.0 << QStringLiteral("1234567");
    QTest::newRow("english no grouping") << english << 1234567.0 << QStringLiteral("1234567");
    QTest::newRow("fifteen digits") << turkish << (0.1 + 0.2) << QStringLiteral("0,3");
    QTest::newRow("negative zero") << turkish << -0.0 << QStringLiteral("0");
    QTest::newRow("negative") << turkish << -3.5 << QStringLiteral("-3,5");
    QTest::newRow("large uses exponent") << turkish << 1.5e20 << QStringLiteral("1,5E+20");
    QTest::newRow("small uses exponent") << turkish << 1e-7 << QStringLiteral("1E-07");
    QTest::newRow("largest double stays readable") << turkish << std::numeric_limits<double>::max()
                                                   << QStringLiteral("1,79769313486231E+308");
}

void TestNumbers::format()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QLocale::setDefault(locale);
    const QString text = formatNumber(value);
    QCOMPARE(text, expected);
    // What we write, both parses read back.
    QVERIFY(std::fabs(CDbl(text) - value) <= std::fabs(value) * 1e-14);
    QVERIFY(std::fabs(Val(text) - value) <= std::fabs(value) * 1e-14);
}

void TestNumbers::formatRefusesNonFinite()
{
    for (double value : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN()}) {
        try {
            formatNumber(value);
            QFAIL("formatted a value that is not finite");
        } catch (const CalculationError &error) {
            QCOMPARE(error.kind(), ErrorKind::Overflow);
        }
    }
}

void TestNumbers::round_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("expected");

    QTest::newRow("tie down to even") << 0.25 << 1 << 0.2;
    QTest::newRow("tie up to even") << 0.35 << 1 << 0.4;
    QTest::newRow("whole tie to even") << 2.5 << 0 << 2.0;
    QTest::newRow("whole tie up to even") << 3.5 << 0 << 4.0;
    QTest::newRow("below tie") << 2.94 << 1 << 2.9;
    QTest::newRow("above tie") << 1.239 << 1 << 1.2;
    QTest::newRow("two decimals") << 71.12213 << 2 << 71.12;
    // At two decimals the binary value decides: 1,015 is held as 1,01499…, 8,345 as 8,34500…1.
    QTest::newRow("two decimals, binary below the tie") << 1.015 << 2 << 1.01;
    QTest::newRow("two decimals, binary above the tie") << 8.345 << 2 << 8.35;
    QTest::newRow("negative tie") << -0.25 << 1 << -0.2;
    QTest::newRow("huge stays") << 1e300 << 2 << 1e300;
}

void TestNumbers::round()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(double, expected);
    QCOMPARE(Round(value, decimals), expected);
}

void TestNumbers::checkedArithmetic_data()
{
    QTest::addColumn<char>("operation");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("expected");
    QTest::addColumn<std::optional<ErrorKind>>("error");

    const double max = std::numeric_limits<double>::max();
    QTest::newRow("divide") << '/' << 6195.0 << 500.0 << 12.39 << std::optional<ErrorKind>();
    QTest::newRow("divide by zero") << '/' << 5.0 << 0.0 << 0.0 << std::optional(ErrorKind::DivisionByZero);
    QTest::newRow("divide by negative zero") << '/' << 5.0 << -0.0 << 0.0 << std::optional(ErrorKind::DivisionByZero);
    QTest::newRow("zero by zero") << '/' << 0.0 << 0.0 << 0.0 << std::optional(ErrorKind::Overflow);
    QTest::newRow("divide overflows") << '/' << max << 0.5 << 0.0 << std::optional(ErrorKind::Overflow);
    QTest::newRow("multiply") << '*' << 62.0 << 432.0 << 26784.0 << std::optional<ErrorKind>();
    QTest::newRow("multiply overflows") << '*' << max << 2.0 << 0.0 << std::optional(ErrorKind::Overflow);
    QTest::newRow("subtract") << '-' << 71.0 << 9.0 << 62.0 << std::optional<ErrorKind>();
    QTest::newRow("subtract overflows") << '-' << -max << max << 0.0 << std::optional(ErrorKind::Overflow);
}

void TestNumbers::checkedArithmetic()
{
    QFETCH(char, operation);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, expected);
    QFETCH(std::optional<ErrorKind>, error);

    const auto apply = [&] {
        switch (operation) {
        case '/':
            return checkedDivide(a, b);
        case '*':
            return checkedMultiply(a, b);
        default:
            return checkedSubtract(a, b);
        }
    };
    try {
        const double result = apply();
        QVERIFY2(!error, "no error raised");
        QCOMPARE(result, expected);
    } catch (const CalculationError &raised) {
        QVERIFY2(error.has_value(), raised.what());
        QCOMPARE(raised.kind(), *error);
    }
}

QTEST_MAIN(TestNumbers)
#include "test_numbers.moc"
