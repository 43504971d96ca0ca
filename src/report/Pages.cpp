#include "report/Pages.h"

namespace kelvora::report {

QSizeF Page::paperSize() const
{
    const QSizeF portrait = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    return orientation == QPageLayout::Portrait ? portrait : portrait.transposed();
}

QPageLayout Page::layout() const
{
    return QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(), QPageLayout::Millimeter);
}

void Pages::append(Pages&& other)
{
    m_pages += std::move(other.m_pages);
    for (auto& owner : other.m_owners)
        m_owners.push_back(std::move(owner));
}

} // namespace kelvora::report
