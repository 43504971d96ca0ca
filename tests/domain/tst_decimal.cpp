#include "domain/bodycomp/Decimal.h"

#include <QTest>

#include <stdexcept>

using namespace kelvora::bodycomp;

namespace kelvora::bodycomp {
// How QCOMPARE shows a Decimal that differs.
char* toString(const Decimal& value)
{
    return qstrdup(value.toText().toUtf8().constData());
}
} // namespace kelvora::bodycomp

namespace {

// A decimal from test text; a leading "-" makes it negative (typed fields have no sign,
// but formulas do produce negative values).
Decimal dec(const QString& text)
{
    if (text.startsWith(QLatin1Char('-')))
        return Decimal() - dec(text.mid(1));
    const std::optional<Decimal> value = Decimal::parse(text);
    if (!value)
        qFatal("not a decimal: %s", qPrintable(text));
    return *value;
}

} // namespace

class DecimalNumbers : public QObject {
    Q_OBJECT
private slots:
    void parsesWhatIsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // empty: refused
        QTest::newRow("whole") << "80" << "80";
        QTest::newRow("comma") << "10,5" << "10,5";
        QTest::newRow("point becomes comma") << "1.71" << "1,71";
        QTest::newRow("separator first") << ",5" << "0,5";
        QTest::newRow("separator last") << "5," << "5";
        QTest::newRow("trailing zeros dropped") << "80,50" << "80,5";
        QTest::newRow("zero with decimals") << "0,0" << "0";
        QTest::newRow("leading zeros") << "007" << "7";
        QTest::newRow("hundredths") << "62,37" << "62,37";
        QTest::newRow("small") << "0,0008267" << "0,0008267";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("separator only") << "," << "";
        QTest::newRow("two commas") << "1,2,3" << "";
        QTest::newRow("point and comma") << "1.2,3" << "";
        QTest::newRow("sign") << "-5" << "";
        QTest::newRow("letter") << "12a" << "";
        QTest::newRow("blank") << " 80" << "";
        QTest::newRow("exponent") << "1e3" << "";
        QTest::newRow("beyond 128 bits") << QString(40, QLatin1Char('9')) << "";
    }
    void parsesWhatIsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        const std::optional<Decimal> value = Decimal::parse(typed);
        QCOMPARE(value.has_value(), !shown.isEmpty());
        if (value)
            QCOMPARE(value->toText(), shown);
    }

    void roundsHalfToEvenExactly_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("places");
        QTest::addColumn<QString>("rounded");
        // 7,665 and 7,675 lie between binary doubles; 7,675 is stored as 7,67499999...,
        // which a rounding of the double would take down.
        QTest::newRow("half below even") << "7.665" << 2 << "7,66";
        QTest::newRow("half below odd") << "7.675" << 2 << "7,68";
        QTest::newRow("just above half") << "7.6650001" << 2 << "7,67";
        QTest::newRow("just below half") << "7.6649999" << 2 << "7,66";
        QTest::newRow("half of a hundredth to zero") << "0.005" << 2 << "0";
        QTest::newRow("half up to even") << "0.015" << 2 << "0,02";
        QTest::newRow("half down to even") << "0.025" << 2 << "0,02";
        QTest::newRow("negative half down") << "-7.665" << 2 << "-7,66";
        QTest::newRow("negative half up") << "-7.675" << 2 << "-7,68";
        QTest::newRow("negative above half") << "-0.0151" << 2 << "-0,02";
        QTest::newRow("whole half to even") << "2.5" << 0 << "2";
        QTest::newRow("whole half up") << "3.5" << 0 << "4";
        QTest::newRow("four decimals") << "0.0372015" << 4 << "0,0372";
        QTest::newRow("four decimals half to zero") << "0.00005" << 4 << "0";
        QTest::newRow("four decimals half up") << "0.00015" << 4 << "0,0002";
        QTest::newRow("already short") << "7.6" << 2 << "7,6";
    }
    void roundsHalfToEvenExactly()
    {
        QFETCH(QString, value);
        QFETCH(int, places);
        QFETCH(QString, rounded);
        QCOMPARE(dec(value).rounded(places).toText(), rounded);
    }

    void quotientIsRoundedExactly_data()
    {
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<int>("places");
        QTest::addColumn<QString>("quotient");
        QTest::newRow("waist-hip half to even") << "78.5" << "100" << 2 << "0,78";
        QTest::newRow("waist-hip half up") << "78.7" << "100" << 2 << "0,79";
        QTest::newRow("eighth half to even") << "1" << "8" << 2 << "0,12";
        QTest::newRow("three eighths half up") << "3" << "8" << 2 << "0,38";
        QTest::newRow("ideal weight half") << "4570" << "80" << 2 << "57,12";
        QTest::newRow("repeating down") << "10" << "3" << 2 << "3,33";
        QTest::newRow("repeating up") << "20" << "3" << 2 << "6,67";
        QTest::newRow("negative dividend") << "-10" << "3" << 2 << "-3,33";
        QTest::newRow("negative half to even") << "-1" << "8" << 2 << "-0,12";
        QTest::newRow("decimal divisor") << "495" << "1.06768" << 2 << "463,62";
        QTest::newRow("divisor with more decimals") << "1" << "0.00001" << 2 << "100000";
    }
    void quotientIsRoundedExactly()
    {
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        QFETCH(int, places);
        QFETCH(QString, quotient);
        QCOMPARE(Decimal::quotient(dec(dividend), dec(divisor), places).toText(), quotient);
    }

    void divisionByZeroIsAnError()
    {
        QVERIFY_THROWS_EXCEPTION(std::domain_error, Decimal::quotient(1, dec("0,0"), 2));
    }

    void arithmeticIsExact()
    {
        // In binary 0.1 + 0.2 is not 0.3, and 10.5 x 73 / 100 is not 7.665.
        QCOMPARE(dec("0,1") + dec("0,2"), dec("0,3"));
        QCOMPARE((dec("10,5") * 73).toText(), QStringLiteral("766,5"));
        QCOMPARE((dec("1,5") - dec("2,25")).toText(), QStringLiteral("-0,75"));
        QCOMPARE((dec("0,0000122098") * dec("91") * dec("91")).toText(),
                 QStringLiteral("0,1011093538"));
        QCOMPARE(0.0008267_dec, dec("0,0008267"));
        QCOMPARE(1.00_dec, Decimal(1));
    }

    void comparesByValue()
    {
        QVERIFY(dec("7") < dec("10"));
        QVERIFY(dec("6,01") < dec("10,01"));
        QVERIFY(dec("0,785") > dec("0,78"));
        QVERIFY(dec("35,0") == 35);
        QVERIFY(dec("35,01") > 35);
    }

    void wholePartKeepsTheDigitsBeforeTheComma()
    {
        QCOMPARE(dec("16,99").wholePart(), Decimal(16));
        QCOMPARE(dec("0,5").wholePart(), Decimal(0));
        QCOMPARE(dec("-3,7").wholePart(), Decimal(-3));
    }

    void textForms()
    {
        QCOMPARE(dec("0,9").toFixedText(2), QStringLiteral("0,90"));
        QCOMPARE(Decimal(1).toFixedText(2), QStringLiteral("1,00"));
        QCOMPARE(dec("0,785").toFixedText(2), QStringLiteral("0,78"));
        QCOMPARE(dec("-0,05").toText(), QStringLiteral("-0,05"));
        QCOMPARE(dec("7,66").toDouble(), 7.66);
        QCOMPARE(dec("-13,5").toDouble(), -13.5);
    }
};

QTEST_APPLESS_MAIN(DecimalNumbers)
#include "tst_decimal.moc"
