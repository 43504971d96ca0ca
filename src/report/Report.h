#pragma once

#include "report/Pages.h"

#include <QMarginsF>

#include <deque>
#include <optional>

namespace kelvora::report {

// A band report on A4 paper. Its pages are laid out in this order:
// - the page header at the top of every page;
// - the title once, at the start, below the page header;
// - the column header below the title on the first page, and below the page header
//   on every later page;
// - the detail once per data row, starting a new page when the next row does not
//   fit above the page footer (a report without data prints the detail once, as a
//   form with empty fields);
// - around the detail, for each group (outermost first), its header before the
//   first row of every run of rows with the same value in the group's column, and
//   its footer after the last; the data comes sorted by those columns;
// - the summary once, after the last detail;
// - the page footer at the bottom of every page.
// Every band prints with the chain of its children right after it. A band taller than
// the room of a page goes on over the next pages, cut between lines of its text.
class Report : public Printable {
public:
    // Rows that share the value of `column` form one group. Its header prints with
    // the group's first row, its footer with the last and the count of its rows.
    struct Group {
        QString column;
        Band header;
        Band footer;
    };

    explicit Report(QString title = {})
        : m_title(std::move(title))
    {
    }

    QString title() const override { return m_title; }
    void setTitle(const QString& title) { m_title = title; }

    Band& pageHeader() { return m_pageHeader; }
    Band& titleBand() { return m_titleBand; }
    Band& columnHeader() { return m_columnHeader; }
    Band& detail() { return m_detail; }
    // A group inside those added before it.
    Group& addGroup(const QString& column);
    const std::deque<Group>& groups() const { return m_groups; }
    Band& summary() { return m_summary; }
    Band& pageFooter() { return m_pageFooter; }
    const Band& pageHeader() const { return m_pageHeader; }
    const Band& titleBand() const { return m_titleBand; }
    const Band& columnHeader() const { return m_columnHeader; }
    const Band& detail() const { return m_detail; }
    const Band& summary() const { return m_summary; }
    const Band& pageFooter() const { return m_pageFooter; }

    QPageLayout::Orientation orientation() const { return m_orientation; }
    void setOrientation(QPageLayout::Orientation orientation) { m_orientation = orientation; }
    QMarginsF margins() const { return m_margins; } // millimetres
    void setMargins(const QMarginsF& margins) { m_margins = margins; }
    double bandWidth() const; // millimetres between the left and right margins

    const DataTable* data() const { return m_data ? &*m_data : nullptr; }
    void setData(DataTable data) { m_data = std::move(data); }

    // Whether the first page has its page header, and the last its page footer.
    bool headerOnFirstPage() const { return m_headerOnFirstPage; }
    void setHeaderOnFirstPage(bool printed) { m_headerOnFirstPage = printed; }
    bool footerOnLastPage() const { return m_footerOnLastPage; }
    void setFooterOnLastPage(bool printed) { m_footerOnLastPage = printed; }

    Pages paginate(const QDateTime& printedAt) const override;

private:
    QString m_title;
    Band m_pageHeader;
    Band m_titleBand;
    Band m_columnHeader;
    Band m_detail;
    std::deque<Group> m_groups; // a deque: adding a group never moves the others
    Band m_summary;
    Band m_pageFooter;
    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
    QMarginsF m_margins{10, 10, 10, 10};
    std::optional<DataTable> m_data;
    bool m_headerOnFirstPage = true;
    bool m_footerOnLastPage = true;
};

} // namespace kelvora::report
