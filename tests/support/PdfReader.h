#pragma once

#include <QImage>
#include <QStringList>

namespace kelvora::test {

// Reads a PDF file the way a person's viewer would, with poppler's tools.
namespace PdfReader {

int pageCount(const QString& pdf);
QSizeF pageSize(const QString& pdf, int page); // points, pages from 1
// The text of each page, in reading order; with `layout`, line by line as printed.
QStringList pageTexts(const QString& pdf, bool layout = false);
// The printed lines of every page (or of page `page`, from 1), blanks folded, the
// empty ones left out: what a person reads line by line.
QStringList printedLines(const QString& pdf, int page = 0);
// The page as a picture at `dpi`.
QImage pageImage(const QString& pdf, int page, int dpi = 50);
// The pictures placed on each page, as "page object" pairs: the same object on two
// pages is one picture stored once.
QStringList images(const QString& pdf);

} // namespace PdfReader
} // namespace kelvora::test
