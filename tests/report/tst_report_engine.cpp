#include "domain/Clock.h"
#include "report/CompositeReport.h"
#include "report/Output.h"
#include "report/Report.h"
#include "support/PdfReader.h"

#include <QBuffer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace kelvora;
using namespace kelvora::report;
using kelvora::test::PdfReader::pageCount;
using kelvora::test::PdfReader::pageImage;
using kelvora::test::PdfReader::pageTexts;

namespace {

// Writes a rendering of `document` into `dir` and returns the file's path.
QString pdfOf(const Printable& document, const QTemporaryDir& dir,
              const QString& name = QStringLiteral("r")) {
    const QString path = dir.filePath(name + QStringLiteral(".pdf"));
    const QString failure = writePdf(document.paginate(Clock::now()), path);
    if (!failure.isEmpty())
        qFatal("PDF not written: %s", qPrintable(failure));
    return path;
}

DataTable numberedRows(int count) {
    DataTable table({QStringLiteral("LINHA")});
    for (int i = 1; i <= count; ++i)
        table.addRow({QStringLiteral("Linha %1").arg(i, 3, 10, QLatin1Char('0'))});
    return table;
}

// A report with some text in every band; the detail repeats over `rows` rows.
std::unique_ptr<Report> sampleReport(int rows) {
    auto report = std::make_unique<Report>(QStringLiteral("Amostra"));
    const double width = report->bandWidth();
    report->pageHeader().setHeight(15);
    report->pageHeader().addText({0, 0, width, 7}, QStringLiteral("CABEÇALHO DA PÁGINA")).setBold();
    report->pageHeader().addText({0, 7, width, 6}, [](const PrintContext& context) {
        return QStringLiteral("Data : ") + Source::printDate()(context) +
               QStringLiteral(" Hora : ") + Source::printTime()(context);
    });
    report->pageHeader().addShape({0, 13, width, 1}, ShapeElement::Shape::HorizontalRule);
    report->titleBand().setHeight(12);
    report->titleBand()
        .addText({0, 2, width, 8}, QStringLiteral("TÍTULO DO RELATÓRIO"))
        .setPointSize(14);
    report->columnHeader().setHeight(8);
    report->columnHeader().addText({0, 1, 60, 6}, QStringLiteral("COLUNA")).setBold();
    report->detail().setHeight(8);
    report->detail().addField({0, 1, 60, 6}, QStringLiteral("LINHA"));
    report->summary().setHeight(10);
    report->summary().addText({0, 2, width, 6}, QStringLiteral("RESUMO FINAL"));
    report->pageFooter().setHeight(10);
    report->pageFooter().addText({0, 2, width, 6}, [](const PrintContext& context) {
        return QStringLiteral("Página: ") + Source::pageNumber()(context);
    });
    report->setData(numberedRows(rows));
    return report;
}

// Ink seen in a box of a page picture: the share of pixels that are not white.
double ink(const QImage& image, const QRect& box) {
    int dark = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 200;
    return double(dark) / (box.width() * box.height());
}

QByteArray jpegOf(const QImage& image, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", quality);
    return bytes;
}

// A photo-like picture that no encoder squeezes much: gradients under noise.
QImage noisyPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int noise = int(random.bounded(40));
            image.setPixel(x, y,
                           qRgb((x * 200 / width + noise) % 256, (y * 200 / height + noise) % 256,
                                90 + noise));
        }
    return image;
}

} // namespace

