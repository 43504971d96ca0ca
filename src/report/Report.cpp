#include "report/Report.h"

namespace kelvora::report {

namespace {

// Lays one report out, band after band, page after page.
class Paginator {
public:
    Paginator(const Report& report, const QDateTime& printedAt)
        : m_report(report)
        , m_printedAt(printedAt)
    {
    }

    QVector<Page> run()
    {
        startPage();
        place(m_report.titleBand(), context());
        place(m_report.columnHeader(), context());
        if (const DataTable* data = m_report.data()) {
            for (int row = 0; row < data->rowCount(); ++row)
                place(m_report.detail(), context(data, row));
        } else {
            place(m_report.detail(), context());
        }
        place(m_report.summary(), context());
        finishPage(true);
        return std::move(m_sheets);
    }

private:
    PrintContext context(const DataTable* table = nullptr, int row = -1) const
    {
        return {table, row, m_pageNumber, m_printedAt};
    }

    void startPage()
    {
        ++m_pageNumber;
        Page page;
        page.orientation = m_report.orientation();
        page.leftMargin = m_report.margins().left();
        m_y = m_report.margins().top();
        m_bottom = page.paperSize().height() - m_report.margins().bottom() -
                   chainHeight(m_report.pageFooter());
        m_sheets.append(std::move(page));
        if (m_pageNumber > 1 || m_report.headerOnFirstPage())
            placeOnThisPage(m_report.pageHeader());
        if (m_pageNumber > 1)
            placeOnThisPage(m_report.columnHeader());
        m_bodyEmpty = true;
    }

    void finishPage(bool last)
    {
        if (last && !m_report.footerOnLastPage())
            return;
        m_y = m_bottom;
        placeOnThisPage(m_report.pageFooter());
    }

    double chainHeight(const Band& first) const
    {
        double height = 0;
        for (const Band* band = &first; band; band = band->child())
            if (band->isEnabled())
                height += band->measure(context()).height;
        return height;
    }

    // Bands of the page's frame: always on this page.
    void placeOnThisPage(const Band& first)
    {
        for (const Band* band = &first; band; band = band->child())
            if (band->isEnabled())
                put(*band, band->measure(context()), context());
    }

    // Bands of the body: on a new page when they do not fit above the footer. One
    // too tall for any page is cut off at the page's bottom edge.
    void place(const Band& first, const PrintContext& bandContext)
    {
        for (const Band* band = &first; band; band = band->child()) {
            if (!band->isEnabled())
                continue;
            PrintContext printed = bandContext;
            Band::Measure measure = band->measure(printed);
            if (m_y + measure.height > m_bottom + 1e-6 && !m_bodyEmpty) {
                finishPage(false);
                startPage();
                printed.page = m_pageNumber;
                measure = band->measure(printed);
            }
            put(*band, measure, printed);
            m_bodyEmpty = false;
        }
    }

    void put(const Band& band, Band::Measure measure, const PrintContext& printed)
    {
        if (measure.height <= 0 && band.elements().empty())
            return;
        m_sheets.last().bands.append({&band, m_y, std::move(measure), printed});
        m_y += measure.height;
    }

    const Report& m_report;
    QDateTime m_printedAt;
    QVector<Page> m_sheets;
    int m_pageNumber = 0;
    double m_y = 0;
    double m_bottom = 0;
    bool m_bodyEmpty = true;
};

} // namespace

double Report::bandWidth() const
{
    return Page{m_orientation, 0, {}}.paperSize().width() - m_margins.left() - m_margins.right();
}

Pages Report::paginate(const QDateTime& printedAt) const
{
    Pages pages(m_title);
    for (Page& page : Paginator(*this, printedAt).run())
        pages.add(std::move(page));
    return pages;
}

} // namespace kelvora::report
