#include "report/Output.h"

#include "data/ProtectedFiles.h"
#include "report/Units.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace kelvora::report {

namespace {

// Paints the pages `first` to `last` on a paged device with `dpi` pixels per inch,
// each page on a sheet of its own orientation.
bool paintAll(const Pages& pages, QPagedPaintDevice& device, double dpi, int first, int last)
{
    if (first > last || first < 0 || last >= pages.count())
        return false;
    device.setPageLayout(pages.at(first).layout());
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int i = first; i <= last; ++i) {
        if (i > first) {
            device.setPageLayout(pages.at(i).layout());
            if (!device.newPage())
                return false;
        }
        painter.save();
        painter.scale(dpi / DotsPerInch, dpi / DotsPerInch);
        paintPage(painter, pages.at(i));
        painter.restore();
    }
    return painter.end();
}

} // namespace

void paintPage(QPainter& painter, const Page& page)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const PlacedBand& placed : page.bands) {
        const bool sliced = placed.shown >= 0;
        const QRectF slice(0, placed.top, page.paperSize().width(), placed.shown);
        painter.save();
        if (sliced)
            painter.setClipRect(dots(slice));
        const auto& elements = placed.band->elements();
        for (size_t i = 0; i < elements.size(); ++i) {
            const Element& element = *elements[i];
            if (!element.isVisible())
                continue;
            const QRectF frame = element.frame();
            const QRectF area(page.leftMargin + frame.left(),
                              placed.top - placed.from + frame.top(), frame.width(),
                              placed.measure.elementHeights.at(int(i)));
            if (sliced && !area.intersects(slice))
                continue;
            painter.save();
            element.paint(painter, dots(area), placed.context);
            painter.restore();
        }
        painter.restore();
    }
}

QImage pageImage(const Page& page, int width)
{
    const QSizeF paper = page.paperSize();
    const double scale = width / dots(paper.width());
    QImage image(width, int(dots(paper.height()) * scale + 0.5), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paintPage(painter, page);
    return image;
}

QString writePdf(const Pages& pages, const QString& fileName)
{
    if (pages.count() == 0)
        return QStringLiteral("o relatório não tem páginas");
    QSaveFile file(fileName);
    if (!ProtectedFiles::open(file))
        return file.errorString();
    if (!writePdf(pages, file) || !file.commit())
        return file.errorString();
    return {};
}

bool writePdf(const Pages& pages, QIODevice& device)
{
    QPdfWriter writer(&device);
    writer.setTitle(pages.title());
    writer.setCreator(QStringLiteral("Kelvora"));
    writer.setResolution(int(DotsPerInch));
    return paintAll(pages, writer, DotsPerInch, 0, pages.count() - 1);
}

bool print(const Pages& pages, QPrinter& printer)
{
    printer.setDocName(pages.title());
    printer.setFullPage(true);
    // A range chosen in the print dialog counts pages from 1; none means all.
    const int first = printer.fromPage() > 0 ? printer.fromPage() - 1 : 0;
    const int last =
        printer.toPage() > 0 ? std::min(printer.toPage(), pages.count()) - 1 : pages.count() - 1;
    return paintAll(pages, printer, printer.resolution(), first, last);
}

} // namespace kelvora::report
