#include "report/users/UserListReport.h"

#include "report/lists/ListFrame.h"

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

    frameList(*report, gymName, Title,
              QStringLiteral("Código Inicial : %1      Código Final : %2")
                  .arg(interval.first, interval.last));
    columnCaptions(*report, {{2, QStringLiteral("Código")}, {30, QStringLiteral("Nome")}});

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

    return report;
}

} // namespace kelvora::report::UserListReport
