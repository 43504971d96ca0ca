#include "domain/Age.h"
#include "domain/DateText.h"
#include "domain/YesNo.h"

#include <QTest>

using namespace kelvora;

class AgeAndDates : public QObject {
    Q_OBJECT
private slots:
    void age_data()
    {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("age");
        QTest::newRow("birthday itself") << QDate(1990, 6, 15) << QDate(2020, 6, 15) << 30;
        QTest::newRow("day before") << QDate(1990, 6, 15) << QDate(2020, 6, 14) << 29;
        QTest::newRow("earlier month") << QDate(1990, 6, 15) << QDate(2020, 5, 31) << 29;
        QTest::newRow("later month") << QDate(1990, 6, 15) << QDate(2020, 7, 1) << 30;
        QTest::newRow("29 Feb, 28 Feb of common year") << QDate(2000, 2, 29) << QDate(2001, 2, 28) << 0;
        QTest::newRow("29 Feb, 1 Mar of common year") << QDate(2000, 2, 29) << QDate(2001, 3, 1) << 1;
        QTest::newRow("29 Feb, leap birthday") << QDate(2000, 2, 29) << QDate(2004, 2, 29) << 4;
        QTest::newRow("born today") << QDate(2020, 1, 1) << QDate(2020, 1, 1) << 0;
        QTest::newRow("31 Dec to 1 Jan") << QDate(1999, 12, 31) << QDate(2000, 1, 1) << 0;
    }
    void age()
    {
        QFETCH(QDate, birth);
        QFETCH(QDate, today);
        QFETCH(int, age);
        QCOMPARE(ageInYears(birth, today), age);
    }

    void dateText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("plain") << "05/03/2020" << QDate(2020, 3, 5);
        QTest::newRow("leap day") << "29/02/2024" << QDate(2024, 2, 29);
        QTest::newRow("no leap day") << "29/02/2023" << QDate();
        QTest::newRow("one digit each") << "3/5/2021" << QDate(2021, 5, 3);
        QTest::newRow("two-digit year is refused") << "03/05/21" << QDate();
        QTest::newRow("month first is refused") << "12/31/2020" << QDate();
        QTest::newRow("blank mask") << "  /  /    " << QDate();
        QTest::newRow("empty") << "" << QDate();
    }
    void dateText()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(DateText::parse(text), date);
        if (date.isValid() && text.size() == 10)
            QCOMPARE(DateText::format(date), text);
    }

    void yesNoFallsOnTheSideNotNamed()
    {
        QVERIFY(isSim(QStringLiteral("Sim")));
        QVERIFY(isNao(QStringLiteral("Não")));
        for (const QVariant& other : {QVariant(), QVariant(QString()), QVariant(QStringLiteral("sim")),
                                      QVariant(QStringLiteral("Nao"))}) {
            QVERIFY(!isSim(other));
            QVERIFY(!isNao(other));
        }
    }
};

QTEST_APPLESS_MAIN(AgeAndDates)
#include "tst_age_and_dates.moc"
