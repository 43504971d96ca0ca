// The assessment report of one student as the gym hands it over: cover with the logo,
// introduction with the photo, the eight body-composition pages and the four
// comparisons, read from the database and written to PDF. Prints how long that takes
// (goal: under 0.5 s) and how big the file is against its JPEG bytes (goal: no more
// than 150 kB above them). Runs on SQLite. Run by hand: bench_assessment_report [out.pdf]
#include "data/AssessmentRecord.h"
#include "data/Companion.h"
#include "domain/YesNo.h"
#include "report/assessment/AssessmentReport.h"
#include "report/Output.h"
#include "support/AssessmentFixture.h"
#include "Timings.h"

#include <QApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QRandomGenerator>

#include <cstdio>

using namespace kelvora;
using namespace kelvora::test;

namespace {

// A photo-like JPEG of 640 x 480 pixels, as the webcam stores them.
QByteArray photo(quint32 seed, QColor tint)
{
    QImage image(640, 480, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int noise = int(random.bounded(24));
            image.setPixel(x, y,
                           qRgb((tint.red() + x / 5 + noise) % 256,
                                (tint.green() + y / 4 + noise) % 256, (tint.blue() + noise) % 256));
        }
    QPainter painter(&image);
    painter.setBrush(QColor(230, 190, 160));
    painter.drawEllipse(QPointF(320, 200), 110, 140);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 80);
    return bytes;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString output =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("bench_assessment.pdf");

    AssessmentFixture fixture(Sqlite);
    const QByteArray studentPhoto = photo(1, QColor(40, 90, 140));
    const QByteArray logo = photo(2, QColor(140, 60, 40));
    fixture.own->execute(QStringLiteral("FotosAlunos"),
                         QStringLiteral("UPDATE FotosAlunos SET FOTO1 = ?"), {studentPhoto});
    fixture.own->execute(QStringLiteral("Moxcvar"),
                         QStringLiteral("UPDATE Moxcvar SET LOGOACADEMIA1 = ?"), {logo});
    auto brandel = fixture.db.connect(Connection::Brandel);
    const Companion companion = Companion::fromSettings(*fixture.own, *brandel, Nao);

    QVector<double> times;
    int pageCount = 0;
    for (int run = 0; run < 10; ++run) {
        QElapsedTimer timer;
        timer.start();
        const AssessmentRecord record = AssessmentRecord::read(
            *fixture.own, companion, AssessmentFixture::Number, AssessmentFixture::Third);
        const auto report =
            kelvora::report::assessmentReport(record, kelvora::report::printablePages());
        const kelvora::report::Pages pages = report->paginate(QDateTime::currentDateTime());
        const QString failure = kelvora::report::writePdf(pages, output);
        if (!failure.isEmpty()) {
            std::fprintf(stderr, "PDF not written: %s\n", qPrintable(failure));
            return 1;
        }
        times.append(bench::ms(timer));
        pageCount = pages.count();
    }
    const bench::Spread spread = bench::spread(times);
    const qint64 jpegBytes = studentPhoto.size() + logo.size();
    const qint64 pdfBytes = QFileInfo(output).size();
    std::printf("%d pages, 10 runs: median %.1f ms, worst %.1f ms (goal < 500 ms)\n", pageCount,
                spread.median, spread.worst);
    std::printf("%s: %lld bytes; JPEG %lld bytes; above them %lld bytes (goal <= 153600)\n",
                qPrintable(output), qlonglong(pdfBytes), qlonglong(jpegBytes),
                qlonglong(pdfBytes - jpegBytes));
    return 0;
}
