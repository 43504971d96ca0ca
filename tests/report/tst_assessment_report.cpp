#include "data/AssessmentRecord.h"
#include "data/Companion.h"
#include "domain/Clock.h"
#include "domain/YesNo.h"
#include "report/Output.h"
#include "report/assessment/AssessmentReport.h"
#include "support/AssessmentFixture.h"
#include "support/PdfReader.h"

#include <QTemporaryDir>
#include <QTest>

using namespace kelvora;
using namespace kelvora::test;
using reportpages::PageBox;
using reportpages::PageSet;

namespace {

const QString Footer = QStringLiteral("ACADEMIA TESTE - RUA DAS FLORES, 10 CENTRO");
const QString SectionTitle = QStringLiteral("Composição Corporal");

// The fixture's student, read for one of the dates, and the report written as a PDF.
struct Rendering {
    explicit Rendering(const QString& backend)
        : fixture(backend)
        , brandel(fixture.db.connect(Connection::Brandel))
    {
    }

    AssessmentRecord read(const QDate& date) const
    {
        const Companion companion = Companion::fromSettings(*fixture.own, *brandel, Nao);
        return AssessmentRecord::read(*fixture.own, companion, AssessmentFixture::Number, date);
    }

    // The text of each page of the report of `date` with `ticked`.
    QStringList pages(const QDate& date, const PageSet& ticked)
    {
        const auto composite = report::assessmentReport(read(date), ticked);
        pdf = dir.filePath(QStringLiteral("avaliacao.pdf"));
        const QString failure = report::writePdf(composite->paginate(Clock::now()), pdf);
        if (!failure.isEmpty())
            qFatal("PDF not written: %s", qPrintable(failure));
        QStringList texts;
        for (int page = 1; page <= PdfReader::pageCount(pdf); ++page)
            texts << PdfReader::printedLines(pdf, page).join(QLatin1Char('\n'));
        return texts;
    }

    AssessmentFixture fixture;
    std::unique_ptr<Connection> brandel;
    QTemporaryDir dir;
    QString pdf;
};

// Which subtitle (or page title) opens each page, to check the order.
QString pageName(const QString& text)
{
    static const QStringList names{
        QStringLiteral("Introdução"), QStringLiteral("Pollock (3 dobras"),
        QStringLiteral("Pollock /Jackson (7 dobras"), QStringLiteral("Índice de Massa Corporal"),
        QStringLiteral("Slaughter"), QStringLiteral("Relação Cintura Quadril"),
        QStringLiteral("Faulkner"), QStringLiteral("Lohman para Crianças"),
        QStringLiteral("Trans & Weltmam")};
    for (const QString& name : names)
        if (text.contains(name))
            return name;
    return text.contains(QStringLiteral("ACADEMIA TESTE")) ? QStringLiteral("capa") : text;
}

// The line of `text` that starts with `label`.
QString line(const QString& text, const QString& label)
{
    for (const QString& candidate : text.split(QLatin1Char('\n')))
        if (candidate.contains(label))
            return candidate.mid(candidate.indexOf(label));
    return {};
}

PageSet allPages()
{
    return report::printablePages();
}

} // namespace

class AssessmentReportTest : public QObject {
    Q_OBJECT
private slots:
    void init() { Clock::setFixed(QDateTime(QDate(2026, 12, 10), QTime(9, 30, 15))); }
    void cleanup() { Clock::setFixed({}); }