class ReportEngine : public QObject {
    Q_OBJECT
private slots:
    void init() { Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15))); }
    void cleanup() { Clock::setFixed({}); }

    void detailBreaksToNewPagesUnderTheRepeatedHeader() {
        QTemporaryDir dir;
        // Body of a page: 297 - 20 margins - 15 header - 10 footer = 252 mm; the first
        // page also holds the title (12) and every page the column header (8).
        const std::unique_ptr<Report> report = sampleReport(70);
        const QString pdf = pdfOf(*report, dir);
        QCOMPARE(pageCount(pdf), 3);
        const QStringList pages = pageTexts(pdf);
        QCOMPARE(pages.size(), 3);

        QStringList rowsSeen;
        for (int p = 0; p < pages.size(); ++p) {
            const QString& text = pages.at(p);
            const int header = text.indexOf(QStringLiteral("CABEÇALHO DA PÁGINA"));
            const int columns = text.indexOf(QStringLiteral("COLUNA"));
            QVERIFY2(header >= 0 && columns > header, qPrintable(text));
            QVERIFY(text.contains(QStringLiteral("Data : 05/03/2024 Hora : 14:30:15")));
            QCOMPARE(text.contains(QStringLiteral("TÍTULO DO RELATÓRIO")), p == 0);
            QCOMPARE(text.contains(QStringLiteral("RESUMO FINAL")), p == 2);
            QVERIFY(text.contains(QStringLiteral("Página: %1").arg(p + 1)));
            const QStringList rows = text.split(QLatin1Char('\n')).filter(QStringLiteral("Linha "));
            QVERIFY(text.indexOf(rows.first()) > columns);
            QVERIFY(text.indexOf(QStringLiteral("Página: ")) > text.indexOf(rows.last()));
            rowsSeen += rows;
        }
        QStringList expected;
        for (int i = 1; i <= 70; ++i)
            expected << QStringLiteral("Linha %1").arg(i, 3, 10, QLatin1Char('0'));
        QCOMPARE(rowsSeen, expected);
        QCOMPARE(pages.at(0).count(QStringLiteral("Linha ")), 29); // (252 - 12 - 8) / 8
        QCOMPARE(pages.at(1).count(QStringLiteral("Linha ")), 30); // (252 - 8) / 8

        // The header is printed the same on every page, at the same place.
        const QRect top(0, 0, 413, 50); // 210 x 25 mm at 50 dpi
        QCOMPARE(pageImage(pdf, 3).copy(top), pageImage(pdf, 1).copy(top));
        QVERIFY(ink(pageImage(pdf, 2), QRect(20, 20, 300, 20)) > 0.01);
    }

    // Groups within groups: a header where a run of equal values starts, a footer
    // with the run's count where it ends, inner ones closing before outer ones.
    void groupsFrameTheirRunsOfRows() {
        QTemporaryDir dir;
        Report report(QStringLiteral("Grupos"));
        const double width = report.bandWidth();
        DataTable rows({QStringLiteral("AVALIADOR"), QStringLiteral("DIA"), QStringLiteral("LINHA")});
        const QStringList fixture{"01 1 a", "01 1 b", "01 2 c", "02 2 d", "02 3 e", "02 3 f", "02 3 g"};
        for (const QString& line : fixture)
            rows.addRow({line.section(' ', 0, 0), line.section(' ', 1, 1), line.section(' ', 2, 2)});
        report.setData(rows);
        Report::Group& assessor = report.addGroup(QStringLiteral("AVALIADOR"));
        assessor.header.setHeight(7);
        assessor.header.addText({0, 0, width, 6}, [](const PrintContext& c) { return "Avaliador " + c.value("AVALIADOR").toString(); });
        assessor.footer.setHeight(7);
        assessor.footer.addText({0, 0, width, 6}, [](const PrintContext& c) { return "Geral " + Source::rowCount()(c); });
        Report::Group& day = report.addGroup(QStringLiteral("DIA"));
        day.header.setHeight(7);
        day.header.addText({0, 0, width, 6}, [](const PrintContext& c) { return "Dia " + c.value("DIA").toString(); });
        day.footer.setHeight(7);
        day.footer.addText({0, 0, width, 6}, [](const PrintContext& c) { return "Dia total " + Source::rowCount()(c); });
        report.detail().setHeight(7);
        report.detail().addField({0, 0, width, 6}, QStringLiteral("LINHA"));
        report.summary().setHeight(7);
        report.summary().addText({0, 0, width, 6}, [](const PrintContext& c) { return "Período " + Source::rowCount()(c); });

        QStringList lines = pageTexts(pdfOf(report, dir)).first().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines, (QStringList{"Avaliador 01", "Dia 1", "a", "b", "Dia total 2", "Dia 2", "c", "Dia total 1", "Geral 3",
                                     "Avaliador 02", "Dia 2", "d", "Dia total 1", "Dia 3", "e", "f", "g", "Dia total 3", "Geral 4",
                                     "Período 7"}));
    }

    void switchedOffBandLeavesNoTrace_data() {
        QTest::addColumn<QString>("band");
        for (const char* band : {"page header", "title", "column header", "detail", "summary",
                                 "page footer", "child of the title"})
            QTest::newRow(band) << QString::fromLatin1(band);
    }
    void switchedOffBandLeavesNoTrace() {
        QFETCH(QString, band);
        // The marked band, switched on or off, against the same report without it.
        const auto build = [&](bool marked, bool enabled) {
            std::unique_ptr<Report> report = sampleReport(5);
            report->titleBand().addChild(0);
            const QHash<QString, Band*> bands{
                {QStringLiteral("page header"), &report->pageHeader()},
                {QStringLiteral("title"), &report->titleBand()},
                {QStringLiteral("column header"), &report->columnHeader()},
                {QStringLiteral("detail"), &report->detail()},
                {QStringLiteral("summary"), &report->summary()},
                {QStringLiteral("page footer"), &report->pageFooter()},
                {QStringLiteral("child of the title"), report->titleBand().child()}};
            Band& chosen = *bands.value(band);
            if (marked) {
                chosen.setHeight(chosen.height() + 20);
                chosen.addShape({20, 1, 60, 18}, ShapeElement::Shape::Rectangle)
                    .setFill(Qt::darkRed);
                chosen.addText({100, 5, 50, 8}, QStringLiteral("MARCA"));
            } else {
                chosen.setHeight(0);
                for (const auto& element : chosen.elements())
                    element->setVisible(false);
            }
            chosen.setEnabled(enabled);
            return report;
        };
        QTemporaryDir dir;
        const QString on = pdfOf(*build(true, true), dir, QStringLiteral("on"));
        const QString off = pdfOf(*build(true, false), dir, QStringLiteral("off"));
        const QString without = pdfOf(*build(false, true), dir, QStringLiteral("without"));

        QVERIFY(pageTexts(on).join(QString()).contains(QStringLiteral("MARCA")));
        QVERIFY(!pageTexts(off).join(QString()).contains(QStringLiteral("MARCA")));
        QCOMPARE(pageCount(off), pageCount(without));
        QVERIFY(pageImage(on, 1) != pageImage(without, 1));
        QCOMPARE(pageImage(off, 1), pageImage(without, 1));
    }

    void aSwitchedOffBandKeepsItsChildren() {
        Report report;
        report.titleBand().setHeight(10);
        report.titleBand().addText({0, 0, 100, 8}, QStringLiteral("COMPOSIÇÃO CORPORAL"));
        report.titleBand().addChild(10).addText({0, 0, 100, 8}, QStringLiteral("COMPARATIVO"));
        report.titleBand().setEnabled(false);
        QTemporaryDir dir;
        const QString text = pageTexts(pdfOf(report, dir)).join(QString());
        QVERIFY(!text.contains(QStringLiteral("COMPOSIÇÃO")));
        QVERIFY(text.contains(QStringLiteral("COMPARATIVO")));
    }

    void growingContentPushesTheNextBandDown_data() {
        QTest::addColumn<bool>("rich");
        QTest::addColumn<bool>("grows");
        QTest::newRow("text growing") << false << true;
        QTest::newRow("text of fixed height") << false << false;
        QTest::newRow("rich text growing") << true << true;
        QTest::newRow("rich text of fixed height") << true << false;
    }
    void growingContentPushesTheNextBandDown() {
        QFETCH(bool, rich);
        QFETCH(bool, grows);
        QStringList words;
        for (int i = 1; i <= 60; ++i)
            words << QStringLiteral("palavra%1").arg(i);
        Report report;
        report.titleBand().setHeight(12);
        const QRectF frame(0, 2, 45, 8);
        if (rich)
            report.titleBand()
                .addRichText(frame, Source::fixed(QStringLiteral("<p><b>Introdução</b></p><p>") +
                                                  words.join(' ') + QStringLiteral("</p>")))
                .setGrowsDown(grows);
        else
            report.titleBand()
                .addText(frame, QStringLiteral("Introdução ") + words.join(' '))
                .setGrowsDown(grows);
        report.summary().setHeight(8);
        report.summary().addText({0, 1, 100, 6}, QStringLiteral("DEPOIS DO TEXTO"));

        QTemporaryDir dir;
        const QString pdf = pdfOf(report, dir);
        const QString text = pageTexts(pdf).join(QString()).simplified();
        QVERIFY(text.startsWith(QStringLiteral("Introdução palavra1 palavra2")));
        QCOMPARE(text.contains(QStringLiteral("palavra59 palavra60 DEPOIS DO TEXTO")), grows);

        // Growing, the next band moves below the whole text; otherwise it stays.
        const QImage page = pageImage(pdf, 1);
        const int below =
            int(std::round((10 + 12 + 1) / 25.4 * 50)); // where DEPOIS is unless pushed
        if (grows)
            QVERIFY(ink(page, QRect(20, below + 120, 120, 60)) > 0.01);
        else
            QCOMPARE(ink(page, QRect(20, below + 40, 300, 400)), 0.0);
    }

    void picturesAreStoredOnceAndSmall() {
        const QByteArray photo = jpegOf(noisyPicture(1600, 1200), 80);
        std::unique_ptr<Report> report = sampleReport(70); // three pages
        report->pageHeader()
            .addImage({150, 0, 40, 13}, ImageElement::fixed(photo))
            .setFit(ImageElement::Fit::KeepProportion);
        report->titleBand().addImage({150, 0, 30, 12},
                                     ImageElement::fixed(QByteArray("not a JPEG at all")));
        report->titleBand().addShape({150, 0, 30, 12}, ShapeElement::Shape::Rectangle);
        QTemporaryDir dir;
        const QString pdf = pdfOf(*report, dir);

        const QStringList placed = test::PdfReader::images(pdf);
        QCOMPARE(placed.size(), 3); // the photo on each page, the unreadable bytes nowhere
        const QString object = placed.first().section(QLatin1Char(' '), 1);
        for (const QString& place : placed)
            QCOMPARE(place.section(QLatin1Char(' '), 1), object);
        // A 13 mm tall frame needs about 100 x 100 pixels at print resolution.
        QVERIFY2(QFileInfo(pdf).size() < photo.size() / 4,
                 qPrintable(QStringLiteral("%1 bytes of PDF for %2 of JPEG")
                                .arg(QFileInfo(pdf).size())
                                .arg(photo.size())));
        // The unreadable picture leaves its frame empty: only the outline is inked.
        const QImage page = pageImage(pdf, 1, 100);
        const int left = int((10 + 150 + 2) / 25.4 * 100);
        const int top = int((10 + 15 + 2) / 25.4 * 100);
        QCOMPARE(ink(page, QRect(left, top, int(26 / 25.4 * 100), int(8 / 25.4 * 100))), 0.0);
    }

    void chartsShowTitlesLegendsAxesAndValues() {
        Report report;
        const QStringList dates{QStringLiteral("05/01/2024"), QStringLiteral("05/02/2024"),
                                QStringLiteral("05/03/2024")};
        report.titleBand().setHeight(180);
        report.titleBand()
            .addChart({0, 0, 90, 80}, ChartElement::Kind::Bars)
            .setTitle(QStringLiteral("Peso Atual"))
            .setCategories(dates)
            .addSeries({QStringLiteral("Peso"), QColor(0, 128, 0), {72.5, 71, std::nan("")}})
            .addSeries({QStringLiteral("Peso Ideal"), QColor(0, 64, 128), {68, 68, 68}})
            .setAxisTitles(QStringLiteral("Avaliações"), QStringLiteral("Kg"))
            .setValueLabels(true);
        report.titleBand()
            .addChart({100, 0, 90, 80}, ChartElement::Kind::Lines)
            .setTitle(QStringLiteral("Frequência Cardíaca"))
            .setCategories({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                            QStringLiteral("4")})
            .addSeries({QStringLiteral("Esforço"), QColor(128, 0, 0), {90, 120, 150, 171}})
            .setAxisTitles(QStringLiteral("Tempo"), QStringLiteral("Bpm"));
        QTemporaryDir dir;
        const QString pdf = pdfOf(report, dir);
        const QString text = pageTexts(pdf).join(QString());
        for (const char* shown : {"Peso Atual", "Frequência Cardíaca", "Peso Ideal", "Esforço",
                                  "Avaliações", "Tempo", "Kg", "Bpm", "72,5", "05/02/2024", "200"})
            QVERIFY2(text.contains(QString::fromUtf8(shown)), shown);

        // Bars in their series' colours; the missing value leaves its slot empty.
        const QImage page = pageImage(pdf, 1, 100);
        const auto coloured = [&](const QRect& box, QRgb colour) {
            int count = 0;
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x) {
                    const QRgb p = page.pixel(x, y);
                    count += std::abs(qRed(p) - qRed(colour)) +
                                 std::abs(qGreen(p) - qGreen(colour)) +
                                 std::abs(qBlue(p) - qBlue(colour)) <
                             40;
                }
            return count;
        };
        const auto millimetres = [](double x, double y, double width, double height) {
            const double k = 100 / 25.4; // pixels per millimetre at 100 dpi
            return QRect(int(x * k), int(y * k), int(width * k), int(height * k));
        };
        // The bar chart's plot runs from about 19 to 100 mm, a third for each date.
        QVERIFY(coloured(millimetres(19, 15, 27, 60), qRgb(0, 128, 0)) > 200);
        QVERIFY(coloured(millimetres(19, 15, 81, 60), qRgb(0, 64, 128)) > 600);
        QCOMPARE(coloured(millimetres(74, 15, 10, 60), qRgb(0, 128, 0)), 0);
        QVERIFY(coloured(millimetres(110, 10, 90, 80), qRgb(128, 0, 0)) > 50);
    }

    // A band taller than a page goes on over the next pages, cut between lines:
    // every line printed once, the page frame on every page, the next band after it.
    void bandTallerThanAPageGoesOnOverPages() {
        Report report;
        const double width = report.bandWidth();
        report.pageHeader().setHeight(10);
        report.pageHeader().addText({0, 0, width, 6}, QStringLiteral("CABEÇALHO"));
        report.pageFooter().setHeight(10);
        report.pageFooter().addText({0, 2, width, 6}, [](const PrintContext& context) {
            return QStringLiteral("RODAPÉ ") + Source::pageNumber()(context);
        });
        QStringList lines;
        for (int i = 1; i <= 150; ++i)
            lines << QStringLiteral("Linha %1 do texto").arg(i, 3, 10, QLatin1Char('0'));
        report.titleBand().setHeight(20);
        report.titleBand().addText({0, 0, width, 8}, QStringLiteral("TÍTULO"));
        report.titleBand().addRichText({0, 10, width, 5}, Source::fixed(lines.join('\n')));
        report.summary().setHeight(8);
        report.summary().addText({0, 1, width, 6}, QStringLiteral("FIM DO TEXTO"));

        QTemporaryDir dir;
        const QStringList pages = pageTexts(pdfOf(report, dir), true);
        QVERIFY(pages.size() >= 3);
        const QString all = pages.join(QLatin1Char('\n'));
        for (const QString& line : lines)
            QVERIFY2(all.count(line) == 1, qPrintable(line));
        for (int p = 0; p < pages.size(); ++p) {
            QVERIFY(pages.at(p).contains(QStringLiteral("CABEÇALHO")));
            QVERIFY(pages.at(p).contains(QStringLiteral("RODAPÉ %1").arg(p + 1)));
        }
        QVERIFY(pages.last().indexOf(QStringLiteral("Linha 150")) <
                pages.last().indexOf(QStringLiteral("FIM DO TEXTO")));
    }

    // A bar just below a round number gets one more step of scale, so that its
    // value label stays under the chart's title.
    void valueLabelsKeepRoomAboveTheHighestBar() {
        Report report;
        report.titleBand().setHeight(60);
        report.titleBand()
            .addChart({0, 0, 90, 50}, ChartElement::Kind::Bars)
            .setTitle(QStringLiteral("Massa Magra"))
            .addSeries({QString(), QColor(0, 128, 0), {49.65}})
            .setValueLabels(true);
        QTemporaryDir dir;
        const QString text = pageTexts(pdfOf(report, dir)).join(QString());
        QVERIFY(text.contains(QStringLiteral("49,65")));
        QVERIFY(text.contains(QStringLiteral("60")));
    }

    void compositeAsksForItsMembersBeforeEachRendering() {
        int asked = 0;
        const auto member = [](const QString& text, QPageLayout::Orientation orientation) {
            auto report = std::make_shared<Report>();
            report->setOrientation(orientation);
            report->titleBand().setHeight(10);
            report->titleBand().addText({0, 0, 100, 8}, text);
            return report;
        };
        CompositeReport composite(QStringLiteral("Mt_0000000001-05-03-2024"), [&] {
            ++asked;
            CompositeReport::Members members;
            if (asked == 1)
                members.push_back(member(QStringLiteral("FOLHA DE ROSTO"), QPageLayout::Portrait));
            members.push_back(member(QStringLiteral("PÁGINA DEITADA"), QPageLayout::Landscape));
            members.push_back(member(QStringLiteral("ÚLTIMA PÁGINA"), QPageLayout::Portrait));
            return members;
        });
        QTemporaryDir dir;
        const QString first = pdfOf(composite, dir, QStringLiteral("first"));
        QCOMPARE(asked, 1);
        const QStringList pages = pageTexts(first);
        QCOMPARE(pages.size(), 3);
        QCOMPARE(pages.at(0).trimmed(), QStringLiteral("FOLHA DE ROSTO"));
        QCOMPARE(pages.at(1).trimmed(), QStringLiteral("PÁGINA DEITADA"));
        QCOMPARE(pages.at(2).trimmed(), QStringLiteral("ÚLTIMA PÁGINA"));
        QCOMPARE(test::PdfReader::pageSize(first, 1), QSizeF(595, 842));
        QCOMPARE(test::PdfReader::pageSize(first, 2), QSizeF(842, 595));

        const QString second = pdfOf(composite, dir, QStringLiteral("second"));
        QCOMPARE(asked, 2);
        QCOMPARE(pageCount(second), 2);
        QCOMPARE(pageTexts(second).at(0).trimmed(), QStringLiteral("PÁGINA DEITADA"));
    }
};

QTEST_MAIN(ReportEngine)
#include "tst_report_engine.moc"
