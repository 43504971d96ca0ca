#include "report/users/UserListReport.h"

namespace kelvora::report::UserListReport {

std::unique_ptr<Report> build(const QString& gymName, const Users::Interval& interval,
                              const QVector<Users::Entry>& users)
{
    auto report = std::make_unique<Report>(Title);
    const double width = report->bandWidth();
    DataTable rows({QStringLiteral("CODIGO"), QStringLiteral("NOME")});
    for (const Users::Entry& user : users)
        rows.addRow({user.code, user.name});
    const int count = rows.rowCount();
    report->setData(std::move(rows));

    Band& header = report->pageHeader();
    header.setHeight(26);
    header.addText({0, 0, width, 8}, gymName)
        .setPointSize(14)
        .setBold()
        .setAlignment(Qt::AlignCenter);
    header.addText({0, 8, width, 6}, Title).setPointSize(11).setAlignment(Qt::AlignCenter);
    header
        .addText({0, 17, 110, 5}, QStringLiteral("Código Inicial : %1      Código Final : %2")
                                      .arg(interval.first, interval.last))
        .setPointSize(9);
    header
        .addText({width - 80, 17, 80, 5},
                 [](const PrintContext& context) {
                     return QStringLiteral("Data : %1      Hora : %2")
                         .arg(Source::printDate()(context), Source::printTime()(context));
                 })
        .setPointSize(9)
        .setAlignment(Qt::AlignRight | Qt::AlignTop);
    header.addShape({0, 23, width, 1}, ShapeElement::Shape::HorizontalRule).setLineWidth(0.4);

    Band& columns = report->columnHeader();
    columns.setHeight(8);
    columns.addText({2, 1.5, 25, 5}, QStringLiteral("Código")).setBold();
    columns.addText({30, 1.5, width - 32, 5}, QStringLiteral("Nome")).setBold();
    columns.addShape({0, 7, width, 1}, ShapeElement::Shape::HorizontalRule).setLineWidth(0.2);

    Band& detail = report->detail();
    detail.setHeight(6.5);
    detail.addField({2, 1, 25, 5}, QStringLiteral("CODIGO"));
    detail.addField({30, 1, width - 32, 5}, QStringLiteral("NOME"));
    detail.addShape({0, 6, width, 1}, ShapeElement::Shape::HorizontalRule)
        .setLineWidth(0.1)
        .setColor(QColor(190, 190, 190));

    Band& summary = report->summary();
    summary.setHeight(10);
    summary.addText({2, 3, width - 2, 5}, QStringLiteral("Total de Usuários : %1").arg(count))
        .setBold();

    Band& footer = report->pageFooter();
    footer.setHeight(9);
    footer.addShape({0, 0, width, 1}, ShapeElement::Shape::HorizontalRule).setLineWidth(0.2);
    footer
        .addText({width - 50, 3, 50, 5},
                 [](const PrintContext& context) {
                     return QStringLiteral("Página: ") + Source::pageNumber()(context);
                 })
        .setPointSize(8)
        .setAlignment(Qt::AlignRight | Qt::AlignTop);
    return report;
}

} // namespace kelvora::report::UserListReport
