#include "data/AssessmentRecord.h"
#include "data/Companion.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "domain/Clock.h"
#include "domain/YesNo.h"
#include "support/AssessmentFixture.h"

#include <QTest>

using namespace kelvora;
using namespace kelvora::test;
using reportpages::PageBox;

namespace {

struct Reading {
    explicit Reading(const QString& backend)
        : fixture(backend)
        , brandel(fixture.db.connect(Connection::Brandel))
        , companion(Companion::fromSettings(*fixture.own, *brandel, Nao))
    {
    }
    AssessmentRecord read(const QString& number, const QDate& date)
    {
        return AssessmentRecord::read(*fixture.own, companion, number, date);
    }

    AssessmentFixture fixture;
    std::unique_ptr<Connection> brandel;
    Companion companion;
};

QStringList dates(const QList<AssessmentRecord::Row>& rows)
{
    QStringList dates;
    for (const AssessmentRecord::Row& row : rows)
        dates << row.value(QStringLiteral("DATAEXAME")).toDate().toString(Qt::ISODate);
    return dates;
}

} // namespace

class AssessmentRecordTest : public QObject {
    Q_OBJECT
private slots:
    void init() { Clock::setFixed(QDateTime(QDate(2026, 12, 10), QTime(9, 0))); }
    void cleanup() { Clock::setFixed({}); }

    // The rows of the chosen date only, the student, the settings and what is
    // built from them.
    void readsOneAssessment_data() { addBackendRows(); }
    void readsOneAssessment()
    {
        QFETCH(QString, backend);
        Reading reading(backend);
        const AssessmentRecord record =
            reading.read(AssessmentFixture::Number, AssessmentFixture::Second);

        QCOMPARE(record.title(), QStringLiteral("Mt_0000001234-10-09-2020"));
        QCOMPARE(record.footer(), QStringLiteral("ACADEMIA TESTE - RUA DAS FLORES, 10 CENTRO"));
        QCOMPARE(record.student().value(QStringLiteral("NOME")).toString(), AssessmentFixture::Name);
        QCOMPARE(record.studentEmail(), QStringLiteral("ana@example.com"));
        QCOMPARE(record.ageText(), QStringLiteral("36"));
        QVERIFY(!record.photo().isEmpty());
        QVERIFY(!record.logo().isEmpty());
        QCOMPARE(record.settings().value(QStringLiteral("MEMOINTRODUCAO")).toString(),
                 AssessmentFixture::Introduction);
        QCOMPARE(record.protocolMarkers(), std::optional<QString>(QStringLiteral("37IXXXXXXX")));
        const AssessmentRecord::Row* bodyComposition = record.row(QStringLiteral("Corporal"));
        QVERIFY(bodyComposition);
        QCOMPARE(bodyComposition->value(QStringLiteral("G_PESO")).toDouble(), 70.25);
        QVERIFY(record.row(QStringLiteral("Muscular")));
        QVERIFY(!record.row(QStringLiteral("Anamnese")));
    }

    // A comparison holds the student's rows of its protocol up to the chosen date,
    // oldest first: never a later assessment, never another protocol's row.
    void historiesEndAtTheChosenDate_data() { addBackendRows(); }
    void historiesEndAtTheChosenDate()
    {
        QFETCH(QString, backend);
        Reading reading(backend);
        const AssessmentRecord third =
            reading.read(AssessmentFixture::Number, AssessmentFixture::Third);
        QCOMPARE(dates(third.bodyCompositionHistory(bodycomp::Protocol::Pollock3)),
                 (QStringList{"2020-03-05", "2020-09-10", "2021-03-15"}));
        QCOMPARE(dates(third.bodyCompositionHistory(bodycomp::Protocol::Pollock7)),
                 (QStringList{"2020-09-10", "2021-03-15"}));
        QCOMPARE(dates(third.bodyCompositionHistory(bodycomp::Protocol::Lohman)),
                 (QStringList{"2021-03-15"}));
        QCOMPARE(dates(third.perimetryHistory()), QStringList{"2020-09-10"});

        const AssessmentRecord first =
            reading.read(AssessmentFixture::Number, AssessmentFixture::First);
        QCOMPARE(dates(first.bodyCompositionHistory(bodycomp::Protocol::Pollock3)),
                 QStringList{"2020-03-05"});
        QVERIFY(first.perimetryHistory().isEmpty());
    }

    // At most the six latest rows of a protocol.
    void historyKeepsTheSixLatest()
    {
        Reading reading(Sqlite);
        for (int month = 1; month <= 6; ++month) {
            const QDate date(2019, month, 1);
            addAssessment(*reading.fixture.own, AssessmentFixture::Number, date, QStringLiteral("01"));
            Rows::insert(*reading.fixture.own, QStringLiteral("Corporal"),
                         {{QStringLiteral("MATRICULA"), AssessmentFixture::Number},
                          {QStringLiteral("DATAEXAME"), date},
                          {QStringLiteral("G_TIPOPROTOCOLO"), QStringLiteral("3XXXXXXXXX")}});
        }
        const AssessmentRecord record =
            reading.read(AssessmentFixture::Number, AssessmentFixture::Second);
        QCOMPARE(dates(record.bodyCompositionHistory(bodycomp::Protocol::Pollock3)),
                 (QStringList{"2019-03-01", "2019-04-01", "2019-05-01", "2019-06-01",
                              "2020-03-05", "2020-09-10"}));
    }

    void pagesWithData()
    {
        Reading reading(Sqlite);
        const reportpages::PageSet second =
            reading.read(AssessmentFixture::Number, AssessmentFixture::Second).pagesWithData();
        QCOMPARE(second, (reportpages::PageSet{PageBox::Cover, PageBox::Introduction,
                                               PageBox::Perimetry, PageBox::PerimetryComparison,
                                               PageBox::Pollock3, PageBox::Pollock3Comparison,
                                               PageBox::Pollock7, PageBox::Pollock7Comparison,
                                               PageBox::BodyMassIndex}));
        const reportpages::PageSet later =
            reading.read(AssessmentFixture::Number, AssessmentFixture::Later).pagesWithData();
        QCOMPARE(later, (reportpages::PageSet{PageBox::Cover, PageBox::Introduction,
                                              PageBox::Pollock3, PageBox::Pollock3Comparison}));
    }

    void unknownStudentOrDate_data() { addBackendRows(); }
    void unknownStudentOrDate()
    {
        QFETCH(QString, backend);
        Reading reading(backend);
        try {
            reading.read(QStringLiteral("0000009999"), AssessmentFixture::Third);
            QFAIL("an unknown student was read");
        } catch (const NotFound& error) {
            QCOMPARE(error.table(), QStringLiteral("Alunos"));
        }
        try {
            reading.read(AssessmentFixture::Number, QDate(2021, 3, 16));
            QFAIL("an unknown date was read");
        } catch (const NotFound& error) {
            QCOMPARE(error.table(), QStringLiteral("Exame"));
        }
        QCOMPARE(AssessmentRecord::examDates(*reading.fixture.own, AssessmentFixture::Number),
                 (QList<QDate>{AssessmentFixture::First, AssessmentFixture::Second,
                               AssessmentFixture::Third, AssessmentFixture::Later}));
    }
};

QTEST_GUILESS_MAIN(AssessmentRecordTest)
#include "tst_assessment_record.moc"
