#include "support/AssessmentFixture.h"
#include "support/CliRun.h"
#include "support/PdfReader.h"

#include <QFile>
#include <QTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

CliRun assessment(const AssessmentFixture& fixture, const QString& pdf, const QStringList& more)
{
    return cli(QStringList{QStringLiteral("report"), QStringLiteral("assessment"),
                           QStringLiteral("--dir"), fixture.db.folder(), QStringLiteral("--out"),
                           pdf} +
               more);
}

QStringList student(const QString& number, const QString& date)
{
    return {QStringLiteral("--student"), number, QStringLiteral("--date"), date};
}

} // namespace

class CliAssessmentReport : public QObject {
    Q_OBJECT
private slots:
    // Without --pages, the pages the settings tick (here all of them) that the
    // assessment holds; the file is its owner's only.
    void writesTheDefaultPages_data() { addBackendRows(); }
    void writesTheDefaultPages()
    {
        QFETCH(QString, backend);
        AssessmentFixture fixture(backend);
        const QString pdf = fixture.db.folder() + QStringLiteral("/avaliacao.pdf");
        const CliRun run =
            assessment(fixture, pdf, student(AssessmentFixture::Number, QStringLiteral("15/03/2021")));
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(run.out.contains(QStringLiteral("10 páginas")));
        QCOMPARE(PdfReader::pageCount(pdf), 10);
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(QFile::permissions(pdf) & others, QFile::Permissions());
        const QStringList pages = PdfReader::pageTexts(pdf);
        QVERIFY(pages.at(0).contains(QStringLiteral("ACADEMIA TESTE")));
        QVERIFY(pages.at(2).contains(QStringLiteral("Composição Corporal")));
        QVERIFY(pages.at(2).contains(QStringLiteral("05/03/2020")));
    }

    // Pages named on the command line; a named page the assessment holds no data
    // for is left out and named, never printed empty.
    void writesThePagesNamed()
    {
        AssessmentFixture fixture(Sqlite);
        const QString pdf = fixture.db.folder() + QStringLiteral("/avaliacao.pdf");
        const CliRun run = assessment(
            fixture, pdf,
            student(AssessmentFixture::Number, QStringLiteral("10/09/2020")) +
                QStringList{QStringLiteral("--pages"), QStringLiteral("pollock7,faulkner,bmi")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(run.err.trimmed(), QStringLiteral("Nenhum resultado encontrado ! Faulkner"));
        const QStringList pages = PdfReader::pageTexts(pdf);
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages.at(0).contains(QStringLiteral("Pollock /Jackson")));
        QVERIFY(pages.at(1).contains(QStringLiteral("Índice de Massa Corporal")));
    }

    // Input refused with the program's message and status 2, nothing written; a
    // database that cannot be read ends in status 3.
    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown student")
            << student(QStringLiteral("0000009999"), QStringLiteral("15/03/2021")) << 2
            << QStringLiteral("Matrícula não Cadastrada");
        QTest::newRow("no assessment that day")
            << student(AssessmentFixture::Number, QStringLiteral("16/03/2021")) << 2
            << QStringLiteral("Nenhum resultado encontrado ! Exame");
        QTest::newRow("no date") << QStringList{QStringLiteral("--student"), AssessmentFixture::Number}
                                 << 2 << QStringLiteral("Dado INCORRETO !");
        QTest::newRow("unknown page")
            << student(AssessmentFixture::Number, QStringLiteral("15/03/2021")) +
                   QStringList{QStringLiteral("--pages"), QStringLiteral("cover,capa")}
            << 2 << QStringLiteral("Dado INCORRETO ! --pages capa");
        QTest::newRow("only pages without data")
            << student(AssessmentFixture::Number, QStringLiteral("05/03/2020")) +
                   QStringList{QStringLiteral("--pages"), QStringLiteral("lohman")}
            << 2 << QStringLiteral("Nenhum resultado encontrado ! Lohman");
        QTest::newRow("unreadable table")
            << student(AssessmentFixture::Number, QStringLiteral("15/03/2021")) << 3
            << QStringLiteral("Abertura de tabela ! Corporal");
    }
    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        AssessmentFixture fixture(Sqlite);
        if (exitCode == 3)
            fixture.own->execute(QStringLiteral("Corporal"), QStringLiteral("DROP TABLE Corporal"));
        const QString pdf = fixture.db.folder() + QStringLiteral("/avaliacao.pdf");
        const CliRun run = assessment(fixture, pdf, arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.startsWith(message), qPrintable(run.err));
        QVERIFY(!run.err.contains(AssessmentFixture::Name));
        QVERIFY(!QFile::exists(pdf));
    }
};

QTEST_GUILESS_MAIN(CliAssessmentReport)
#include "tst_cli_assessment_report.moc"
