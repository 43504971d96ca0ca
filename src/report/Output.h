#pragma once

#include "report/Pages.h"

#include <QImage>

class QIODevice;
class QPainter;
class QPagedPaintDevice;
class QPrinter;

namespace kelvora::report {

// Paints `page` on a painter whose unit is one dot from the paper's top-left corner.
void paintPage(QPainter& painter, const Page& page);

// The page as a picture `width` pixels wide, on white.
QImage pageImage(const Page& page, int width);

// Writes every page into a PDF file, without a window. The file is replaced only
// when the whole document was written. Returns the reason of a failure, or nothing.
QString writePdf(const Pages& pages, const QString& fileName);
bool writePdf(const Pages& pages, QIODevice& device);

// Prints on `printer`, already chosen and set up: every page, or the range chosen.
bool print(const Pages& pages, QPrinter& printer);

} // namespace kelvora::report
