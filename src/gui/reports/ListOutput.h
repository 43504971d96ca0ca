#pragma once

#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace kelvora {

namespace report {
class Report;
}

// A printed list made on request, or why there is none.
struct MadeList {
    std::shared_ptr<report::Report> list;
    QString refusal;
    QString detail;
};

// Makes a list with the wait cursor up, then shows it in the preview (`preview`) or
// prints it on the printer the user chooses. A refusal, or a database failure while
// making it, is told once the cursor is back.
void outputList(QWidget* parent, const std::function<MadeList()>& make, bool preview);

} // namespace kelvora
