#include "data/BodyCompositionReference.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/ReferenceData.h"
#include "data/Rows.h"
#include "data/Schema.h"
#include "domain/bodycomp/Decimal.h"
#include "support/TestDatabase.h"

#include <QTest>

#include <algorithm>

using namespace kelvora;
using namespace kelvora::bodycomp;
using namespace kelvora::test;

namespace {

const QStringList FatTableNames{QStringLiteral("FaixaGordura"), QStringLiteral("GorduraHomem"),
                                QStringLiteral("GorduraMulher"), QStringLiteral("GorduraCrianca")};

// Stores the shipped rows of `table` again, last row first, so that the database's
// natural order is the wrong one.
void reinsertBackwards(Connection& connection, const QString& table)
{
    connection.execute(table, QStringLiteral("DELETE FROM %1").arg(table));
    const Table& schema = Schema::ownTable(table);
    QVector<QVariantList> rows = ReferenceData::rows(table);
    std::reverse(rows.begin(), rows.end());
    for (const QVariantList& values : rows) {
        ColumnValues row;
        for (int i = 0; i < schema.columns.size(); ++i)
            row.append({schema.columns.at(i).name, values.at(i)});
        Rows::insert(connection, table, row);
    }
}

void compareTables(const FatTables& actual, const FatTables& expected)
{
    QCOMPARE(actual.idealFat, expected.idealFat);
    QCOMPARE(actual.men, expected.men);
    QCOMPARE(actual.women, expected.women);
    QCOMPARE(actual.children, expected.children);
}

} // namespace

class BodyCompositionReferenceTables : public QObject {
    Q_OBJECT
private slots:
    void shippedRowsComeInReadingOrder()
    {
        const FatTables shipped = BodyCompositionReference::installed();
        QCOMPARE(shipped.idealFat.size(), 5);
        QCOMPARE(shipped.men.size(), 35);
        QCOMPARE(shipped.women.size(), 35);
        QCOMPARE(shipped.children.size(), 12);
        QCOMPARE(shipped.idealFat.first(), (IdealFatBand{"14", "19", ""}));
        QCOMPARE(shipped.men.at(1), (AdultFatLevel{"18", "25", "7", "10", "Bom"}));
        QCOMPARE(shipped.children.at(1), (ChildFatLevel{"M", "6,01", "10", "Baixa"}));
        QCOMPARE(shipped.children.at(6).sex, QStringLiteral("F"));
    }

    void installedTablesReadAsShipped_data() { addBackendRows(); }
    void installedTablesReadAsShipped()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        compareTables(BodyCompositionReference::load(*db.connect()),
                      BodyCompositionReference::installed());
    }

    // Bounds are texts: read as text "10" would come before "7" and "10,01" before "6,01".
    void readingOrderComesFromNumericValues_data() { addBackendRows(); }
    void readingOrderComesFromNumericValues()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();
        for (const QString& table : FatTableNames)
            reinsertBackwards(*own, table);
        compareTables(BodyCompositionReference::load(*own), BodyCompositionReference::installed());
    }

    void installedRowsClassify_data()
    {
        addBackendRows();
    }
    void installedRowsClassify()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        const FatTables tables = BodyCompositionReference::load(*db.connect());
        const auto fat = [](const char* text) { return *Decimal::parse(QString::fromLatin1(text)); };

        struct Adult {
            Sex sex;
            int age;
            const char* fat;
            FatLevel level;
        };
        const Adult adults[] = {
            {Sex::Male, 30, "13,62", {"Bom", "12% a 15 %"}},
            {Sex::Male, 17, "5", {"Excelente", "0% a 6 %"}},
            {Sex::Male, 25, "10,99", {"Bom", "7% a 10 %"}},
            {Sex::Male, 26, "27", {"Ruim", "25% a 27 %"}},
            {Sex::Male, 65, "31", {"Muito Ruim", "31% a 99 %"}},
            {Sex::Male, 66, "13", {"", "Fora Faixa"}},
            {Sex::Female, 25, "23,82", {"Média", "23% a 25 %"}},
            {Sex::Female, 35, "24,05", {"Média", "24% a 25 %"}},
            {Sex::Female, 56, "22,99", {"Excelente", "0% a 22 %"}},
        };
        for (const Adult& adult : adults)
            QCOMPARE(adultFatLevel(tables.adults(adult.sex), adult.age, fat(adult.fat)), adult.level);

        struct Child {
            Sex sex;
            const char* fat;
            FatLevel level;
        };
        const Child children[] = {
            {Sex::Male, "15,79", {"Ótima", "10,01% a 20%"}},
            {Sex::Male, "6", {"Muito Baixa", "0% a 6%"}},
            {Sex::Male, "6,01", {"Baixa", "6,01% a 10%"}},
            {Sex::Male, "31,01", {"Muito Alta", "31,01% a 100%"}},
            {Sex::Female, "17,23", {"Ótima", "15,01% a 25 %"}},
            {Sex::Female, "35,5", {"Alta", "30,01% a 35,5 %"}},
            {Sex::Female, "35,51", {"Muito Alta", "35,51% a 100 %"}},
            {Sex::Female, "100,01", {}},
        };
        for (const Child& child : children)
            QCOMPARE(childFatLevel(tables.children, child.sex, fat(child.fat)), child.level);

        QCOMPARE(idealFatPercentage(tables.idealFat, HubMode::Inclusion, {Sex::Male, 45}),
                 QStringLiteral("17"));
        QCOMPARE(idealFatPercentage(tables.idealFat, HubMode::Inclusion, {Sex::Female, 60}),
                 QStringLiteral("26"));
        QCOMPARE(idealFatPercentage(tables.idealFat, HubMode::Change, {Sex::Female, 60}),
                 QStringLiteral("19"));
    }

    void missingTableIsNamed_data() { addBackendRows(); }
    void missingTableIsNamed()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();
        own->execute(QStringLiteral("GorduraCrianca"), QStringLiteral("DROP TABLE GorduraCrianca"));
        try {
            BodyCompositionReference::load(*own);
            QFAIL("loaded");
        } catch (const OpenFailed& error) {
            QCOMPARE(error.table(), QStringLiteral("GorduraCrianca"));
        }
    }
};

QTEST_GUILESS_MAIN(BodyCompositionReferenceTables)
#include "tst_body_composition_reference.moc"
