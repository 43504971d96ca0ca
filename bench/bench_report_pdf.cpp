// Renders a 20-page list with a header holding two photos, 40 detail rows per page
// and two charts into a PDF file, and prints how long that takes and how big the
// file is. Run by hand: bench_report_pdf [output.pdf]
#include "report/Output.h"
#include "report/Report.h"
#include "SamplePhoto.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>

#include <cmath>
#include <cstdio>

using namespace kelvora::report;

namespace {

std::unique_ptr<Report> document(const QByteArray& front, const QByteArray& side)
{
    auto report = std::make_unique<Report>(QStringLiteral("Bench"));
    const double width = report->bandWidth();
    Band& header = report->pageHeader();
    header.setHeight(35);
    header.addText({0, 0, 120, 8}, QStringLiteral("ACADEMIA CORPO SÃO")).setPointSize(14).setBold();
    header.addText({0, 9, 120, 6}, QStringLiteral("Relatório de Avaliação Funcional Vencida"));
    header.addText({0, 16, 120, 5}, [](const PrintContext& context) {
        return QStringLiteral("Data : ") + Source::printDate()(context) +
               QStringLiteral("   Hora : ") + Source::printTime()(context);
    });
    header.addImage({width - 66, 0, 30, 32}, ImageElement::fixed(front))
        .setFit(ImageElement::Fit::KeepProportion);
    header.addImage({width - 32, 0, 30, 32}, ImageElement::fixed(side))
        .setFit(ImageElement::Fit::KeepProportion);
    header.addShape({0, 33.5, width, 1}, ShapeElement::Shape::HorizontalRule);

    Band& columns = report->columnHeader();
    columns.setHeight(7);
    columns.addText({0, 1, 30, 5}, QStringLiteral("Matrícula")).setBold();
    columns.addText({32, 1, 110, 5}, QStringLiteral("Nome do Aluno")).setBold();
    columns.addText({width - 40, 1, 40, 5}, QStringLiteral("Última Avaliação")).setBold();

    Band& detail = report->detail();
    detail.setHeight(5.6);
    detail.addField({0, 0.5, 30, 4.6}, QStringLiteral("MATRICULA")).setPointSize(9);
    detail.addField({32, 0.5, 110, 4.6}, QStringLiteral("NOME")).setPointSize(9);
    detail.addField({width - 40, 0.5, 40, 4.6}, QStringLiteral("DATA")).setPointSize(9);

    DataTable rows({QStringLiteral("MATRICULA"), QStringLiteral("NOME"), QStringLiteral("DATA")});
    for (int i = 1; i <= 780; ++i)
        rows.addRow({QStringLiteral("%1").arg(i, 10, 10, QLatin1Char('0')),
                     QStringLiteral("ALUNO DE NÚMERO %1 DA SILVA").arg(i),
                     QDate(2023, 1, 1).addDays(i % 365)});
    report->setData(std::move(rows));

    const QStringList dates{"05/01", "05/03", "05/05", "05/07", "05/09", "05/11"};
    Band& summary = report->summary();
    summary.setHeight(85);
    summary.addChart({0, 5, width / 2 - 2, 78}, ChartElement::Kind::Bars)
        .setTitle(QStringLiteral("Peso Atual"))
        .setCategories(dates)
        .addSeries({QStringLiteral("Peso"), QColor(0, 128, 0), {82, 80.5, 79, 77.5, 76, 75.5}})
        .addSeries({QStringLiteral("Peso Ideal"), QColor(0, 64, 128), {72, 72, 72, 72, 72, 72}})
        .setAxisTitles(QStringLiteral("Avaliações"), QStringLiteral("Kg"))
        .setValueLabels(true);
    summary.addChart({width / 2 + 2, 5, width / 2 - 2, 78}, ChartElement::Kind::Lines)
        .setTitle(QStringLiteral("% de Gordura"))
        .setCategories(dates)
        .addSeries({QStringLiteral("Gordura Atual"),
                    QColor(128, 0, 0),
                    {24.5, 23.8, 22.1, 21.7, 20.9, 20.2}})
        .addSeries({QStringLiteral("Gordura Ideal"), QColor(128, 0, 128), {18, 18, 18, 18, 18, 18}})
        .setAxisTitles(QStringLiteral("Avaliações"), QStringLiteral("%"));

    report->pageFooter().setHeight(8);
    report->pageFooter()
        .addText({width - 40, 2, 40, 5},
                 [](const PrintContext& context) {
                     return QStringLiteral("Página: ") + Source::pageNumber()(context);
                 })
        .setAlignment(Qt::AlignRight | Qt::AlignTop);
    return report;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString output =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("bench_report.pdf");
    const QByteArray front = kelvora::bench::samplePhoto(1, QColor(40, 90, 140));
    const QByteArray side = kelvora::bench::samplePhoto(2, QColor(140, 60, 40));

    double best = 1e9;
    for (int run = 1; run <= 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        const std::unique_ptr<Report> report = document(front, side);
        const Pages pages = report->paginate(QDateTime::currentDateTime());
        const QString failure = writePdf(pages, output);
        const double seconds = timer.nsecsElapsed() / 1e9;
        if (!failure.isEmpty()) {
            std::fprintf(stderr, "PDF not written: %s\n", qPrintable(failure));
            return 1;
        }
        best = std::min(best, seconds);
        std::printf("run %d: %d pages in %.3f s\n", run, pages.count(), seconds);
    }
    std::printf("best of 5: %.3f s; %s: %lld bytes (photos: %lld + %lld bytes of JPEG)\n", best,
                qPrintable(output), QFileInfo(output).size(), qlonglong(front.size()),
                qlonglong(side.size()));
    return 0;
}