    // Every page in its order, each with the stored numbers as the screens wrote
    // them, the section's title once and the gym's footer at the foot of each.
    void printsTheCompositeInOrder_data() { addBackendRows(); }
    void printsTheCompositeInOrder()
    {
        QFETCH(QString, backend);
        Rendering rendering(backend);
        const QStringList pages = rendering.pages(AssessmentFixture::Third, allPages());

        QStringList order;
        for (const QString& page : pages)
            order << pageName(page);
        QCOMPARE(order, (QStringList{"capa", "Introdução", "Pollock (3 dobras",
                                     "Pollock /Jackson (7 dobras", "Índice de Massa Corporal",
                                     "Slaughter", "Relação Cintura Quadril", "Faulkner",
                                     "Lohman para Crianças", "Trans & Weltmam"}));
        QCOMPARE(pages.join(QLatin1Char('\n')).count(SectionTitle), 1);
        QVERIFY(pages.at(2).contains(SectionTitle));
        for (const QString& page : pages)
            QVERIFY2(page.contains(Footer), qPrintable(page));

        // The cover: the gym and its logo, no page header.
        QVERIFY(!pages.at(0).contains(QStringLiteral("Matrícula")));
        QVERIFY(!PdfReader::images(rendering.pdf).filter(QRegularExpression("^1 ")).isEmpty());
        // The introduction: the student, the photo and the gym's text.
        QCOMPARE(line(pages.at(1), QStringLiteral("Nome :")),
                 QStringLiteral("Nome : ") + AssessmentFixture::Name);
        QCOMPARE(line(pages.at(1), QStringLiteral("Idade :")), QStringLiteral("Idade : 36"));
        QVERIFY(pages.at(1).contains(AssessmentFixture::Introduction));
        QVERIFY(!PdfReader::images(rendering.pdf).filter(QRegularExpression("^2 ")).isEmpty());
        QVERIFY(pages.at(1).contains(QStringLiteral("Data do Exame : 15/03/2021")));

        const QString pollock3 = pages.at(2);
        QVERIFY(pollock3.contains(QStringLiteral("Matrícula : 0000001234")));
        QVERIFY(pollock3.contains(QStringLiteral("Data : 10/12/2026")));
        QVERIFY(pollock3.contains(QStringLiteral("Peso Atual : 68,3 Kg ")));
        QVERIFY(pollock3.contains(QStringLiteral("Gordura Atual : 24,37 %")));
        QVERIFY(pollock3.contains(QStringLiteral("Peso Ideal : 66,23 Kg")));
        QVERIFY(pollock3.contains(QStringLiteral("Gordura Média : 23% a 27 %")));
        QVERIFY(pollock3.contains(QStringLiteral("Outras Dobras")));
        QVERIFY(pollock3.contains(QStringLiteral("Resultado Gordura Média")));
        QVERIFY(pollock3.contains(QStringLiteral("MÉDIA")));
        QVERIFY(pages.at(4).contains(QStringLiteral("68,3 Kg 24,94 kg / m2")));
        QVERIFY(pages.at(6).contains(QStringLiteral("Circ. Cintura : 76,2 cm 0,77")));
        QVERIFY(pages.at(7).contains(QStringLiteral("Peso Gordo : 14,92 Kg")));
        QVERIFY(pages.at(9).contains(QStringLiteral("Abdomem2 : 82,1 cm")));
        QVERIFY(!pages.at(7).contains(QStringLiteral("Resultado")));
    }

    // Each comparison charts its protocol's assessments up to the report's date,
    // oldest first: Pollock 3 three, Pollock 7 two, and never the later one.
    void comparesWithEarlierAssessments_data() { addBackendRows(); }
    void comparesWithEarlierAssessments()
    {
        QFETCH(QString, backend);
        Rendering rendering(backend);
        const QStringList pages =
            rendering.pages(AssessmentFixture::Third,
                            {PageBox::Pollock3, PageBox::Pollock3Comparison, PageBox::Pollock7,
                             PageBox::Pollock7Comparison});
        QCOMPARE(pages.size(), 2);
        const QString pollock3 = pages.at(0);
        QVERIFY(pollock3.contains(QStringLiteral("Comparativo")));
        QVERIFY(pollock3.contains(QStringLiteral("05/03/2020 10/09/2020 15/03/2021")));
        for (const char* value : {"72,5", "70,25", "67,12", "66,56", "52,35", "27,8", "26,1"})
            QVERIFY2(pollock3.contains(QLatin1String(value)), value);
        QVERIFY(!pollock3.contains(QStringLiteral("20/01/2022")));
        QVERIFY(!pollock3.contains(QStringLiteral("65,24")));
        const QString pollock7 = pages.at(1);
        QVERIFY(pollock7.contains(QStringLiteral("10/09/2020 15/03/2021")));
        QVERIFY(!pollock7.contains(QStringLiteral("05/03/2020")));
        QVERIFY(pollock7.contains(QStringLiteral("65,83")));
        QVERIFY(!pollock7.contains(SectionTitle));
    }

