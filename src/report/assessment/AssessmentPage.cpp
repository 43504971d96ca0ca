#include "report/assessment/AssessmentPage.h"

#include "data/AssessmentRecord.h"
#include "domain/DateText.h"

namespace kelvora::report::AssessmentPage {

namespace {

void dates(Band& band, double y, double width, const AssessmentRecord& record)
{
    band.addText({0, y, 80, 5},
                 QStringLiteral("Data do Exame : ") + DateText::format(record.examDate()));
    band.addText({width - 80, y, 80, 5},
                 [](const PrintContext& context) {
                     return QStringLiteral("Data : ") + Source::printDate()(context) +
                            QStringLiteral("      Hora : ") + Source::printTime()(context);
                 })
        .setAlignment(Qt::AlignRight | Qt::AlignTop);
}

} // namespace

std::shared_ptr<Report> make(const AssessmentRecord& record, Header header)
{
    auto report = std::make_shared<Report>(record.title()); // A4 upright, 10 mm margins
    const double width = report->bandWidth();

    Band& top = report->pageHeader();
    if (header == Header::StudentAndDates) {
        top.setHeight(15);
        top.addText({0, 0, 55, 5}, QStringLiteral("Matrícula  : ") + record.registration())
            .setBold();
        top.addText({58, 0, width - 58, 5},
                    QStringLiteral("Nome : ") +
                        record.student().value(QStringLiteral("NOME")).toString())
            .setBold();
        dates(top, 6, width, record);
        top.addShape({0, 11.5, width, 1}, ShapeElement::Shape::HorizontalRule).setLineWidth(0.4);
    } else if (header == Header::DatesOnly) {
        top.setHeight(9);
        dates(top, 0, width, record);
        top.addShape({0, 5.5, width, 1}, ShapeElement::Shape::HorizontalRule).setLineWidth(0.4);
    }

    Band& foot = report->pageFooter();
    foot.setHeight(11);
    foot.addShape({0, 3, width, 8}, ShapeElement::Shape::Rectangle).setLineWidth(0.3);
    foot.addText({2, 3, width - 4, 8}, record.footer())
        .setPointSize(9)
        .setAlignment(Qt::AlignCenter);
    return report;
}

void heading(Band& band, const QRectF& frame, const QString& text)
{
    band.addShape(frame, ShapeElement::Shape::Rectangle)
        .setLineWidth(0.1)
        .setColor(shade())
        .setFill(shade());
    band.addText(frame.adjusted(2, 0, -2, 0), text)
        .setBold()
        .setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

QColor shade()
{
    return QColor(225, 232, 240);
}

} // namespace kelvora::report::AssessmentPage
