#pragma once

#include "report/Pages.h"

#include <functional>
#include <memory>
#include <vector>

namespace kelvora::report {

// Several documents printed as one, each starting on a new sheet. The members are
// asked for again before every rendering, so that what is printed from a preview
// follows the choices made since it was opened.
class CompositeReport : public Printable {
public:
    using Members = std::vector<std::shared_ptr<const Printable>>;

    CompositeReport(QString title, std::function<Members()> members)
        : m_title(std::move(title))
        , m_members(std::move(members))
    {
    }

    QString title() const override { return m_title; }
    Pages paginate(const QDateTime& printedAt) const override;

private:
    QString m_title;
    std::function<Members()> m_members;
};

} // namespace kelvora::report
