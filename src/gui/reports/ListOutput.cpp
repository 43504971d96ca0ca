#include "gui/reports/ListOutput.h"

#include "data/DataError.h"
#include "gui/reports/ReportPreview.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/WaitCursor.h"
#include "report/Report.h"

namespace kelvora {

void outputList(QWidget* parent, const std::function<MadeList()>& make, bool preview)
{
    MadeList made;
    try {
        const WaitCursor waiting;
        made = make();
    } catch (const DataError& error) {
        Messages::showDataError(error);
        return;
    }
    if (!made.list)
        Messages::inform(made.refusal, made.detail);
    else if (preview)
        ReportPreview(made.list, parent).exec();
    else
        // The lists are printed upright on A4, the sheet of a page as it comes.
        ReportPreview::printOnChosenPrinter(parent, *made.list, report::Page().layout());
}

} // namespace kelvora
