#include "report/assessment/AssessmentReport.h"

#include "data/AssessmentRecord.h"
#include "report/assessment/BodyCompositionPages.h"
#include "report/assessment/FrontPages.h"

namespace kelvora::report {

namespace {

using reportpages::PageBox;

struct MemberPage {
    PageBox page;
    PageMaker make;
};

// Every page the report prints, in printing order: a new page is one line here.
const QVector<MemberPage>& memberPages()
{
    static const QVector<MemberPage> pages{
        {PageBox::Cover, FrontPages::cover},
        {PageBox::Introduction, FrontPages::introduction},
        {PageBox::Pollock3, BodyCompositionPages::make},
        {PageBox::Pollock7, BodyCompositionPages::make},
        {PageBox::BodyMassIndex, BodyCompositionPages::make},
        {PageBox::Slaughter, BodyCompositionPages::make},
        {PageBox::WaistHip, BodyCompositionPages::make},
        {PageBox::Faulkner, BodyCompositionPages::make},
        {PageBox::Lohman, BodyCompositionPages::make},
        {PageBox::TranWeltman, BodyCompositionPages::make},
    };
    return pages;
}

bool isBodyComposition(PageBox page)
{
    return reportpages::info(page).protocol.has_value();
}

} // namespace

std::shared_ptr<CompositeReport> assessmentReport(const AssessmentRecord& record,
                                                  const reportpages::PageSet& ticked)
{
    // Asked again before every rendering: each one gets fresh pages.
    return std::make_shared<CompositeReport>(record.title(), [record, ticked] {
        const reportpages::PageSet held = record.pagesWithData();
        CompositeReport::Members members;
        bool titled = false;
        for (const MemberPage& page : memberPages()) {
            if (!ticked.count(page.page) || !held.count(page.page))
                continue;
            const bool bodyComposition = isBodyComposition(page.page);
            if (auto made = page.make({page.page, record, ticked, bodyComposition && !titled})) {
                members.push_back(std::move(made));
                titled = titled || bodyComposition;
            }
        }
        return members;
    });
}

reportpages::PageSet printablePages()
{
    reportpages::PageSet pages;
    for (const MemberPage& page : memberPages())
        pages.insert(page.page);
    for (const reportpages::PageBoxInfo& box : reportpages::pageBoxes())
        if (box.comparisonOf && pages.count(*box.comparisonOf))
            pages.insert(box.box);
    return pages;
}

reportpages::PageSet pagesLeftOut(const AssessmentRecord& record,
                                  const reportpages::PageSet& ticked)
{
    const reportpages::PageSet held = record.pagesWithData();
    reportpages::PageSet leftOut;
    for (const MemberPage& page : memberPages())
        if (ticked.count(page.page) && !held.count(page.page))
            leftOut.insert(page.page);
    return leftOut;
}

} // namespace kelvora::report
