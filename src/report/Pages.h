#pragma once

#include "report/Band.h"

#include <QPageLayout>
#include <QVector>

#include <memory>
#include <vector>

namespace kelvora::report {

// A band as it lands on a page: its top in millimetres from the paper's top edge,
// its measured height and the context it is printed with.
struct PlacedBand {
    const Band* band;
    double top;
    Band::Measure measure;
    PrintContext context;
    // A band taller than a page goes on over several: each shows the part from
    // `from` millimetres into the band, `shown` millimetres tall (-1: all of it).
    double from = 0;
    double shown = -1;
};

// One A4 sheet of a rendering.
struct Page {
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    double leftMargin = 0; // millimetres from the paper's left edge to the bands
    QVector<PlacedBand> bands;

    QSizeF paperSize() const;   // millimetres
    QPageLayout layout() const; // A4 in the page's orientation, without margins
};

// The sheets of one rendering, in order. Its pages point into the documents that
// were laid out; documents asked for by a composite are kept alive here.
class Pages {
public:
    explicit Pages(QString title = {})
        : m_title(std::move(title))
    {
    }

    QString title() const { return m_title; }
    int count() const { return int(m_pages.size()); }
    const Page& at(int index) const { return m_pages.at(index); }
    const QVector<Page>& all() const { return m_pages; }

    void add(Page page) { m_pages.append(std::move(page)); }
    void append(Pages&& other);
    void keepAlive(std::shared_ptr<const void> owner) { m_owners.push_back(std::move(owner)); }

private:
    QString m_title;
    QVector<Page> m_pages;
    std::vector<std::shared_ptr<const void>> m_owners;
};

// Anything that can be previewed, printed or written as a PDF file.
class Printable {
public:
    virtual ~Printable() = default;
    // Names the print job and the PDF file proposed for it.
    virtual QString title() const = 0;
    // Lays the pages out afresh for one rendering; `printedAt` is the date and time
    // printed on them.
    virtual Pages paginate(const QDateTime& printedAt) const = 0;
};

} // namespace kelvora::report