    // The section's title goes to the first body-composition page printed; a page
    // without its comparison tick has no chart.
    void titleOnTheFirstBodyCompositionPage()
    {
        Rendering rendering(Sqlite);
        const QStringList pages = rendering.pages(
            AssessmentFixture::Third, {PageBox::Cover, PageBox::Pollock7, PageBox::BodyMassIndex});
        QCOMPARE(pages.size(), 3);
        QVERIFY(pages.at(1).contains(SectionTitle));
        QVERIFY(!pages.at(2).contains(SectionTitle));
        QVERIFY(!pages.at(1).contains(QStringLiteral("Comparativo")));
    }

    // A ticked page whose data the assessment does not hold is left out and named.
    void leavesOutPagesWithoutData()
    {
        Rendering rendering(Sqlite);
        const PageSet ticked{PageBox::Cover, PageBox::Pollock3, PageBox::Faulkner};
        QCOMPARE(report::pagesLeftOut(rendering.read(AssessmentFixture::Second), ticked),
                 PageSet{PageBox::Faulkner});
        const QStringList pages = rendering.pages(AssessmentFixture::Second, ticked);
        QCOMPARE(pages.size(), 2);
        QVERIFY(!pages.join(QLatin1Char('\n')).contains(QStringLiteral("Faulkner")));
    }

    // A long introduction starts under the personal data and goes on over the next
    // sheet, with the page's frame, before the body-composition pages.
    void longIntroductionGoesOnOverPages()
    {
        Rendering rendering(Sqlite);
        QStringList lines;
        for (int i = 1; i <= 70; ++i)
            lines << QStringLiteral("Parágrafo %1 da introdução.").arg(i, 2, 10, QLatin1Char('0'));
        rendering.fixture.own->execute(QStringLiteral("Moxcvar"),
                                       QStringLiteral("UPDATE Moxcvar SET MEMOINTRODUCAO = ?"),
                                       {lines.join(QLatin1Char('\n'))});
        const QStringList pages = rendering.pages(
            AssessmentFixture::Third, {PageBox::Introduction, PageBox::Pollock3});
        QCOMPARE(pages.size(), 3);
        QVERIFY(pages.at(0).contains(QStringLiteral("DADOS PESSOAIS")));
        QVERIFY(pages.at(0).contains(lines.first()));
        QVERIFY(pages.at(1).contains(lines.last()));
        QVERIFY(pages.at(1).contains(QStringLiteral("Data do Exame : 15/03/2021")));
        QVERIFY(pages.at(1).contains(Footer));
        const QString all = pages.join(QLatin1Char('\n'));
        for (const QString& line : lines)
            QVERIFY2(all.count(line) == 1, qPrintable(line));
        QVERIFY(pages.at(2).contains(SectionTitle));
    }

    // The settings decide the result blocks and the index's formula; "Outras Dobras"
    // only when one of them was measured.
    void settingsShapeThePages()
    {
        Rendering rendering(Sqlite);
        rendering.fixture.own->execute(
            QStringLiteral("Moxcvar"),
            QStringLiteral("UPDATE Moxcvar SET MOSTRA_RESULTADO_CORPORAL = ?, IMC_1_2 = ?"),
            {Nao, QStringLiteral("1")});
        rendering.fixture.setBodyComposition(QStringLiteral("G_OUTRA1"), 0);
        const QStringList pages = rendering.pages(
            AssessmentFixture::Third, {PageBox::Pollock3, PageBox::BodyMassIndex});
        QVERIFY(!pages.at(0).contains(QStringLiteral("Resultado")));
        QVERIFY(!pages.at(0).contains(QStringLiteral("Outras Dobras")));
        QVERIFY(pages.at(1).contains(QStringLiteral("NHANES II Survey")));
        QVERIFY(!pages.at(1).contains(QStringLiteral("Peso normal")));

        rendering.fixture.setBodyComposition(QStringLiteral("G_OUTRA7"), 1.5);
        QVERIFY(rendering.pages(AssessmentFixture::Third, {PageBox::Pollock3})
                    .at(0)
                    .contains(QStringLiteral("Outras Dobras")));
    }
};

QTEST_MAIN(AssessmentReportTest)
#include "tst_assessment_report.moc"
