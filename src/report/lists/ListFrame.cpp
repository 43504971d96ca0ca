#include "report/lists/ListFrame.h"

namespace kelvora::report {

void frameList(Report& report, const QString& gymName, const QString& title,
               const QString& subtitle)
{
    const double width = report.bandWidth();
    Band& header = report.pageHeader();
    header.setHeight(26);
    header.addText({0, 0, width, 8}, gymName)
        .setPointSize(14)
        .setBold()
        .setAlignment(Qt::AlignCenter);
    header.addText({0, 8, width, 6}, title).setPointSize(11).setAlignment(Qt::AlignCenter);
    header.addText({0, 17, width - 82, 5}, subtitle).setPointSize(9);
    header
        .addText({width - 80, 17, 80, 5},
                 [](const PrintContext& context) {
                     return QStringLiteral("Data : %1      Hora : %2")
                         .arg(Source::printDate()(context), Source::printTime()(context));
                 })
        .setPointSize(9)
        .setAlignment(Qt::AlignRight | Qt::AlignTop);
    header.addShape({0, 23, width, 1}, ShapeElement::Shape::HorizontalRule).setLineWidth(0.4);

    Band& footer = report.pageFooter();
    footer.setHeight(9);
    footer.addShape({0, 0, width, 1}, ShapeElement::Shape::HorizontalRule).setLineWidth(0.2);
    footer
        .addText({width - 50, 3, 50, 5},
                 [](const PrintContext& context) {
                     return QStringLiteral("Página: ") + Source::pageNumber()(context);
                 })
        .setPointSize(8)
        .setAlignment(Qt::AlignRight | Qt::AlignTop);
}

void columnCaptions(Report& report, const QVector<QPair<double, QString>>& captions)
{
    const double width = report.bandWidth();
    Band& columns = report.columnHeader();
    columns.setHeight(8);
    for (int i = 0; i < captions.size(); ++i) {
        const double right = i + 1 < captions.size() ? captions.at(i + 1).first : width;
        columns
            .addText({captions.at(i).first, 1.5, right - captions.at(i).first - 2, 5},
                     captions.at(i).second)
            .setBold();
    }
    columns.addShape({0, 7, width, 1}, ShapeElement::Shape::HorizontalRule).setLineWidth(0.2);
}

} // namespace kelvora::report
