#include "report/CompositeReport.h"

namespace kelvora::report {

Pages CompositeReport::paginate(const QDateTime& printedAt) const
{
    Pages pages(m_title);
    for (const std::shared_ptr<const Printable>& member : m_members()) {
        pages.append(member->paginate(printedAt));
        pages.keepAlive(member);
    }
    return pages;
}

} // namespace kelvora::report
