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
        int rows = 0;
        m_groupStarts.resize(m_report.groups().size());
        if (const DataTable* data = m_report.data()) {
            rows = data->rowCount();
            for (int row = 0; row < rows; ++row)
                placeRow(*data, row);
            closeGroups(*data, 0, rows - 1);
        } else {
            place(m_report.detail(), context());
        }
        PrintContext summary = context();
        summary.rowCount = rows;
        place(m_report.summary(), summary);
        finishPage(true);
        return std::move(m_sheets);
    }

private:
    // The detail of `row`, with the footers of the groups that ended before it and
    // the headers of those it starts.
    void placeRow(const DataTable& data, int row)
    {
        const std::deque<Report::Group>& groups = m_report.groups();
        int changed = 0;
        if (row > 0) {
            while (changed < int(groups.size()) && data.value(row, groups[changed].column) ==
                                                       data.value(row - 1, groups[changed].column))
                ++changed;
            closeGroups(data, changed, row - 1);
        }
        for (int g = changed; g < int(groups.size()); ++g) {
            m_groupStarts[g] = row;
            place(groups[g].header, context(&data, row));
        }
        place(m_report.detail(), context(&data, row));
    }

    // The footers, innermost first, of the groups from `outermost` in, which end at
    // `lastRow`.
    void closeGroups(const DataTable& data, int outermost, int lastRow)
    {
        const std::deque<Report::Group>& groups = m_report.groups();
        if (lastRow < 0)
            return;
        for (int g = int(groups.size()) - 1; g >= outermost; --g) {
            PrintContext footer = context(&data, lastRow);
            footer.rowCount = lastRow - m_groupStarts[g] + 1;
            place(groups[g].footer, footer);
        }
    }

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
    // too tall for a page of its own goes on over as many as it needs.
    void place(const Band& first, const PrintContext& bandContext)
    {
        for (const Band* band = &first; band; band = band->child()) {
            if (!band->isEnabled())
                continue;
            PrintContext printed = bandContext;
            Band::Measure measure = band->measure(printed);
            if (m_y + measure.height > m_bottom + 1e-6 && !m_bodyEmpty && band->isKeptTogether()) {
                nextPage();
                printed.page = m_pageNumber;
                measure = band->measure(printed);
            }
            if (m_y + measure.height > m_bottom + 1e-6)
                placeOverPages(*band, std::move(measure), printed);
            else
                put(*band, measure, printed);
            m_bodyEmpty = false;
        }
    }

    // A band taller than the room left on this page: each page shows the next part
    // of it, cut between lines of its elements.
    void placeOverPages(const Band& band, Band::Measure measure, PrintContext printed)
    {
        double from = 0;
        for (;;) {
            const double room = m_bottom - m_y;
            if (measure.height - from <= room + 1e-6) {
                putPart(band, measure, printed, from, measure.height - from);
                return;
            }
            double cut = band.breakBefore(from + room, measure, printed);
            if (cut <= from + 1e-6 && m_bodyEmpty) // nothing whole fits a page: cut at its end
                cut = from + room;
            if (cut > from + 1e-6) {
                putPart(band, measure, printed, from, cut - from);
                from = cut;
            }
            nextPage();
            printed.page = m_pageNumber;
        }
    }

    void nextPage()
    {
        finishPage(false);
        startPage();
    }

    void put(const Band& band, Band::Measure measure, const PrintContext& printed)
    {
        if (measure.height <= 0 && band.elements().empty())
            return;
        m_sheets.last().bands.append({&band, m_y, std::move(measure), printed});
        m_y += measure.height;
    }

    void putPart(const Band& band, const Band::Measure& measure, const PrintContext& printed,
                 double from, double shown)
    {
        m_sheets.last().bands.append({&band, m_y, measure, printed, from, shown});
        m_y += shown;
        m_bodyEmpty = false;
    }

    const Report& m_report;
    QDateTime m_printedAt;
    std::vector<int> m_groupStarts; // the first row of each open group
    QVector<Page> m_sheets;
    int m_pageNumber = 0;
    double m_y = 0;
    double m_bottom = 0;
    bool m_bodyEmpty = true;
};

} // namespace

Report::Group& Report::addGroup(const QString& column)
{
    Group& group = m_groups.emplace_back();
    group.column = column;
    return group;
}

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
